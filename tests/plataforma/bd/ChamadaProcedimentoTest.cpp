#include <gtest/gtest.h>

#include "plataforma/bd/ChamadaProcedimento.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "BancoDeTeste.h"

using bd::ChamadaProcedimento;

namespace {

// A procedure that stores what it is given, as it comes, and answers the stored row's key.
class ChamadaBanco : public BancoDeTeste {
 protected:
  void SetUp() override {
    BancoDeTeste::SetUp();
    roda(QStringLiteral(
        "CREATE TABLE GUARDA (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(10), CENTAVOS NUMERIC(18,2), "
        "QUANTIA NUMERIC(18,4), MESES NUMERIC(5,1), DIA DATE, CODIGO SMALLINT);"
        "CREATE GENERATOR GEN_GUARDA;"
        "SET TERM ^ ;"
        "CREATE PROCEDURE GUARDA_TUDO (NOME VARCHAR(10), CENTAVOS NUMERIC(18,2), QUANTIA NUMERIC(18,4), "
        "MESES NUMERIC(5,1), DIA DATE, CODIGO SMALLINT)"
        " RETURNS (ID_OUT INTEGER, NOME_OUT VARCHAR(10)) AS BEGIN"
        "  ID_OUT = GEN_ID(GEN_GUARDA, 1);"
        "  INSERT INTO GUARDA VALUES (:ID_OUT, :NOME, :CENTAVOS, :QUANTIA, :MESES, :DIA, :CODIGO);"
        "  NOME_OUT = NOME;"
        "END^"
        "SET TERM ; ^"));
  }

  // The stored row of the key, each column as the layer shows it ("<nulo>" for null).
  QStringList Linha(bd::Transacao& t, int64_t id) {
    bd::Consulta c(t, QStringLiteral("SELECT NOME, CENTAVOS, QUANTIA, MESES, DIA, CODIGO FROM GUARDA WHERE ID = :ID"));
    c.param("ID", qlonglong(id));
    c.abre();
    QStringList r;
    for (int i = 1; i <= c.quantidadeCampos(); ++i)
      r << (c.campo(i).nulo() ? QStringLiteral("<nulo>") : c.campo(i).valor().comoTexto());
    return r;
  }
};

TEST_F(ChamadaBanco, ValoresExatosNomesResolvidosEReinicioDoBuffer) {
  bd::Transacao t(m_conexao, {"read_committed", "rec_version", "nowait"});
  ChamadaProcedimento p(t, QStringLiteral("guarda_tudo"), QDate(1899, 12, 30));
  p.prepara();
  EXPECT_EQ(p.entradas(), (QStringList{"NOME", "CENTAVOS", "QUANTIA", "MESES", "DIA", "CODIGO"}));
  const int nome = p.entrada("Nome");
  const int centavos = p.entrada("CENTAVOS");
  const int quantia = p.entrada("QUANTIA");
  const int meses = p.entrada("MESES");
  const int dia = p.entrada("DIA");
  const int codigo = p.entrada("CODIGO");
  const int id = p.saida("id_out");

  // Every value crosses as an exact decimal: 0,29 is 0,29, 12,5 months are 12,5.
  p.defineTexto(nome, u"José");
  p.defineDezMilesimos(centavos, 2900);
  p.defineDezMilesimos(quantia, 12345600);
  p.defineDezMilesimos(meses, 125000);
  p.defineData(dia, QDate(2013, 5, 31));
  p.defineInteiro(codigo, 7);
  EXPECT_EQ(p.dezMilesimosEntrada(centavos), 2900);
  EXPECT_EQ(p.textoEntrada(nome), QStringLiteral("José"));
  p.executa();
  const int64_t primeiro = p.saidaInteiro(id);
  EXPECT_EQ(p.saidaTexto(p.saida("NOME_OUT")), QStringLiteral("José"));
  EXPECT_EQ(Linha(t, primeiro), (QStringList{"José", "0,29", "1234,56", "12,5", "31/05/2013", "7"}));

  // Back to the starting values in one go: empty text, zeros, the starting date; a starting
  // value of the caller's own holds too.
  p.defineInicial(codigo, bd::Dado());
  p.reinicia();
  p.executa();
  EXPECT_EQ(Linha(t, p.saidaInteiro(id)), (QStringList{"", "0", "0", "0", "30/12/1899", "<nulo>"}));

  p.anulaEntradas();
  p.executa();
  EXPECT_EQ(Linha(t, p.saidaInteiro(id)), (QStringList(6, QStringLiteral("<nulo>"))));
  t.commit();
}

TEST_F(ChamadaBanco, RecusaOQueNaoCabeENomesQueNaoHa) {
  bd::Transacao t(m_conexao);
  ChamadaProcedimento p(t, QStringLiteral("GUARDA_TUDO"));
  EXPECT_THROW(p.defineTexto(0, u"x"), bd::ErroBanco);  // not prepared yet
  p.prepara();
  EXPECT_THROW(p.entrada("NAO_HA"), bd::ErroBanco);
  EXPECT_EQ(p.procuraEntrada("NAO_HA"), -1);
  EXPECT_THROW(p.saida("NOME"), bd::ErroBanco);
  EXPECT_THROW(p.defineTexto(p.entrada("NOME"), u"onze letras"), bd::ErroBanco);
  EXPECT_THROW(p.defineInteiro(p.entrada("CODIGO"), 70000), bd::ErroBanco);
  EXPECT_THROW(p.defineDezMilesimos(p.entrada("MESES"), int64_t(3000000000000)), bd::ErroBanco);
  EXPECT_THROW(p.saidaInteiro(0), bd::ErroBanco);  // not run yet
  ChamadaProcedimento inexistente(t, QStringLiteral("NAO_EXISTE"));
  EXPECT_THROW(inexistente.prepara(), bd::ErroBanco);
}

TEST_F(ChamadaBanco, UmaReconexaoPreparaDeNovoEGuardaOsValores) {
  bd::Transacao t(m_conexao);
  ChamadaProcedimento p(t, QStringLiteral("GUARDA_TUDO"));
  p.prepara();
  p.defineTexto(p.entrada("NOME"), u"antes");
  m_conexao.desconecta();
  EXPECT_FALSE(p.preparada());
  m_conexao.conecta();
  p.executa();
  EXPECT_EQ(Linha(t, p.saidaInteiro(p.saida("ID_OUT"))).first(), QStringLiteral("antes"));
  t.commit();
}

}  // namespace
