#include <gtest/gtest.h>

#include "nucleo/TNaturezas.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoNatureza {
  int codigo;
  const char* descricao;
  TNatureza::Flags flags;  // notarial, health plan, fund, depositary, abroad, partner, cup
};

class TabelaNaturezas : public testing::TestWithParam<CasoNatureza> {};

TEST_P(TabelaNaturezas, HoldsDescriptionAndFlagsAtItsCode) {
  const auto& c = GetParam();
  TNaturezas naturezas;
  const TNatureza& n = naturezas.GetNaturezas()[c.codigo];
  EXPECT_EQ(n.GetCodigo(), c.codigo);
  EXPECT_EQ(n.GetDescricao(), QString::fromUtf8(c.descricao));
  EXPECT_EQ(n.GetFlags(), c.flags);
  EXPECT_EQ(naturezas.BuscaNatureza(c.codigo), &n);
}

INSTANTIATE_TEST_SUITE_P(
    Naturezas, TabelaNaturezas,
    testing::Values(
        CasoNatureza{0, "Pessoa jurídica de direito privado", {0, 1, 1, 1, 1, 1, 1}},
        CasoNatureza{1, "Órgãos, autarquias e fundações da administração pública federal",
                     {0, 1, 0, 0, 1, 0, 0}},
        CasoNatureza{2,
                     "Órgãos, autarquias e fundações da administração pública estadual, municipal "
                     "ou do distrito federal",
                     {0, 1, 0, 0, 1, 0, 0}},
        CasoNatureza{3, "Empresa pública ou sociedade de economia mista federal", {0, 1, 1, 1, 1, 0, 0}},
        CasoNatureza{4,
                     "Empresa pública ou sociedade de economia mista estadual, municipal ou do "
                     "distrito federal",
                     {0, 1, 1, 1, 1, 0, 0}},
        CasoNatureza{5, "", {0, 0, 0, 0, 0, 0, 0}}, CasoNatureza{6, "", {0, 0, 0, 0, 0, 0, 0}},
        CasoNatureza{7, "", {0, 0, 0, 0, 0, 0, 0}},
        CasoNatureza{8, "Entidade com alteração de natureza jurídica (uso restrito)",
                     {0, 1, 1, 1, 1, 1, 1}},
        CasoNatureza{9, "Pessoa Física", {1, 1, 0, 0, 1, 0, 0}}));

TEST(TNaturezas, NamedFlagsFollowTheirColumns) {
  TNaturezas naturezas;
  const TNatureza* pf = naturezas.BuscaNatureza(9);
  EXPECT_TRUE(pf->Admite(TNatureza::ServicoNotarial));
  EXPECT_FALSE(pf->Admite(TNatureza::Depositario));
  const TNatureza* federal = naturezas.BuscaNatureza(3);
  EXPECT_TRUE(federal->Admite(TNatureza::Depositario));
  EXPECT_FALSE(federal->Admite(TNatureza::SocioOstensivo));
  EXPECT_FALSE(federal->Admite(TNatureza::Copa));
}

TEST(TNaturezas, CodesOutsideTheTableFindNothing) {
  TNaturezas naturezas;
  EXPECT_EQ(naturezas.BuscaNatureza(10), nullptr);
  EXPECT_EQ(naturezas.BuscaNatureza(255), nullptr);
  EXPECT_EQ(naturezas.BuscaNatureza(-1), nullptr);
  ASSERT_NE(naturezas.BuscaNatureza(5), nullptr);
  EXPECT_TRUE(naturezas.BuscaNatureza(5)->GetDescricao().isEmpty());
}

TEST(TNaturezas, AllowedListStartsEmptyAndKeepsTheOrderOfAdding) {
  TNaturezas naturezas;
  EXPECT_TRUE(naturezas.GetPermitidas().empty());
  for (int c : {9, 0, 8}) naturezas.AdicionaPermitida(naturezas.BuscaNatureza(c));
  ASSERT_EQ(naturezas.GetPermitidas().size(), 3u);
  EXPECT_EQ(naturezas.GetPermitidas()[0]->GetCodigo(), 9);
  EXPECT_EQ(naturezas.GetPermitidas()[2]->GetCodigo(), 8);
  naturezas.LimpaPermitidas();
  EXPECT_TRUE(naturezas.GetPermitidas().empty());
  EXPECT_EQ(naturezas.GetNaturezas().size(), 10u);
}

// The lookup goes by the code each item holds, so renumbering an item of the table changes
// what is found.
TEST(TNaturezas, LookupFindsTheFirstItemHoldingTheCode) {
  TNaturezas naturezas;
  naturezas.GetNaturezas()[8].SetCodigo(0);
  EXPECT_EQ(naturezas.BuscaNatureza(0), &naturezas.GetNaturezas()[0]);
  EXPECT_EQ(naturezas.BuscaNatureza(8), nullptr);
}

}  // namespace
