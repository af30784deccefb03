#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "BancoDanificado.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

// Runs a tool to its end, returning its whole output.
QStringList Roda(bd::ExecucaoServico servico) {
  servico.inicia();
  QStringList linhas;
  while (!servico.terminou()) linhas << servico.leLinhas(100);
  servico.confereFim();
  return linhas;
}

class FerramentasBanco : public testing::Test {
 protected:
  void SetUp() override {
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), QStringLiteral("TESTE.FDB"));
    banco_danificado::Povoa(m_arquivo, 400);
  }
  QString Dados(const char* nome) const { return m_pasta.dados() + u'/' + QString::fromLatin1(nome); }

  PastaProgramaTemp m_pasta;
  QString m_arquivo = m_pasta.dados() + QStringLiteral("/TESTE.FDB");
};

TEST_F(FerramentasBanco, ValidacaoApontaPaginaZeradaECopiaRestauradaGuardaORestante) {
  EXPECT_EQ(bd::Servicos::achadosValidacao(Roda(bd::Servicos::validaBanco(m_arquivo))), QStringList());

  const auto pagina = banco_danificado::ZeraPaginaDeDados(m_arquivo, QStringLiteral("BENEFICIARIOS"));
  ASSERT_GT(pagina.registros, 0);
  EXPECT_THROW(banco_danificado::Conta(m_arquivo, QStringLiteral("BENEFICIARIOS")), bd::ErroBanco);

  const QStringList achados = bd::Servicos::achadosValidacao(Roda(bd::Servicos::validaBanco(m_arquivo)));
  EXPECT_TRUE(achados.contains(QStringLiteral("Number of data page errors: 1"))) << achados.join(" / ").toStdString();

  Roda(bd::Servicos::consertaBanco(m_arquivo));
  Roda(bd::Servicos::copiaBanco(m_arquivo, Dados("TESTE.GBK")));
  const QStringList restauracao = Roda(bd::Servicos::restauraBanco(Dados("TESTE.GBK"), Dados("TESTE.FBK"), 500));
  EXPECT_FALSE(restauracao.isEmpty()) << "a restauração conta o que faz";
  EXPECT_EQ(banco_danificado::Conta(Dados("TESTE.FBK"), QStringLiteral("BENEFICIARIOS")), 400 - pagina.registros);
  bd::Conexao novo(Dados("TESTE.FBK"));
  novo.conecta();
  EXPECT_EQ(novo.buffersPagina(), 500);
}

TEST_F(FerramentasBanco, FalhaEParadaSaoErrosComAMensagemDaFerramenta) {
  try {
    Roda(bd::Servicos::copiaBanco(Dados("NAO_HA.FDB"), Dados("NAO_HA.GBK")));
    ADD_FAILURE() << "a cópia de um arquivo inexistente deveria falhar";
  } catch (const bd::ErroBanco& e) {
    EXPECT_TRUE(e.mensagem().startsWith("O programa gbak falhou: ")) << e.mensagem().toStdString();
    EXPECT_TRUE(e.mensagem().contains("NAO_HA.FDB")) << e.mensagem().toStdString();
  }

  bd::ExecucaoServico copia = bd::Servicos::copiaBanco(m_arquivo, Dados("TESTE.GBK"));
  copia.inicia();
  copia.leLinhas(50);
  copia.para();
  EXPECT_TRUE(copia.terminou());
  EXPECT_TRUE(copia.leLinhas(50).isEmpty());
  EXPECT_THROW(copia.confereFim(), bd::ErroBanco);
  // Stopped, it holds the file no more: the program's engine opens it at once.
  EXPECT_EQ(banco_danificado::Conta(m_arquivo, QStringLiteral("BENEFICIARIOS")), 400);

  bd::ExecucaoServico ausente(QStringLiteral("ferramenta-que-nao-existe"), {});
  EXPECT_THROW(ausente.inicia(), bd::ErroBanco);
}

// A tool that does not end within its limit is stopped, and its run fails saying so.
TEST(ExecucaoServico, FerramentaQuePassaDoLimiteEParada) {
  bd::ExecucaoServico sem_fim(QStringLiteral("sleep"), {QStringLiteral("600")});
  sem_fim.defineLimite(1);
  sem_fim.inicia();
  while (!sem_fim.terminou()) sem_fim.leLinhas(100);
  EXPECT_TRUE(sem_fim.parada());
  try {
    sem_fim.confereFim();
    ADD_FAILURE() << "uma ferramenta interrompida pelo limite deveria falhar";
  } catch (const bd::ErroBanco& e) {
    EXPECT_EQ(e.mensagem(), "O programa sleep não terminou em 1 segundos e foi interrompido.");
  }
  // The tools of the repair have one that grows with the file.
  const QString arquivo = QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/TOLV2014PD.FDB");
  const int mb = int(QFileInfo(arquivo).size() >> 20);
  EXPECT_EQ(bd::Servicos::validaBanco(arquivo).limite(), bd::Servicos::kLimiteMinimo + mb * bd::Servicos::kLimitePorMB);
}

}  // namespace
