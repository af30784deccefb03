#include <gtest/gtest.h>

#include <QFile>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "BancoDeTeste.h"

namespace {

using ScriptBanco = BancoDeTeste;

TEST_F(ScriptBanco, DefinicoesValemParaOsComandosSeguintes) {
  bd::Transacao t(m_conexao);
  bd::Script(t).executa(QStringLiteral(
      "SET SQL DIALECT 3;\nSET NAMES UTF8;\n"
      "CREATE TABLE NOTA (ID INTEGER, TEXTO VARCHAR(20));\n"
      "INSERT INTO NOTA VALUES (1, 'um; dois');\n"
      "SET TERM ^ ;\n"
      "CREATE PROCEDURE CONTA RETURNS (N INTEGER) AS BEGIN SELECT COUNT(*) FROM NOTA INTO :N; END^\n"
      "SET TERM ; ^\n"
      "-- depois do procedimento\nINSERT INTO NOTA VALUES (2, 'três');"));
  bd::Consulta c(t, QStringLiteral("EXECUTE PROCEDURE CONTA"));
  c.executa();
  EXPECT_EQ(c.campo("N").inteiro(), 2);
  t.rollback();  // a definition commits what ran before it; the last row goes
  bd::Consulta d(t, QStringLiteral("SELECT COUNT(*) FROM NOTA"));
  d.abre();
  EXPECT_EQ(d.campo(1).inteiro(), 1);

  EXPECT_THROW(bd::Script(t).executa(QStringLiteral("INSERT INTO NOTA VALUES (3, 'x'); INSERT INTO NADA VALUES (1);")),
               bd::ErroBanco);
}

TEST(Servicos, BancosEntreguesTemEscritaForcada) {
  // The shipped files themselves, copied as they are, without the tests' switch.
  PastaProgramaTemp pasta;
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"}) {
    const QString destino = pasta.dados() + "/" + nome;
    ASSERT_TRUE(QFile::copy(PastaProgramaTemp::bancosConstruidos() + "/" + nome, destino));
    bd::Conexao c(destino);
    c.conecta();
    EXPECT_TRUE(c.escritaForcada()) << nome;
  }
}

TEST_F(ScriptBanco, ServicoTrocaModoDeEscritaEBuffers) {
  m_conexao.desconecta();
  bd::Servicos::defineEscritaForcada(m_arquivo, true);
  bd::Servicos::defineBuffersPagina(m_arquivo, 3000);
  m_conexao.conecta();
  EXPECT_TRUE(m_conexao.escritaForcada());
  EXPECT_EQ(m_conexao.buffersPagina(), 3000);
  m_conexao.desconecta();
  bd::Servicos::defineEscritaForcada(m_arquivo, false);
  m_conexao.conecta();
  EXPECT_FALSE(m_conexao.escritaForcada());
  EXPECT_THROW(bd::Servicos::defineEscritaForcada(m_pasta.dados() + "/NAO_HA.FDB", true), bd::ErroBanco);
}

}  // namespace
