#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <functional>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "BancoDeTeste.h"

namespace {

QByteArray conteudo(const QString& arquivo) {
  QFile f(arquivo);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

using ConexaoBanco = BancoDeTeste;

TEST_F(ConexaoBanco, DesconectarDesfazOQueNaoFoiConfirmado) {
  roda(QStringLiteral("CREATE TABLE T (X INTEGER);"));
  bd::Transacao t(m_conexao);
  bd::Consulta ins(t, QStringLiteral("INSERT INTO T VALUES (:X)"));
  ins.param("X", 1);
  ins.executa();
  bd::Consulta sel(t, QStringLiteral("SELECT X FROM T"));
  sel.abre();
  m_conexao.desconecta();
  EXPECT_FALSE(t.ativa());
  EXPECT_FALSE(sel.aberta());
  EXPECT_THROW(sel.abre(), bd::ErroBanco);
  m_conexao.conecta();
  sel.abre();  // prepared again on the new attachment
  EXPECT_TRUE(sel.eof());
}

TEST_F(ConexaoBanco, RedirecionarLevaTransacoesEConsultasJunto) {
  m_pasta.copiaBanco("Tolv.FDB");
  bd::Transacao t(m_conexao);
  bd::Consulta c(t, QStringLiteral("SELECT VERSAO FROM VERSAO"));
  c.abre();
  EXPECT_EQ(c.campo(1).inteiro(), 140);
  m_conexao.desconecta();
  m_conexao.defineArquivo(m_pasta.dados() + "/Tolv.FDB");
  m_conexao.conecta();
  c.abre();
  EXPECT_EQ(c.campo(1).inteiro(), 120);
  EXPECT_TRUE(bd::Conexao::arquivoEmUso(m_pasta.dados() + "/Tolv.FDB"));
  EXPECT_FALSE(bd::Conexao::arquivoEmUso(m_arquivo));
  EXPECT_THROW(m_conexao.defineArquivo(m_arquivo), bd::ErroBanco);
}

TEST_F(ConexaoBanco, TransacaoDestruidaDesfazOTrabalho) {
  roda(QStringLiteral("CREATE TABLE T (X INTEGER);"));
  {
    bd::Transacao t(m_conexao, {"read_committed", "rec_version", "nowait"});
    bd::Consulta ins(t, QStringLiteral("INSERT INTO T VALUES (1)"));
    ins.executa();
  }
  bd::Consulta sel(m_conexao, QStringLiteral("SELECT COUNT(*) FROM T"));
  sel.abre();
  EXPECT_EQ(sel.campo(1).inteiro(), 0);
  EXPECT_THROW(bd::Transacao(m_conexao, {"read_committed", "sem_nome"}), bd::ErroBanco);
}

// What a rollback would undo: the statements that may change data since the last end of the work.
TEST_F(ConexaoBanco, PendenteSoDepoisDeUmComandoAteOFimDoTrabalho) {
  roda(QStringLiteral("CREATE TABLE T (X INTEGER);"));
  bd::Transacao t(m_conexao, {"read_committed", "rec_version", "nowait"});
  bd::Consulta ins(t, QStringLiteral("INSERT INTO T VALUES (1)"));
  bd::Consulta sel(t, QStringLiteral("SELECT COUNT(*) FROM T"));
  struct Passo {
    const char* nome;
    std::function<void()> faz;
    bool pendente;
  };
  const Passo passos[] = {
      {"inicia", [&] { t.inicia(); }, false},
      {"leitura", [&] { sel.abre(); sel.fecha(); }, false},
      {"comando", [&] { ins.executa(); }, true},
      {"leitura depois do comando", [&] { sel.abre(); sel.fecha(); }, true},
      {"commit retendo", [&] { t.commitRetendo(); }, false},
      {"script", [&] { bd::Script(t).executa(QStringLiteral("INSERT INTO T VALUES (2);")); }, true},
      {"rollback retendo", [&] { t.rollbackRetendo(); }, false},
      {"comando outra vez", [&] { ins.executa(); }, true},
      {"commit", [&] { t.commit(); }, false},
  };
  for (const Passo& p : passos) {
    p.faz();
    EXPECT_EQ(t.pendente(), p.pendente) << p.nome;
  }
}

TEST_F(ConexaoBanco, CopiaSoSubstituiQuandoCompletaENuncaUmBancoAberto) {
  const QString modelo = PastaProgramaTemp::bancosConstruidos() + "/TOLV2014PD.FDB";
  const QString destino = m_pasta.dados() + "/COPIA.FDB";
  bd::Conexao::copiaArquivo(modelo, destino);
  EXPECT_EQ(conteudo(destino), conteudo(modelo));

  // The target in use, the source in use, a missing source, a target that cannot be replaced:
  // each refused, leaving no temporary file and the existing file whole.
  QFile f(destino);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("antigo");
  f.close();
  EXPECT_THROW(bd::Conexao::copiaArquivo(modelo, m_arquivo), bd::ErroBanco);
  EXPECT_THROW(bd::Conexao::copiaArquivo(m_arquivo, destino), bd::ErroBanco);
  EXPECT_THROW(bd::Conexao::copiaArquivo(m_pasta.dados() + "/NAO_HA.FDB", destino), bd::ErroBanco);
  QDir(m_pasta.dados()).mkdir("PASTA.FDB");
  EXPECT_THROW(bd::Conexao::copiaArquivo(modelo, m_pasta.dados() + "/PASTA.FDB"), bd::ErroBanco);
  EXPECT_EQ(conteudo(destino), "antigo");
  EXPECT_EQ(QDir(m_pasta.dados()).entryList(QDir::Files),
            (QStringList{"COPIA.FDB", "TESTE.FDB"}));
}

}  // namespace
