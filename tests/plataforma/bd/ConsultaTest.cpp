#include <gtest/gtest.h>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/TextoSql.h"
#include "BancoDeTeste.h"

using bd::Consulta;
using bd::Dado;

namespace {

struct CasoTexto {
  const char* sql;
  const char* esperado;
  QStringList nomes;
};

class TextoSqlConverte : public testing::TestWithParam<CasoTexto> {};

TEST_P(TextoSqlConverte, TrocaNomesForaDeAspasEComentarios) {
  const auto t = bd::TextoSql::converte(QString::fromUtf8(GetParam().sql));
  EXPECT_EQ(t.sql(), QString::fromUtf8(GetParam().esperado));
  EXPECT_EQ(t.nomes(), GetParam().nomes);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, TextoSqlConverte,
    testing::Values(
        CasoTexto{"SELECT * FROM T WHERE A = :a OR B = :A", "SELECT * FROM T WHERE A = ? OR B = ?", {"A", "A"}},
        CasoTexto{"UPDATE T SET X = ':NAO' WHERE Y = :SIM", "UPDATE T SET X = ':NAO' WHERE Y = ?", {"SIM"}},
        CasoTexto{"SELECT 'it''s :X' FROM T WHERE \"C:D\" = :Y", "SELECT 'it''s :X' FROM T WHERE \"C:D\" = ?", {"Y"}},
        CasoTexto{"SELECT 1 -- :COMENTARIO\nFROM T WHERE A = ? AND B = :B_1", "SELECT 1 -- :COMENTARIO\nFROM T WHERE A = ? AND B = ?", {"", "B_1"}},
        CasoTexto{"SELECT /* :X */ 1 FROM T WHERE D = :DATA$2", "SELECT /* :X */ 1 FROM T WHERE D = ?", {"DATA$2"}},
        CasoTexto{"SELECT CAST(:N AS INTEGER) FROM T", "SELECT CAST(? AS INTEGER) FROM T", {"N"}}));

TEST(TextoSqlScript, DivideRespeitandoSetTerm) {
  const QStringList comandos = bd::TextoSql::divideScript(QStringLiteral(
      "-- cabeçalho\nCREATE TABLE A (X INTEGER);\nINSERT INTO A VALUES (';');\n"
      "SET TERM ^ ;\nCREATE PROCEDURE P AS BEGIN INSERT INTO A VALUES (1); END^\n"
      "SET TERM ; ^\n/* fim */ COMMIT;"));
  ASSERT_EQ(comandos.size(), 4);
  EXPECT_EQ(comandos[0], "CREATE TABLE A (X INTEGER)");
  EXPECT_EQ(comandos[1], "INSERT INTO A VALUES (';')");
  EXPECT_EQ(comandos[2], "CREATE PROCEDURE P AS BEGIN INSERT INTO A VALUES (1); END");
  EXPECT_EQ(comandos[3], "COMMIT");
}

class ConsultaBanco : public BancoDeTeste {
 protected:
  void SetUp() override {
    BancoDeTeste::SetUp();
    roda(QStringLiteral(
        "CREATE TABLE PESSOA (ID INTEGER NOT NULL PRIMARY KEY, TIPO CHAR(1), NUMERO VARCHAR(14), "
        "NOME VARCHAR(60), NASCIMENTO DATE, SALDO NUMERIC(18,4));"
        "INSERT INTO PESSOA VALUES (1, '1', '123456789', 'Ana Souza', '1980-02-29', 10.5);"
        "INSERT INTO PESSOA VALUES (2, '2', '112223330001', 'Construções Ltda', NULL, NULL);"
        "INSERT INTO PESSOA VALUES (3, '2', '112223330002', 'CONSTRUÇÕES FILIAL', '2001-01-01', -0.0001);"
        "INSERT INTO PESSOA VALUES (4, '1', '987654321', 'Bruno', '1975-12-31', 0);"));
  }
};

TEST_F(ConsultaBanco, ParametroRepetidoRecebeUmValorEmTodasAsPosicoes) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID FROM PESSOA WHERE TIPO = :TIPO AND (NUMERO STARTING WITH :RAIZ "
                               "OR NOME STARTING WITH :raiz) ORDER BY ID"),
             Consulta::Modo::Cache);
  EXPECT_EQ(c.nomesParametros(), (QStringList{"TIPO", "RAIZ"}));
  c.param("tipo", "2");
  c.param("RAIZ", "11222333");
  c.abre();
  EXPECT_EQ(c.quantidade(), 2);
  c.fecha();
  c.param("RAIZ", "CONS");  // a value set again replaces it at every position
  c.abre();
  ASSERT_EQ(c.quantidade(), 1);
  EXPECT_EQ(c.campo("ID").inteiro(), 3);
  EXPECT_THROW(c.param("INEXISTENTE", 1), bd::ErroBanco);
}

TEST_F(ConsultaBanco, CamposPorNomeEPosicaoENulos) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID, TIPO, NOME, NASCIMENTO, SALDO FROM PESSOA WHERE ID = :ID"));
  c.param("ID", 2);
  c.abre();
  ASSERT_FALSE(c.eof());
  EXPECT_EQ(c.quantidadeCampos(), 5);
  EXPECT_EQ(c.nomeCampo(3), "NOME");
  EXPECT_EQ(c.campo(3).texto(), QString::fromUtf8("Construções Ltda"));
  EXPECT_EQ(c.campo("tipo").texto(), "2");
  EXPECT_TRUE(c.campo(4).nulo());
  EXPECT_FALSE(c.campo(4).data().isValid());
  EXPECT_TRUE(c.campo("SALDO").nulo());
  EXPECT_EQ(c.campo("SALDO").dezMilesimos(), 0);
  EXPECT_EQ(c.campo("SALDO").texto(), "");
  EXPECT_THROW(c.campo("NAO_HA"), bd::ErroBanco);
  EXPECT_THROW(c.campo(6), bd::ErroBanco);
  c.fecha();
  c.param("ID", 1);
  c.abre();
  EXPECT_EQ(c.campo(4).data(), QDate(1980, 2, 29));
  EXPECT_EQ(c.campo(5).dezMilesimos(), 105000);
  EXPECT_EQ(c.campo(5).texto(), "10,5");
}

TEST_F(ConsultaBanco, TextoComparadoSemSerMontado) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT TIPO, NOME, CAST(TIPO AS CHAR(3)), SALDO FROM PESSOA WHERE ID = :ID"));
  c.param("ID", 3);
  c.abre();
  EXPECT_TRUE(c.campo(1).igual(QLatin1StringView("2")));
  EXPECT_FALSE(c.campo(1).igual(QLatin1StringView("1")));
  EXPECT_FALSE(c.campo(1).igual(QLatin1StringView("2 ")));
  EXPECT_TRUE(c.campo(3).igual(QLatin1StringView("2")));  // a CHAR without its padding
  EXPECT_TRUE(c.campo(2).igual(QLatin1StringView("CONSTRU\xc7\xd5" "ES FILIAL")));
  EXPECT_TRUE(c.campo(4).igual(QLatin1StringView("-0,0001")));
  c.fecha();
  c.param("ID", 2);
  c.abre();
  EXPECT_TRUE(c.campo(4).igual(QLatin1StringView("")));
}

TEST_F(ConsultaBanco, CacheAndaNosDoisSentidosComBofEof) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID FROM PESSOA ORDER BY ID"), Consulta::Modo::Cache);
  c.abre();
  EXPECT_TRUE(c.bof());
  EXPECT_FALSE(c.eof());
  EXPECT_EQ(c.campo(1).inteiro(), 1);
  c.anterior();  // already first: stays, beginning flagged
  EXPECT_TRUE(c.bof());
  EXPECT_EQ(c.campo(1).inteiro(), 1);
  c.proximo();
  c.proximo();
  EXPECT_FALSE(c.bof());
  EXPECT_EQ(c.campo(1).inteiro(), 3);
  c.ultimo();
  EXPECT_TRUE(c.eof());
  EXPECT_FALSE(c.bof());
  EXPECT_EQ(c.campo(1).inteiro(), 4);
  c.proximo();  // past the end: stays on the last row
  EXPECT_TRUE(c.eof());
  EXPECT_EQ(c.campo(1).inteiro(), 4);
  c.anterior();
  EXPECT_FALSE(c.eof());
  EXPECT_EQ(c.campo(1).inteiro(), 3);
  EXPECT_EQ(c.quantidade(), 4);
  EXPECT_EQ(c.posicao(), 3);
  c.primeiro();
  EXPECT_TRUE(c.bof());
  EXPECT_EQ(c.campo(1).inteiro(), 1);

  Consulta vazia(t, QStringLiteral("SELECT ID FROM PESSOA WHERE ID < 0"), Consulta::Modo::Cache);
  vazia.abre();
  EXPECT_TRUE(vazia.bof());
  EXPECT_TRUE(vazia.eof());
  vazia.proximo();
  vazia.ultimo();
  EXPECT_TRUE(vazia.bof() && vazia.eof());
  EXPECT_TRUE(vazia.campo(1).nulo());
  EXPECT_EQ(vazia.quantidade(), 0);
}

TEST_F(ConsultaBanco, SequencialSoAvanca) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID FROM PESSOA ORDER BY ID"));
  c.abre();
  QList<int> ids;
  for (; !c.eof(); c.proximo()) ids.append(c.campo(1).inteiro());
  EXPECT_EQ(ids, (QList<int>{1, 2, 3, 4}));
  EXPECT_EQ(c.campo(1).inteiro(), 4);  // the last row stays current at the end
  EXPECT_THROW(c.anterior(), bd::ErroBanco);
  EXPECT_THROW(c.localiza("ID", {1}), bd::ErroBanco);
  c.primeiro();  // runs again
  EXPECT_EQ(c.campo(1).inteiro(), 1);
}

TEST_F(ConsultaBanco, SequencialComOutroTextoLeLinhasDoNovoTamanho) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID FROM PESSOA ORDER BY ID"));
  c.abre();
  c.proximo();
  c.fecha();
  // Wider rows than the first text's: they must not land in the first text's row buffers.
  c.defineSql(QStringLiteral("SELECT CAST(NOME AS VARCHAR(8000)) AS NOME, NUMERO FROM PESSOA ORDER BY ID"));
  c.abre();
  QStringList nomes;
  for (; !c.eof(); c.proximo()) nomes << c.campo("NOME").texto();
  c.fecha();
  EXPECT_EQ(nomes, QStringList({"Ana Souza", "Construções Ltda", "CONSTRUÇÕES FILIAL", "Bruno"}));
}

struct CasoLocaliza {
  const char* campos;
  QList<Dado> valores;
  bd::OpcoesLocaliza opcoes;
  int id;  // 0: not found
};

class ConsultaLocaliza : public ConsultaBanco, public testing::WithParamInterface<CasoLocaliza> {};

TEST_P(ConsultaLocaliza, AchaAPrimeiraLinhaQueConfere) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT * FROM PESSOA ORDER BY ID"), Consulta::Modo::Cache);
  c.abre();
  c.proximo();  // on row 2
  const bool achou = c.localiza(QString::fromUtf8(GetParam().campos), GetParam().valores, GetParam().opcoes);
  EXPECT_EQ(achou, GetParam().id != 0);
  EXPECT_EQ(c.campo("ID").inteiro(), GetParam().id ? GetParam().id : 2);  // a miss keeps the row
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ConsultaLocaliza,
    testing::Values(
        CasoLocaliza{"ID", {3}, {}, 3},
        CasoLocaliza{"TIPO; NUMERO", {1, "987654321"}, {}, 4},  // an integer key on a text field
        CasoLocaliza{"TIPO;NUMERO", {"2", "11222333"}, {}, 0},
        CasoLocaliza{"TIPO;NUMERO", {"2", "11222333"}, {true, false}, 2},
        CasoLocaliza{"NOME", {QString::fromUtf8("construções filial")}, {}, 0},
        CasoLocaliza{"NOME", {QString::fromUtf8("construções filial")}, {false, true}, 3},
        CasoLocaliza{"NOME", {"ANA"}, {true, true}, 1},
        CasoLocaliza{"SALDO", {bd::DezMilesimos{-1}}, {}, 3},
        CasoLocaliza{"NASCIMENTO", {QDate(1975, 12, 31)}, {}, 4},
        CasoLocaliza{"NASCIMENTO", {Dado()}, {}, 2}));

TEST_F(ConsultaBanco, EdicaoFicaSoNaMemoria) {
  bd::Transacao t(m_conexao);
  Consulta c(t, QStringLiteral("SELECT ID, NOME, SALDO FROM PESSOA ORDER BY ID"), Consulta::Modo::Cache);
  c.abre();
  c.campo("NOME").define("Outro nome");
  c.campo("SALDO").define(bd::DezMilesimos{12345});
  EXPECT_EQ(c.campo("NOME").texto(), "Outro nome");
  EXPECT_EQ(c.campo("SALDO").dezMilesimos(), 12345);
  c.acrescenta();
  EXPECT_EQ(c.quantidade(), 5);
  EXPECT_TRUE(c.campo("ID").nulo());
  c.campo("ID").define(99);
  c.primeiro();
  c.proximo();
  c.exclui();  // row 2 goes; row 3 becomes current
  EXPECT_EQ(c.campo("ID").inteiro(), 3);
  EXPECT_EQ(c.quantidade(), 4);
  EXPECT_THROW(c.campo("NOME").define(QString(61, u'x')), bd::ErroBanco);

  Consulta banco(t, QStringLiteral("SELECT COUNT(*), MAX(NOME) FROM PESSOA WHERE NOME = 'Ana Souza'"));
  banco.abre();
  EXPECT_EQ(banco.campo(1).inteiro(), 1);
  Consulta seq(t, QStringLiteral("SELECT NOME FROM PESSOA"));
  seq.abre();
  EXPECT_THROW(seq.campo(1).define("x"), bd::ErroBanco);
}

TEST_F(ConsultaBanco, CommitFechaAConsultaECommitRetendoNao) {
  bd::Transacao t(m_conexao, {"read_committed", "rec_version", "nowait"});
  Consulta c(t, QStringLiteral("SELECT ID FROM PESSOA ORDER BY ID"));
  c.abre();
  t.commitRetendo();
  EXPECT_TRUE(c.aberta());
  c.proximo();
  EXPECT_EQ(c.campo(1).inteiro(), 2);
  t.commit();
  EXPECT_FALSE(c.aberta());
  EXPECT_FALSE(t.ativa());
  c.abre();  // the transaction starts again by itself
  EXPECT_TRUE(t.ativa());
  EXPECT_EQ(c.campo(1).inteiro(), 1);
}

TEST_F(ConsultaBanco, ComandoSemLinhasEAfetadas) {
  bd::Transacao t(m_conexao);
  Consulta upd(t, QStringLiteral("UPDATE PESSOA SET NOME = :NOME WHERE TIPO = :TIPO"));
  upd.param("NOME", QString::fromUtf8("Ação ÇÉ"));
  upd.param("TIPO", "2");
  upd.executa();
  EXPECT_EQ(upd.linhasAfetadas(), 2u);
  Consulta sel(t, QStringLiteral("SELECT NOME FROM PESSOA WHERE ID = 3"));
  sel.abre();
  EXPECT_EQ(sel.campo(1).texto(), QString::fromUtf8("Ação ÇÉ"));
  t.rollback();
  sel.abre();
  EXPECT_EQ(sel.campo(1).texto(), QString::fromUtf8("CONSTRUÇÕES FILIAL"));
}

TEST_F(ConsultaBanco, FalhaDoMotorTrazMensagemECodigos) {
  bd::Transacao t(m_conexao);
  Consulta ins(t, QStringLiteral("INSERT INTO PESSOA (ID, NOME) VALUES (:ID, :NOME)"));
  ins.param("ID", 1);
  ins.param("NOME", "Repetido");
  try {
    ins.executa();
    FAIL() << "a chave repetida passou";
  } catch (const bd::ErroBanco& e) {
    EXPECT_EQ(e.codigoGds(), 335544665);  // unique key violation
    EXPECT_EQ(e.sqlcode(), -803);
    EXPECT_EQ(e.sqlstate(), "23000");
    EXPECT_TRUE(e.mensagem().contains("PESSOA")) << e.what();
  }
  Consulta errada(t, QStringLiteral("SELECT NADA FROM PESSOA"));
  EXPECT_THROW(errada.abre(), bd::ErroBanco);
}

TEST_F(ConsultaBanco, TextoQueNaoCabeOuNaoConverteEhRecusado) {
  bd::Transacao t(m_conexao);
  Consulta ins(t, QStringLiteral("INSERT INTO PESSOA (ID, TIPO, NASCIMENTO) VALUES (:ID, :TIPO, :DATA)"));
  ins.param("ID", "7");
  ins.param("TIPO", "12");
  EXPECT_THROW(ins.executa(), bd::ErroBanco);  // two characters in CHAR(1)
  ins.param("TIPO", "1");
  ins.param("DATA", "31/02/2013");
  EXPECT_THROW(ins.executa(), bd::ErroBanco);
  ins.param("ID", "sete");
  ins.param("DATA", "28/02/2013");
  EXPECT_THROW(ins.executa(), bd::ErroBanco);
  ins.param("ID", "7");
  ins.executa();
  Consulta sel(t, QStringLiteral("SELECT NASCIMENTO FROM PESSOA WHERE ID = 7"));
  sel.abre();
  EXPECT_EQ(sel.campo(1).data(), QDate(2013, 2, 28));
}

}  // namespace
