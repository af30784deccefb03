#include <gtest/gtest.h>

#include "nucleo/Compensacao.h"
#include "nucleo/RendimentosIsentos.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"
#include "suporte/QtGtest.h"

namespace {

TEST(TRendimentosTributaveis, TotalsCoverMonthsOneToTwelveOnly) {
  TRendimentosTributaveis r;
  r.GetRendimento(1).SetValor(QStringLiteral("100,00"));
  r.GetRendimento(13).SetValor(QStringLiteral("50,00"));
  EXPECT_EQ(r.GetTotalRendimento().GetValor(), "100,00");
  EXPECT_FALSE(r.EstaVazio());
  EXPECT_FALSE(r.SemRendimento());
  EXPECT_TRUE(r.SemRetido());
  r.ZeraRendimento();
  EXPECT_TRUE(r.EstaVazio());
  EXPECT_TRUE(r.SemRendimento());
  EXPECT_THROW(r.GetRetido(14), std::out_of_range);
}

TEST(TRendimentosTributaveis, NewSeriesReportModifiedUntilCleared) {
  TRendimentosTributaveis r;
  TSubJudice s;
  TCompensacao c;
  TRendimentosIsentos i;
  EXPECT_TRUE(r.GetModificado());
  EXPECT_TRUE(s.GetModificado());
  EXPECT_TRUE(c.GetModificado());
  EXPECT_FALSE(i.GetModificado());
  r.SetModificado(false);
  s.SetModificado(false);
  c.SetModificado(false);
  EXPECT_FALSE(r.GetModificado());
  EXPECT_FALSE(s.GetModificado());
  EXPECT_FALSE(c.GetModificado());
}

TEST(TRendimentosTributaveis, ModifiedByAMonthThroughItsTotalOrByTheThirteenth) {
  TRendimentosTributaveis r;
  r.SetModificado(false);
  r.GetRetido(13).SetValor(QStringLiteral("1"));
  EXPECT_TRUE(r.GetModificado());
  r.GetRetido(13).SetValor(QStringLiteral("2"));
  r.SetModificado(false);
  EXPECT_FALSE(r.GetModificado());
  r.GetMolestia(5).SetValor(QStringLiteral("3"));
  EXPECT_TRUE(r.GetModificado());
}

// Moving a thirteenth-month amount from one kind of deduction to another keeps the total
// deduction: the line must still be seen as changed, or the move would never be saved.
TEST(TRendimentosTributaveis, ThirteenthMonthDeductionKindCountsAsChange) {
  TRendimentosTributaveis r;
  r.GetDeducaoPO(13).SetValor(QStringLiteral("10"));
  r.SomaDeducoes();
  r.SetModificado(false);
  r.GetDeducaoPO(13).Limpar();
  r.GetDeducaoPP(13).SetValor(QStringLiteral("10"));
  r.SomaDeducoes();
  EXPECT_EQ(r.GetDeducao(13).GetValor(), "10,00");
  EXPECT_TRUE(r.GetModificado());
}

TEST(TRendimentosTributaveis, SomaDeducoesAddsTheFourKindsBeyondTheCap) {
  TRendimentosTributaveis r;
  for (int mes : {1, 13}) {
    r.GetDeducaoPO(mes).SetValor(QStringLiteral("99999999999,99"));
    r.GetDeducaoPP(mes).SetValor(QStringLiteral("1,00"));
    r.GetDeducaoDP(mes).SetValor(QStringLiteral("2,00"));
    r.GetDeducaoPA(mes).SetValor(QStringLiteral("3,00"));
  }
  r.SomaDeducoes();
  EXPECT_EQ(r.GetDeducao(1).GetValor(), "100000000005,99");
  EXPECT_EQ(r.GetDeducao(13).GetValor(), "100000000005,99");
  EXPECT_EQ(r.GetTotalDeducao().GetValor(), "100000000005,99");
  EXPECT_TRUE(r.GetDeducao(2).EhZero());
}

TEST(TRendimentosTributaveis, MatrixHoldsTheObjectsAndCopyCopiesValues) {
  TRendimentosTributaveis origem, destino;
  TRendimentosTributaveis::MatrizValores matriz{};
  origem.GetMatrizValores(matriz);
  EXPECT_EQ(matriz[TRendimentosTributaveis::kRetido][12], &origem.GetRetido(13));
  EXPECT_EQ(matriz[TRendimentosTributaveis::kDeducaoPA][0], &origem.GetDeducaoPA(1));
  matriz[TRendimentosTributaveis::kMolestia][2]->SetValor(QStringLiteral("7"));
  origem.CopiaPara(destino);
  EXPECT_EQ(destino.GetMolestia(3).GetValor(), "7,00");
  EXPECT_EQ(destino.GetTotalMolestia().GetValor(), "7,00");
  origem.ZeraValores();
  EXPECT_TRUE(origem.EstaVazio());
  EXPECT_FALSE(destino.EstaVazio());
}

TEST(TSubJudice, DepositsAndTheirStates) {
  TSubJudice s, copia;
  EXPECT_TRUE(s.SemDeposito());
  s.SetModificado(false);
  s.GetDeposito(13).SetValor(QStringLiteral("4"));
  EXPECT_TRUE(s.GetModificado());
  EXPECT_FALSE(s.SemDeposito());
  s.GetDeposito(13).Limpar();
  EXPECT_TRUE(s.SemDeposito());
  s.GetDeposito(2).SetValor(QStringLiteral("8"));
  s.GetRendimento(2).SetValor(QStringLiteral("9"));
  s.CopiaPara(copia);
  EXPECT_EQ(copia.GetTotalDeposito().GetValor(), "8,00");
  EXPECT_EQ(copia.GetTotalRendimento().GetValor(), "9,00");
  TRendimentosTributaveis& base = s;
  base.ZeraValores();
  EXPECT_TRUE(s.GetDeposito(2).EhZero());
}

TEST(TCompensacao, TwoSeriesWithTheirStates) {
  TCompensacao c, copia;
  c.SetModificado(false);
  c.GetAnoAnterior(13).SetValor(QStringLiteral("1"));
  EXPECT_TRUE(c.GetModificado());
  EXPECT_TRUE(c.SemAnoAtual());
  EXPECT_FALSE(c.SemAnoAnterior());
  EXPECT_FALSE(c.EstaVazio());
  c.GetAnoAtual(12).SetValor(QStringLiteral("2"));
  c.CopiaPara(copia);
  EXPECT_EQ(copia.GetTotalAnoAtual().GetValor(), "2,00");
  c.ZeraValores();
  EXPECT_TRUE(c.EstaVazio());
}

TEST(TRendimentosIsentos, ModifiedByDescriptionAnnualOrThirteenth) {
  TRendimentosIsentos i;
  i.GetAnualEspecificarOutros().SetValor(QStringLiteral(" bolsa "));
  EXPECT_TRUE(i.GetModificado());
  EXPECT_EQ(i.GetAnualEspecificarOutros().GetValor(), " bolsa ");
  i.SetModificado(false);
  i.GetCopa(13).SetValor(QStringLiteral("1"));
  EXPECT_TRUE(i.GetModificado());
  i.SetModificado(false);
  i.GetAnualTitularSocio().SetValor(QStringLiteral("1"));
  EXPECT_TRUE(i.GetModificado());
}

TEST(TRendimentosIsentos, EmptinessLooksAtMonthsOnly) {
  TRendimentosIsentos i, copia;
  i.GetAnualLucrosDiv96().SetValor(QStringLiteral("10"));
  i.GetAnualOutros().SetValor(QStringLiteral("20"));
  i.GetAnualEspecificarOutros().SetValor(QStringLiteral("outros"));
  EXPECT_TRUE(i.EstaVazio());
  i.GetDac(4).SetValor(QStringLiteral("3"));
  EXPECT_FALSE(i.EstaVazio());
  EXPECT_EQ(i.GetTotal(TRendimentosIsentos::kDac).GetValor(), "3,00");
  i.CopiaPara(copia);
  EXPECT_EQ(copia.GetAnualLucrosDiv96().GetValor(), "10,00");
  EXPECT_EQ(copia.GetAnualOutros().GetValor(), "20,00");
  EXPECT_EQ(copia.GetAnualEspecificarOutros().GetValor(), "outros");
  EXPECT_EQ(copia.GetDac(4).GetValor(), "3,00");
  i.ZeraValores();
  EXPECT_TRUE(i.EstaVazio());
  EXPECT_TRUE(i.GetAnualLucrosDiv96().EhZero());
  EXPECT_TRUE(i.GetAnualEspecificarOutros().GetValor().isEmpty());
}

}  // namespace
