#include <gtest/gtest.h>

#include <array>

#include <optional>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Dado.h"
#include "BancoDeTeste.h"

namespace {

struct CasoTexto {
  const char* texto;
  int escala;
  std::optional<int64_t> esperado;
};

class DecimalDeTexto : public testing::TestWithParam<CasoTexto> {};

TEST_P(DecimalDeTexto, LeExatoEArredondaMetadeParaLonge) {
  EXPECT_EQ(bd::Decimal::deTexto(QString::fromUtf8(GetParam().texto), GetParam().escala), GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DecimalDeTexto,
    testing::Values(CasoTexto{"0.0001", -4, 1}, CasoTexto{"99999999999,99", -4, 999999999999900},
                    CasoTexto{"-1,23455", -4, -12346}, CasoTexto{"1.23454", -4, 12345},
                    CasoTexto{"1,005", -2, 101}, CasoTexto{"-1,005", -2, -101}, CasoTexto{" 12 ", 0, 12},
                    CasoTexto{"922337203685477.5807", -4, INT64_MAX},
                    CasoTexto{"922337203685477.5808", -4, std::nullopt}, CasoTexto{"1.234,56", -4, std::nullopt},
                    CasoTexto{"", -4, std::nullopt}, CasoTexto{"-", -4, std::nullopt},
                    CasoTexto{"1e3", -4, std::nullopt}));

TEST(DecimalReescala, ArredondaNosDoisSentidosERecusaEstouro) {
  using bd::Decimal::reescala;
  EXPECT_EQ(reescala(12350, -4, -2), 124);
  EXPECT_EQ(reescala(-12350, -4, -2), -124);
  EXPECT_EQ(reescala(12349, -4, -2), 123);
  EXPECT_EQ(reescala(5000, -4, 0), 1);
  EXPECT_EQ(reescala(123, -2, -4), 12300);
  EXPECT_EQ(reescala(INT64_MAX / 10, -4, -6), std::nullopt);
  EXPECT_EQ(bd::Decimal::texto(-5, -4), "-0.0005");
  EXPECT_EQ(bd::Decimal::texto(INT64_MIN, -4), "-922337203685477.5808");
}

// Amounts from 0,0001 to the program's cap must go in and come back unchanged, through
// columns and procedure parameters, with four and with two decimals.
const int64_t kValores[] = {1, 9, 99, 100, 12345, 999999, 10000000, 123456789012345,
                            999999999999900, -1, -999999999999900, 0, 5000, 4999999999999900};

class DecimalBanco : public BancoDeTeste {
 protected:
  void SetUp() override {
    BancoDeTeste::SetUp();
    roda(QStringLiteral(
        "CREATE TABLE VALORES (ID INTEGER NOT NULL PRIMARY KEY, Q NUMERIC(18,4), C NUMERIC(18,2), "
        "P NUMERIC(9,2), I INTEGER);"
        "SET TERM ^ ;"
        "CREATE PROCEDURE ECO (Q NUMERIC(18,4), C NUMERIC(18,2)) RETURNS (Q_OUT NUMERIC(18,4), "
        "C_OUT NUMERIC(18,2)) AS BEGIN Q_OUT = Q; C_OUT = C; END^"
        "SET TERM ; ^"));
  }
};

TEST_F(DecimalBanco, ValoresIdaEVoltaSemDouble) {
  bd::Transacao t(m_conexao);
  bd::Consulta ins(t, QStringLiteral("INSERT INTO VALORES (ID, Q, C) VALUES (:ID, :Q, :C)"));
  bd::Procedimento eco(t, QStringLiteral("ECO"));
  int id = 0;
  for (const int64_t v : kValores) {
    // With two decimals only whole cents survive: the cases are whole cents or rounded below.
    const int64_t centavos = *bd::Decimal::reescala(v, -4, -2) * 100;
    ins.param("ID", ++id);
    ins.param("Q", bd::DezMilesimos{v});
    ins.param("C", bd::DezMilesimos{v});
    ins.executa();
    eco.param("Q", bd::DezMilesimos{v});
    eco.param("C", bd::DezMilesimos{v});
    eco.executa();
    EXPECT_EQ(eco.saida("Q_OUT").dezMilesimos(), v);
    EXPECT_EQ(eco.saida("C_OUT").dezMilesimos(), centavos);
  }
  t.commit();
  bd::Consulta sel(t, QStringLiteral("SELECT Q, C FROM VALORES ORDER BY ID"));
  sel.abre();
  for (const int64_t v : kValores) {
    ASSERT_FALSE(sel.eof());
    EXPECT_EQ(sel.campo("Q").dezMilesimos(), v);
    EXPECT_EQ(sel.campo("C").dezMilesimos(), *bd::Decimal::reescala(v, -4, -2) * 100);
    EXPECT_EQ(sel.campo("C").escala(), -2);
    sel.proximo();
  }
}

TEST_F(DecimalBanco, MenosCasasArredondaEEstouroEhRecusado) {
  bd::Transacao t(m_conexao);
  bd::Consulta ins(t, QStringLiteral("INSERT INTO VALORES (ID, C, P, I) VALUES (:ID, :C, :P, :I)"));
  ins.param("ID", 1);
  ins.param("C", bd::DezMilesimos{12350});   // 1,2350 -> 1,24
  ins.param("P", bd::DezMilesimos{-12350});  // -1,2350 -> -1,24
  ins.param("I", bd::DezMilesimos{25000});   // 2,5 -> 3
  ins.executa();
  bd::Consulta sel(t, QStringLiteral("SELECT C, P, I FROM VALORES WHERE ID = 1"));
  sel.abre();
  EXPECT_EQ(sel.campo("C").dezMilesimos(), 12400);
  EXPECT_EQ(sel.campo("P").dezMilesimos(), -12400);
  EXPECT_EQ(sel.campo("I").inteiro(), 3);
  EXPECT_EQ(sel.campo("C").texto(), "1,24");
  sel.fecha();

  ins.param("ID", 2);
  ins.param("P", bd::DezMilesimos{999999999999900});  // does not fit NUMERIC(9,2)
  EXPECT_THROW(ins.executa(), bd::ErroBanco);
  ins.param("P", 0);
  ins.param("I", int64_t(1) << 40);
  EXPECT_THROW(ins.executa(), bd::ErroBanco);
  ins.param("I", "12,5");  // texts read exactly: 12,5 rounds to 13
  ins.param("C", "99999999999.99");
  ins.executa();
  bd::Consulta outra(t, QStringLiteral("SELECT I, C FROM VALORES WHERE ID = 2"));
  outra.abre();
  EXPECT_EQ(outra.campo("I").inteiro(), 13);
  EXPECT_EQ(outra.campo("C").dezMilesimos(), 999999999999900);
}

}  // namespace

// A row of amounts read at once gives what each field gives by itself, whatever the column's kind
// and scale; a null reads 0.
TEST_F(DecimalBanco, UmaLinhaDeValoresLidaDeUmaVezEhExata) {
  roda(QStringLiteral("INSERT INTO VALORES (ID, Q, C, P, I) VALUES (1, -12345678901.2345, 0.07, -3.5, 42);"
                      "INSERT INTO VALORES (ID, Q, C, P, I) VALUES (2, NULL, NULL, NULL, NULL);"));
  bd::Transacao t(m_conexao);
  bd::Consulta sel(t, QStringLiteral("SELECT ID, Q, C, P, I, CAST('12,5' AS VARCHAR(10)) FROM VALORES ORDER BY ID"));
  sel.abre();
  for (int linha = 1; linha <= 2; ++linha, sel.proximo()) {
    ASSERT_FALSE(sel.eof());
    std::array<int64_t, 5> juntos{};
    sel.dezMilesimos(2, 5, juntos.data());
    for (int c = 2; c <= 6; ++c) EXPECT_EQ(juntos[size_t(c - 2)], sel.campo(c).dezMilesimos()) << linha << '/' << c;
  }
  sel.primeiro();
  std::array<int64_t, 5> primeira{};
  sel.dezMilesimos(2, 5, primeira.data());
  EXPECT_EQ(primeira, (std::array<int64_t, 5>{-123456789012345, 700, -35000, 420000, 125000}));
  int64_t sobra = 0;
  EXPECT_THROW(sel.dezMilesimos(6, 2, &sobra), bd::ErroBanco);
}

TEST_F(DecimalBanco, APreparacaoDizQuandoOsCamposMudamDeLugar) {
  bd::Transacao t(m_conexao);
  bd::Consulta sel(t, QStringLiteral("SELECT Q, C FROM VALORES"));
  EXPECT_EQ(sel.preparo(), 0u);
  sel.prepara();
  const uint64_t primeiro = sel.preparo();
  EXPECT_NE(primeiro, 0u);
  sel.abre();
  sel.fecha();
  EXPECT_EQ(sel.preparo(), primeiro);
  sel.defineSql(QStringLiteral("SELECT C, Q FROM VALORES"));
  EXPECT_EQ(sel.preparo(), 0u);
  sel.prepara();
  EXPECT_NE(sel.preparo(), primeiro);
}
