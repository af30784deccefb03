#include <gtest/gtest.h>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Procedimento.h"
#include "BancoDeTeste.h"

using bd::Procedimento;

namespace {

class ProcedimentoBanco : public BancoDeTeste {
 protected:
  void SetUp() override {
    BancoDeTeste::SetUp();
    roda(QStringLiteral(
        "CREATE TABLE ITEM (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(40), VALOR NUMERIC(18,4), "
        "DATA_ITEM DATE);"
        "CREATE GENERATOR GEN_ITEM;"
        "SET TERM ^ ;"
        "CREATE PROCEDURE INCLUI_ITEM (ID INTEGER, NOME VARCHAR(40), VALOR NUMERIC(18,4), DATA_ITEM DATE)"
        " RETURNS (ID_OUT INTEGER, RESULTADO INTEGER, DOBRO NUMERIC(18,4)) AS BEGIN"
        "  IF (ID IS NULL) THEN BEGIN ID = GEN_ID(GEN_ITEM, 1); RESULTADO = 1; END"
        "  ELSE RESULTADO = 2;"
        "  UPDATE OR INSERT INTO ITEM (ID, NOME, VALOR, DATA_ITEM) VALUES (:ID, :NOME, :VALOR, :DATA_ITEM);"
        "  ID_OUT = ID; DOBRO = VALOR * 2;"
        "END^"
        "SET TERM ; ^"));
  }
};

TEST_F(ProcedimentoBanco, ParametrosPorNomeEPosicaoESaidasPorNome) {
  bd::Transacao t(m_conexao, {"read_committed", "rec_version", "nowait"});
  Procedimento p(t, QStringLiteral("inclui_item"));
  EXPECT_EQ(p.entradas(), (QStringList{"ID", "NOME", "VALOR", "DATA_ITEM"}));
  p.param("Nome", "Primeiro");  // names without regard to case; ID never set goes as null
  p.param("VALOR", bd::DezMilesimos{12345});
  p.param(4, QDate(2013, 12, 31));
  p.executa();
  EXPECT_EQ(p.saida("RESULTADO").inteiro(), 1);
  const int id = p.saida("id_out").inteiro();
  EXPECT_GT(id, 0);
  EXPECT_EQ(p.saida(3).dezMilesimos(), 24690);
  t.commit();
  EXPECT_EQ(p.saida("ID_OUT").inteiro(), id);  // outputs outlive the transaction

  p.param("ID", id);
  p.param("NOME", "Trocado");
  p.executa();  // prepared once, run again in a new transaction
  EXPECT_EQ(p.saida("RESULTADO").inteiro(), 2);
  t.commit();

  bd::Consulta c(t, QStringLiteral("SELECT NOME, VALOR, DATA_ITEM FROM ITEM WHERE ID = :ID"));
  c.param("ID", id);
  c.abre();
  EXPECT_EQ(c.campo("NOME").texto(), "Trocado");
  EXPECT_EQ(c.campo("VALOR").dezMilesimos(), 12345);
  EXPECT_EQ(c.campo("DATA_ITEM").data(), QDate(2013, 12, 31));

  EXPECT_THROW(p.param("NAO_HA", 1), bd::ErroBanco);
  EXPECT_THROW(p.saida("NAO_HA"), bd::ErroBanco);
  Procedimento ausente(t, QStringLiteral("NAO_EXISTE"));
  EXPECT_THROW(ausente.executa(), bd::ErroBanco);
}

TEST_F(ProcedimentoBanco, FalhaNoProcedimentoTrazMensagemDoMotor) {
  roda(QStringLiteral("CREATE EXCEPTION E_RECUSA 'Recusado pelo banco: ação inválida';"
                      "SET TERM ^ ;"
                      "CREATE PROCEDURE RECUSA AS BEGIN EXCEPTION E_RECUSA; END^"
                      "SET TERM ; ^"));
  bd::Transacao t(m_conexao);
  Procedimento p(t, QStringLiteral("RECUSA"));
  try {
    p.executa();
    FAIL();
  } catch (const bd::ErroBanco& e) {
    EXPECT_TRUE(e.mensagem().contains(QString::fromUtf8("Recusado pelo banco: ação inválida"))) << e.what();
    EXPECT_EQ(e.codigoGds(), 335544517);  // exception raised by a procedure
  }
}

}  // namespace
