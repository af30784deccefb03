#include <gtest/gtest.h>

#include "nucleo/Valor.h"
#include "suporte/QtGtest.h"

#include <optional>

namespace {

struct CasoTexto {
  const char16_t* texto;
  std::optional<int64_t> dezMil;
};

class ValorDeTexto : public testing::TestWithParam<CasoTexto> {};

TEST_P(ValorDeTexto, Converte) {
  const auto v = Valor::tenta(GetParam().texto);
  ASSERT_EQ(v.has_value(), GetParam().dezMil.has_value());
  if (v) {
    EXPECT_EQ(v->dezMilesimos(), *GetParam().dezMil);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Textos, ValorDeTexto,
    testing::Values(CasoTexto{u"1.234,56", 12345600}, CasoTexto{u"0,0001", 1}, CasoTexto{u"-0,01", -100},
                    CasoTexto{u" 1234,5 ", 12345000}, CasoTexto{u",5", 5000}, CasoTexto{u"7,", 70000},
                    CasoTexto{u"99.999.999.999,99", 999999999999900}, CasoTexto{u"12,34567", std::nullopt},
                    CasoTexto{u"1.23,00", std::nullopt}, CasoTexto{u"1234.567", std::nullopt},
                    CasoTexto{u",", std::nullopt}, CasoTexto{u"", std::nullopt}, CasoTexto{u"1a", std::nullopt},
                    CasoTexto{u"922337203685477,5807", INT64_MAX},
                    CasoTexto{u"922337203685477,5808", std::nullopt}));

struct CasoFormato {
  int64_t dezMil;
  int decimais;
  bool milhares;
  const char* esperado;
};

class ValorFormata : public testing::TestWithParam<CasoFormato> {};

TEST_P(ValorFormata, RoundsHalvesAwayFromZero) {
  const auto& c = GetParam();
  EXPECT_EQ(Valor::deDezMilesimos(c.dezMil).formata(c.decimais, c.milhares), QString::fromUtf8(c.esperado));
}

INSTANTIATE_TEST_SUITE_P(
    Formatos, ValorFormata,
    testing::Values(CasoFormato{12345000, 2, true, "1.234,50"}, CasoFormato{12345000, 2, false, "1234,50"},
                    CasoFormato{2500, 1, true, "0,3"}, CasoFormato{2499, 1, true, "0,2"},
                    CasoFormato{-2500, 1, true, "-0,3"}, CasoFormato{-49, 2, true, "0,00"},
                    CasoFormato{0, 2, true, "0,00"}, CasoFormato{999999999999900, 2, true, "99.999.999.999,99"},
                    CasoFormato{12345678, 0, true, "1.235"}, CasoFormato{10000000, 0, false, "1000"},
                    CasoFormato{1, 4, true, "0,0001"}, CasoFormato{INT64_MAX, 2, true, "922.337.203.685.477,58"}));

TEST(Valor, ArithmeticSaturatesInsteadOfWrapping) {
  EXPECT_EQ(Valor::maximo() + Valor::deDezMilesimos(1), Valor::maximo());
  EXPECT_EQ(Valor::minimo() - Valor::deDezMilesimos(1), Valor::minimo());
  EXPECT_EQ(-Valor::deDezMilesimos(INT64_MIN), Valor::maximo());
  EXPECT_EQ(Valor::deCentavos(12345).dezMilesimos(), 1234500);
  EXPECT_EQ(Valor::deDezMilesimos(1234550).centavos(), 12346);
  EXPECT_EQ(Valor::deDezMilesimos(-1234550).centavos(), -12346);
  EXPECT_EQ(Valor::deDezMilesimos(1239999).truncado(2).dezMilesimos(), 1239900);
  EXPECT_LT(Valor::deTexto(u"1,00"), Valor::deTexto(u"1,01"));
  EXPECT_THROW(Valor::deTexto(u"abc"), std::invalid_argument);
}

}  // namespace
