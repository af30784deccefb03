#include <gtest/gtest.h>

#include "nucleo/Diretorios.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

TEST(Diretorios, FoldersOfTheProgram) {
  PastaProgramaTemp pasta;
  EXPECT_EQ(DiretorioPrograma(), pasta.caminho());
  EXPECT_EQ(DiretorioDados(), pasta.caminho() + "/DADOS");
  EXPECT_EQ(DiretorioTemp(), pasta.caminho() + "/DADOS/TEMP");
  EXPECT_FALSE(DiretorioPrograma().endsWith('/'));
}

struct CasoBarra {
  const char* caminho;
  const char* esperado;
};

class RemoveBarraFinalCasos : public testing::TestWithParam<CasoBarra> {};

TEST_P(RemoveBarraFinalCasos, StripsEveryTrailingSeparator) {
  EXPECT_EQ(RemoveBarraFinal(GetParam().caminho), QString(GetParam().esperado));
}

INSTANTIATE_TEST_SUITE_P(Caminhos, RemoveBarraFinalCasos,
                         testing::Values(CasoBarra{"", ""}, CasoBarra{"/a/b", "/a/b"}, CasoBarra{"/a/b/", "/a/b"},
                                         CasoBarra{"C:\\Pasta\\\\", "C:\\Pasta"}, CasoBarra{"/a/\\//", "/a"},
                                         CasoBarra{"/", ""}, CasoBarra{"/a b/c d", "/a b/c d"}));

}  // namespace
