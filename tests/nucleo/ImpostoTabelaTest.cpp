#include <gtest/gtest.h>

#include "nucleo/ImpostoTabela.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoImposto {
  const char16_t* ano;
  const char16_t* base;
  const char16_t* imposto;
};

class CalculaImposto : public testing::TestWithParam<CasoImposto> {};

TEST_P(CalculaImposto, FollowsTheTableToTheCent) {
  const auto& c = GetParam();
  EXPECT_EQ(CalculaImpostoTabela(c.ano, Valor::deTexto(c.base)), Valor::deTexto(c.imposto));
}

INSTANTIATE_TEST_SUITE_P(
    Tabelas, CalculaImposto,
    testing::Values(CasoImposto{u"2014", u"2000,00", u"15,92"},
                    // A binary product gives 134,36999... and drops a cent here.
                    CasoImposto{u"2014", u"1791,60", u"0,29"},
                    CasoImposto{u"2014", u"1787,77", u"0"}, CasoImposto{u"2014", u"1787,78", u"0"},
                    CasoImposto{u"2014", u"2679,29", u"66,86"}, CasoImposto{u"2014", u"2679,30", u"66,86"},
                    CasoImposto{u"2014", u"3572,43", u"200,83"}, CasoImposto{u"2014", u"4463,81", u"401,39"},
                    CasoImposto{u"2014", u"10000,00", u"1923,85"}, CasoImposto{u"2013", u"1710,18", u"0"},
                    CasoImposto{u"2013", u"2563,91", u"63,98"}, CasoImposto{u"2013", u"3418,59", u"192,18"},
                    CasoImposto{u"2013", u"4271,59", u"384,10"}, CasoImposto{u"2013", u"5000,00", u"584,42"},
                    // Above the first 2013 limit the deduction exceeds the gross tax: never below 0.
                    CasoImposto{u"2013", u"1710,19", u"0"}, CasoImposto{u"2013", u"1710,50", u"0"},
                    CasoImposto{u"2012", u"5000,00", u"0"}, CasoImposto{u"", u"5000,00", u"0"}));

}  // namespace
