#include <gtest/gtest.h>

#include "nucleo/TCodigoRetencao.h"
#include "suporte/QtGtest.h"

namespace {

TCodigoRetencao::Colunas Linha(const char* ano, const char* codigo, const char* deducao,
                               const char* isentos) {
  TCodigoRetencao::Colunas l;
  l.ano = QString::fromLatin1(ano);
  l.codRetencao = QString::fromLatin1(codigo);
  l.pfPjAmbos = "F";
  l.resumo = QStringLiteral("Rendimentos do trabalho assalariado");
  l.regime = "C";
  l.comprovante = "T";
  l.anexo = "0";
  l.deducao = QString::fromLatin1(deducao);
  l.rendimentosIsentos = QString::fromLatin1(isentos);
  l.in4 = "F";
  l.subJudice = "T";
  l.natDeclarante = "0123489";
  l.decimoTerceiro = "T";
  return l;
}

TCodigoRetencao Codigo(const char* deducao, const char* isentos, uint8_t natureza = 0) {
  TCodigoRetencao c;
  c.CarregaColunas(Linha("2013", "0561", deducao, isentos), natureza);
  return c;
}

TEST(TCodigoRetencao, FillsTextsAndFlagsFromTheRow) {
  const TCodigoRetencao c = Codigo("1;2;3;4", "1;2;3;4;5;6");
  EXPECT_EQ(c.GetAno(), "2013");
  EXPECT_EQ(c.GetCodigo(), "0561");
  EXPECT_EQ(c.GetPfPjAmbos(), "F");
  EXPECT_EQ(c.GetResumo(), QStringLiteral("Rendimentos do trabalho assalariado"));
  EXPECT_EQ(c.GetRegime(), "C");
  EXPECT_EQ(c.GetComprovante(), "T");
  EXPECT_EQ(c.GetAnexo(), "0");
  EXPECT_EQ(c.GetNaturezas(), "0123489");
  EXPECT_TRUE(c.GetDeducaoPO() && c.GetDeducaoPP() && c.GetDeducaoDP() && c.GetDeducaoPA());
  EXPECT_FALSE(c.GetDeducaoAnexo());
  EXPECT_TRUE(c.GetIsentoRip65() && c.GetIsentoDac() && c.GetIsentoPdv() && c.GetIsentoAp());
  EXPECT_TRUE(c.GetIsentoOutros() && c.GetIsentoMolestia());
  EXPECT_FALSE(c.GetIsentoBolsa() || c.GetIsentoCopa() || c.GetIsentoLucroTitular());
  EXPECT_TRUE(c.GetAdmiteIsentos());
  EXPECT_TRUE(c.GetSubJudice());
  EXPECT_FALSE(c.GetIn4());
  EXPECT_TRUE(c.GetDecimoTerceiro());
}

TEST(TCodigoRetencao, EachListedKindSetsOnlyItsOwnFlag) {
  const TCodigoRetencao pp = Codigo("2", "3");
  EXPECT_TRUE(pp.GetDeducaoPP());
  EXPECT_FALSE(pp.GetDeducaoPO() || pp.GetDeducaoDP() || pp.GetDeducaoPA());
  EXPECT_TRUE(pp.GetIsentoPdv());
  EXPECT_FALSE(pp.GetIsentoRip65() || pp.GetIsentoDac() || pp.GetIsentoAp() || pp.GetIsentoOutros() ||
               pp.GetIsentoMolestia());

  const TCodigoRetencao nada = Codigo("", "");
  EXPECT_FALSE(nada.GetDeducaoPO() || nada.GetDeducaoPA() || nada.GetAdmiteIsentos());
}

struct CasoBooleano {
  const char* texto;
  bool valor;
};
class ColunaBooleana : public testing::TestWithParam<CasoBooleano> {};

TEST_P(ColunaBooleana, ReadsAsBoolean) {
  TCodigoRetencao::Colunas l = Linha("2013", "0561", "", "");
  l.in4 = l.subJudice = QString::fromLatin1(GetParam().texto);
  TCodigoRetencao c;
  c.CarregaColunas(l, 0);
  EXPECT_EQ(c.GetIn4(), GetParam().valor);
  EXPECT_EQ(c.GetSubJudice(), GetParam().valor);
}

INSTANTIATE_TEST_SUITE_P(Textos, ColunaBooleana,
                         testing::Values(CasoBooleano{"T", true}, CasoBooleano{"t", true},
                                         CasoBooleano{"Y", true}, CasoBooleano{"F", false},
                                         CasoBooleano{"N", false}, CasoBooleano{"", false}));

TEST(TCodigoRetencao, ThirteenthSalaryOnlyForAnExactT) {
  for (const char* t : {"F", "", "t", "S"}) {
    TCodigoRetencao::Colunas l = Linha("2013", "0561", "", "");
    l.decimoTerceiro = QString::fromLatin1(t);
    TCodigoRetencao c;
    c.CarregaColunas(l, 0);
    EXPECT_FALSE(c.GetDecimoTerceiro()) << t;
  }
}

// Profits (7, 8), medical-residency grants (A) and cup volunteers (B) depend on the nature.
struct CasoNatureza {
  const char* isentos;
  int natureza;
  bool lucro, bolsa, copa;
};
class IsentoPorNatureza : public testing::TestWithParam<CasoNatureza> {};

TEST_P(IsentoPorNatureza, AdmittedOnlyForItsNatures) {
  const auto& p = GetParam();
  const TCodigoRetencao c = Codigo("", p.isentos, uint8_t(p.natureza));
  EXPECT_EQ(c.GetIsentoLucroTitular(), p.lucro);
  EXPECT_EQ(c.GetIsentoBolsa(), p.bolsa);
  EXPECT_EQ(c.GetIsentoCopa(), p.copa);
  EXPECT_EQ(c.GetAdmiteIsentos(), p.lucro || p.bolsa || p.copa);
}

INSTANTIATE_TEST_SUITE_P(
    Naturezas, IsentoPorNatureza,
    testing::Values(CasoNatureza{"7", 3, true, false, false}, CasoNatureza{"7", 1, false, false, false},
                    CasoNatureza{"8", 4, true, false, false}, CasoNatureza{"8", 9, false, false, false},
                    CasoNatureza{"7;8;A;B", 0, true, true, true},
                    CasoNatureza{"7;8;A;B", 8, true, true, true},
                    CasoNatureza{"7;8;A;B", 2, false, true, false},
                    CasoNatureza{"7;8;A;B", 3, true, false, false},
                    CasoNatureza{"7;8;A;B", 9, false, false, false},
                    // lower case is not a kind
                    CasoNatureza{"a;b", 0, false, false, false}));

struct CasoJustica {
  const char* ano;
  const char* codigo;
  int classe;
};
class ClasseJustica : public testing::TestWithParam<CasoJustica> {};

TEST_P(ClasseJustica, TellsTheCourtsApartFrom2005) {
  TCodigoRetencao c;
  c.CarregaColunas(Linha(GetParam().ano, GetParam().codigo, "", ""), 0);
  EXPECT_EQ(c.GetClasseJustica(), GetParam().classe);
}

INSTANTIATE_TEST_SUITE_P(
    Anos, ClasseJustica,
    testing::Values(CasoJustica{"2004", "5928", 0}, CasoJustica{"2013", "5928", 1},
                    CasoJustica{"2005", "5936", 2}, CasoJustica{"2014", "1895", 3},
                    CasoJustica{"2004", "1895", 0}, CasoJustica{"2013", "0561", 0},
                    CasoJustica{"", "5928", 0}));

TEST(TCodigoRetencao, CompatibleWhenNothingThePreviousCodeAdmittedIsLost) {
  const TCodigoRetencao soPO = Codigo("1", "");
  const TCodigoRetencao poPP = Codigo("1;2", "");
  EXPECT_TRUE(poPP.CompativelCom(soPO));
  EXPECT_FALSE(soPO.CompativelCom(poPP));
  EXPECT_TRUE(soPO.CompativelCom(soPO));

  // Every monthly exempt kind counts; profits and holder payments do not.
  for (const char* kind : {"1", "2", "3", "4", "5", "6"}) {
    EXPECT_FALSE(Codigo("", "").CompativelCom(Codigo("", kind))) << kind;
    EXPECT_TRUE(Codigo("", kind).CompativelCom(Codigo("", ""))) << kind;
  }
  EXPECT_FALSE(Codigo("", "").CompativelCom(Codigo("", "A")));
  EXPECT_FALSE(Codigo("", "").CompativelCom(Codigo("", "B")));
  EXPECT_TRUE(Codigo("", "").CompativelCom(Codigo("", "7;8")));
}

TEST(TCodigoRetencao, ClearingKeepsAnnexAndCourtClass) {
  TCodigoRetencao c;
  TCodigoRetencao::Colunas l = Linha("2013", "5928", "1;2;3;4", "1;5;6");
  l.anexo = "2";
  c.CarregaColunas(l, 0);
  c.Limpar();
  EXPECT_EQ(c.GetAnexo(), "2");
  EXPECT_EQ(c.GetClasseJustica(), 1);
  EXPECT_TRUE(c.GetCodigo().isEmpty() && c.GetAno().isEmpty() && c.GetResumo().isEmpty());
  EXPECT_TRUE(c.GetPfPjAmbos().isEmpty() && c.GetRegime().isEmpty() && c.GetComprovante().isEmpty());
  EXPECT_TRUE(c.GetNaturezas().isEmpty());
  EXPECT_FALSE(c.GetDeducaoPO() || c.GetIsentoRip65() || c.GetIsentoOutros() || c.GetAdmiteIsentos());
  EXPECT_FALSE(c.GetSubJudice() || c.GetIn4() || c.GetDecimoTerceiro());
}

TEST(TCodigoRetencao, CopyCarriesEveryTextAndFlag) {
  TCodigoRetencao origem;
  TCodigoRetencao::Colunas l = Linha("2013", "5936", "1;3", "1;6;7;A");
  l.anexo = "2";
  origem.CarregaColunas(l, 0);
  TCodigoRetencao destino;
  destino.SetAnexo("0");
  origem.CopiaPara(destino);
  EXPECT_EQ(destino.GetAnexo(), "2");
  EXPECT_EQ(destino.GetCodigo(), "5936");
  EXPECT_EQ(destino.GetClasseJustica(), 2);
  EXPECT_TRUE(destino.GetDeducaoPO() && destino.GetDeducaoDP() && !destino.GetDeducaoPP());
  EXPECT_TRUE(destino.GetIsentoLucroTitular() && destino.GetIsentoBolsa() && destino.GetIsentoMolestia());
  EXPECT_TRUE(destino.CompativelCom(origem) && origem.CompativelCom(destino));
}

}  // namespace
