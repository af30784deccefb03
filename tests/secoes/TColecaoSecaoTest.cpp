#include <gtest/gtest.h>

#include <stdexcept>

#include "SecoesTeste.h"
#include "plataforma/bd/Consulta.h"
#include "secoes/TColecaoSecao.h"

namespace {

using secoes_teste::ComDeclaracaoAberta;

// A section object over a table of the test that leaves its inserts pending, as a batch does.
class SecaoPendente : public TColecaoSecao {
 public:
  SecaoPendente() : TColecaoSecao(QStringLiteral("TESTE_SECAO")) {}
  void Insere(const QString& nome) {
    bd::Consulta& c = Comando(QStringLiteral("INSERT INTO TESTE_SECAO (NOME) VALUES (:NOME)"));
    c.param("NOME", nome);
    ExecutaConsulta(c);
  }
};

enum class Fim { Normal, Excecao, ConfirmacaoRecusada };

struct CasoFim {
  Fim fim;
  const char* guardadas;  // rows stored once the object is gone
  bool avisa;
};

class FimDaSecao : public ComDeclaracaoAberta, public testing::WithParamInterface<CasoFim> {};

TEST_P(FimDaSecao, GuardaSoOQueTerminouBemEAvisaAFalha) {
  Roda(QStringLiteral("CREATE TABLE TESTE_SECAO (NOME VARCHAR(20))"));
  if (GetParam().fim == Fim::ConfirmacaoRecusada)
    declaracao_teste::RecusaConfirmacao(m_pasta, kBanco,
                                        QStringLiteral("EXISTS (SELECT 1 FROM TESTE_SECAO WHERE NOME = 'b')"));
  try {
    SecaoPendente secao;
    secao.Insere(QStringLiteral("a"));
    secao.Insere(QStringLiteral("b"));
    if (GetParam().fim == Fim::Excecao) throw std::runtime_error("interrompido");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Le(QStringLiteral("SELECT COUNT(*) FROM TESTE_SECAO")), QString::fromLatin1(GetParam().guardadas));
  EXPECT_EQ(FalhaBanco, GetParam().avisa);
  EXPECT_EQ(m_caixa.chamadas().size(), GetParam().avisa ? 1u : 0u);
  if (GetParam().avisa) {
    EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Não foi possível salvar as alterações.")));
    EXPECT_TRUE(m_caixa.ultima().texto.contains(QStringLiteral("confirmacao recusada")));
  }
}

INSTANTIATE_TEST_SUITE_P(Fins, FimDaSecao,
                         testing::Values(CasoFim{Fim::Normal, "2", false}, CasoFim{Fim::Excecao, "0", false},
                                         CasoFim{Fim::ConfirmacaoRecusada, "0", true}));

}  // namespace
