#include <gtest/gtest.h>

#include <vector>

#include "nucleo/NavegacaoJanelas.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// 25 rows keyed 10, 20, ..., 250, browsed in windows of at most 4 rows, as a collection would:
// the windows before and after start from the key of the row the browsing stands on, or from the
// key loaded last (m_chave) when it stands on none.
class Janelas : public testing::Test {
 protected:
  void SetUp() override {
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), QStringLiteral("JANELAS.FDB"));
    m_conexao.defineArquivo(m_pasta.dados() + QStringLiteral("/JANELAS.FDB"));
    m_conexao.conecta();
    {
      bd::Transacao t(m_conexao);
      bd::Script(t).executa(QStringLiteral(
          "CREATE TABLE T (K INTEGER NOT NULL PRIMARY KEY);\n"
          "COMMIT;\n"
          "SET TERM ^ ;\n"
          "EXECUTE BLOCK AS DECLARE I INTEGER = 1; BEGIN WHILE (I <= 25) DO BEGIN "
          "INSERT INTO T VALUES (:I * 10); I = I + 1; END END^\n"
          "SET TERM ; ^"));
      t.commit();
    }
    m_transacao = std::make_unique<bd::Transacao>(m_conexao);
    m_busca = std::make_unique<bd::Consulta>(*m_transacao, QStringLiteral("SELECT FIRST 4 K FROM T WHERE K >= :K ORDER BY K"),
                                             bd::Consulta::Modo::Cache);
    NavegacaoJanelas::Ligacao l;
    l.abre = [this](bd::Consulta& q) {
      ++m_aberturas;
      q.fecha();
      q.abre();
      q.buscaTodas();
    };
    l.posiciona = [this](bd::Consulta& janela, NavegacaoJanelas::Janela qual, const bd::Consulta* atual) {
      if (qual != NavegacaoJanelas::kAnterior && qual != NavegacaoJanelas::kProxima) return;
      janela.param(QStringLiteral("K"), atual && atual->posicao() > 0 ? atual->campo(1).inteiro() : m_chave);
    };
    l.semPosicao = [this] { return m_chave < 0 && !m_atual; };
    l.total = [this] { return m_total; };
    m_nav = std::make_unique<NavegacaoJanelas>(m_janelas, m_atual, l);
    m_nav->Define(m_transacao.get(),
                  {QStringLiteral("SELECT FIRST 4 K FROM T ORDER BY K"),
                   QStringLiteral("SELECT K FROM (SELECT FIRST 4 K FROM T WHERE K < :K ORDER BY K DESC) ORDER BY K"),
                   QStringLiteral("SELECT FIRST 4 K FROM T WHERE K > :K ORDER BY K"),
                   QStringLiteral("SELECT K FROM (SELECT FIRST 4 K FROM T ORDER BY K DESC) ORDER BY K")},
                  false);
  }
  void TearDown() override {
    m_nav.reset();
    m_busca.reset();
    for (auto& j : m_janelas) j.reset();
    m_transacao.reset();
  }

  int Chave() const { return m_atual && m_atual->aberta() && !m_atual->vazia() ? m_atual->campo(1).inteiro() : -1; }

  PastaProgramaTemp m_pasta{true};
  bd::Conexao m_conexao;
  std::unique_ptr<bd::Transacao> m_transacao;
  NavegacaoJanelas::Janelas m_janelas;
  bd::Consulta* m_atual = nullptr;
  std::unique_ptr<bd::Consulta> m_busca;
  std::unique_ptr<NavegacaoJanelas> m_nav;
  int m_chave = -1;
  int m_total = -1;
  int m_aberturas = 0;
};

TEST_F(Janelas, WalkBothWaysThroughSmallWindowsKnowingEveryPlace) {
  m_nav->Primeiro();
  std::vector<int> vistas{Chave()};
  EXPECT_EQ(m_nav->PosicaoAtual(), 1);
  for (int i = 2; i <= 25; ++i) {
    m_nav->Proximo();
    vistas.push_back(Chave());
    ASSERT_EQ(m_nav->PosicaoAtual(), i);
  }
  // Past the end no row is current; a step back starts from the row loaded last.
  m_chave = 250;
  m_nav->Proximo();
  EXPECT_EQ(Chave(), -1);
  for (int i = 24; i >= 1; --i) {
    m_nav->Anterior();
    ASSERT_EQ(Chave(), 10 * i);
    ASSERT_EQ(m_nav->PosicaoAtual(), i);
  }
  m_chave = 10;
  m_nav->Anterior();
  EXPECT_EQ(Chave(), -1);
  m_nav->Proximo();
  EXPECT_EQ(Chave(), 20);
  EXPECT_EQ(m_nav->PosicaoAtual(), 2);
  std::vector<int> esperadas;
  for (int i = 1; i <= 25; ++i) esperadas.push_back(10 * i);
  EXPECT_EQ(vistas, esperadas);
  // Never more than a window in memory.
  for (const auto& j : m_janelas) {
    if (j->aberta()) {
      EXPECT_LE(j->quantidade(), 4);
    }
  }
}

TEST_F(Janelas, TheLastWindowIsPlacedByTheCountAndAStepBackFromNowhereGoesThere) {
  m_total = 25;
  m_nav->Anterior();
  EXPECT_EQ(Chave(), 250);
  EXPECT_EQ(m_nav->PosicaoAtual(), 25);
  m_nav->Anterior();
  m_nav->Anterior();
  m_nav->Anterior();
  m_nav->Anterior();
  EXPECT_EQ(Chave(), 210);
  EXPECT_EQ(m_nav->PosicaoAtual(), 21);
  // The first window stays open between visits until the collection says it is stale.
  m_nav->Primeiro();
  const int aberturas = m_aberturas;
  m_nav->Proximo();
  m_nav->Primeiro();
  EXPECT_EQ(m_aberturas, aberturas);
  for (int i = 0; i < 4; ++i) m_nav->Proximo();
  ASSERT_EQ(Chave(), 50);
  m_nav->FechaExtremos();
  m_nav->Primeiro();
  EXPECT_EQ(m_aberturas, aberturas + 2);
}

TEST_F(Janelas, MovesGoOnFromALookupThatBecameCurrent) {
  m_busca->param(QStringLiteral("K"), 130);
  m_busca->abre();
  m_atual = m_busca.get();
  EXPECT_EQ(m_nav->PosicaoAtual(), -1);
  m_nav->ConhecePosicao(13);
  EXPECT_EQ(m_nav->PosicaoAtual(), 13);
  for (int k : {140, 150, 160, 170, 180}) {
    m_nav->Proximo();
    ASSERT_EQ(Chave(), k);
  }
  EXPECT_EQ(m_nav->PosicaoAtual(), 18);
  m_busca->fecha();
  m_busca->abre();
  m_atual = m_busca.get();
  m_nav->Esquece(*m_busca);
  m_nav->Anterior();
  EXPECT_EQ(Chave(), 120);
  EXPECT_EQ(m_nav->PosicaoAtual(), -1);
}

}  // namespace
