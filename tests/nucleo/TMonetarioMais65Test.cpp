#include <gtest/gtest.h>

#include "nucleo/Erros.h"
#include "nucleo/TMonetarioMais65.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoTeto {
  const char* ano;
  const char* valor;
  int mensagem;  // 0 accepted
};

class TetoMais65 : public testing::TestWithParam<CasoTeto> {};

TEST_P(TetoMais65, TheYearsCapIsCheckedBeforeTheOrdinaryOne) {
  TMonetarioMais65 valor;
  valor.SetAnoCalendario(QString::fromLatin1(GetParam().ano));
  const QString texto = QString::fromLatin1(GetParam().valor);
  if (GetParam().mensagem == 0) {
    EXPECT_NO_THROW(valor.SetValor(texto));
    EXPECT_EQ(valor.GetFormatado(), texto);
    return;
  }
  try {
    valor.SetValor(texto);
    FAIL() << "accepted";
  } catch (const EMonetarioInvalido& e) {
    EXPECT_EQ(e.Codigo(), GetParam().mensagem);
    EXPECT_EQ(e.Argumentos(), QString());
  }
  EXPECT_TRUE(valor.EhZero());
}

INSTANTIATE_TEST_SUITE_P(Casos, TetoMais65,
                         testing::Values(CasoTeto{"1999", "11.700,01", 111}, CasoTeto{"2001", "11.700,00", 0},
                                         CasoTeto{"2002", "16.231,45", 112}, CasoTeto{"2005", "16.231,44", 0},
                                         CasoTeto{"2006", "16.249,45", 113}, CasoTeto{"2006", "16.249,44", 0},
                                         CasoTeto{"2007", "17.077,98", 114}, CasoTeto{"2008", "17.846,54", 115},
                                         CasoTeto{"2009", "18.649,68", 116}, CasoTeto{"2009", "18.649,67", 0},
                                         CasoTeto{"2013", "1.000.000,00", 0},
                                         CasoTeto{"2013", "100.000.000.000,00", 108}));

TEST(TMonetarioMais65, TheImportFieldGetsTheCapsMessage) {
  TMonetarioMais65 valor;
  valor.SetAnoCalendario(QStringLiteral("2007"));
  EXPECT_EQ(valor.SetValorImportacao(QStringLiteral("000000001707798")), 114);
  EXPECT_EQ(valor.SetValorImportacao(QStringLiteral("000000001707797")), 0);
  EXPECT_EQ(valor.GetValor(), QStringLiteral("17077,97"));
  // Sums set directly are not checked.
  valor.SetValorMonetario(Valor::deReais(20000));
  EXPECT_EQ(valor.GetValor(), QStringLiteral("20000,00"));
}

}  // namespace
