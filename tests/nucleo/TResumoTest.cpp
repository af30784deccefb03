#include <gtest/gtest.h>

#include "nucleo/Compensacao.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"
#include "nucleo/TResumo.h"
#include "suporte/QtGtest.h"

namespace {

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

// A beneficiary line as the summary sees it, with its series.
struct Linha {
  TRendimentosTributaveis tributaveis;
  TSubJudice subJudice;
  TCompensacao compensacao;
  QString chave;
  int acao = 2;
  bool especializada = true;
  QString ano = QStringLiteral("2013");

  TResumo::Linha Visao() { return {chave, acao, especializada, ano, &tributaveis, &compensacao, &subJudice}; }
};

const TResumo::Linha kNenhuma{};

Valor Total(const TResumo& r, TResumo::Total t) { return r.GetTotal(t).GetValorInterno(); }

TEST(TResumo, ANewLineAddsItsYearAndThirteenthAndDeletingItTakesThemBack) {
  TResumo resumo;
  resumo.Zera();
  Linha l;
  l.tributaveis.GetRendimento(1).SetValorMonetario(R("1.000,00"));
  l.tributaveis.GetRendimento(13).SetValorMonetario(R("100,00"));
  l.tributaveis.GetRetido(1).SetValorMonetario(R("27,50"));
  resumo.AtualizaComItem(kNenhuma, l.Visao());
  EXPECT_EQ(Total(resumo, TResumo::kTotRend), R("1.100,00"));
  EXPECT_EQ(Total(resumo, TResumo::kTotIrrf), R("27,50"));
  EXPECT_EQ(Total(resumo, TResumo::kTotBenef), Valor::deReais(1));
  EXPECT_EQ(resumo.GetTotBenef().GetFormatado(), "1");

  l.chave = QStringLiteral("10");
  resumo.AtualizaComItem(l.Visao(), kNenhuma);
  for (int t = 0; t < TResumo::kTotais; ++t) EXPECT_TRUE(Total(resumo, TResumo::Total(t)).ehZero()) << t;
}

TEST(TResumo, EditingAStoredLineAddsTheDifferenceOnly) {
  TResumo resumo;
  resumo.Zera();
  Linha antes;
  antes.chave = QStringLiteral("5");
  antes.tributaveis.GetRendimento(3).SetValorMonetario(R("2.000,0001"));
  antes.compensacao.GetAnoAtual(13).SetValorMonetario(R("10,00"));
  Linha depois;
  depois.chave = QStringLiteral("5");
  depois.tributaveis.GetRendimento(3).SetValorMonetario(R("2.500,00"));
  depois.tributaveis.GetRendimento(13).SetValorMonetario(R("0,0001"));
  depois.compensacao.GetAnoAnterior(2).SetValorMonetario(R("7,00"));
  resumo.GetTotRend().SetValorMonetario(R("2.000,0001"));
  resumo.GetTotAnoAtu().SetValorMonetario(R("10,00"));
  resumo.AtualizaComItem(antes.Visao(), depois.Visao());
  EXPECT_EQ(Total(resumo, TResumo::kTotRend), R("2.500,0001"));
  EXPECT_EQ(Total(resumo, TResumo::kTotAnoAtu), Valor());
  EXPECT_EQ(Total(resumo, TResumo::kTotAnoAnt), R("7,00"));
  EXPECT_EQ(Total(resumo, TResumo::kTotBenef), Valor());
}

struct CasoContagem {
  bool chaveAnterior;
  bool chaveNova;
  int acao;
  int delta;
};

class ContagemDeBeneficiarios : public testing::TestWithParam<CasoContagem> {};

TEST_P(ContagemDeBeneficiarios, FollowsTheKeysAndTheImportAction) {
  const auto& c = GetParam();
  TResumo resumo;
  resumo.Zera();
  resumo.GetTotBenef().SetValorMonetario(Valor::deReais(10));
  Linha anterior, nova;
  if (c.chaveAnterior) anterior.chave = QStringLiteral("3");
  if (c.chaveNova) nova.chave = QStringLiteral("3");
  nova.acao = c.acao;
  resumo.AtualizaComItem(anterior.Visao(), nova.Visao());
  EXPECT_EQ(Total(resumo, TResumo::kTotBenef), Valor::deReais(10 + c.delta));
}

INSTANTIATE_TEST_SUITE_P(Chaves, ContagemDeBeneficiarios,
                         testing::Values(CasoContagem{false, false, 2, 1}, CasoContagem{false, false, 3, -1},
                                         CasoContagem{false, true, 1, 1}, CasoContagem{false, true, 3, 0},
                                         CasoContagem{true, true, 2, 0}, CasoContagem{true, true, 3, 0},
                                         CasoContagem{true, false, 2, -1}, CasoContagem{true, false, 3, -1}));

TEST(TResumo, ALineWithoutDeductionsOfItsOwnCountsTheSumOfTheFour) {
  for (bool especializada : {true, false}) {
    TResumo resumo;
    resumo.Zera();
    Linha l;
    l.especializada = especializada;
    l.tributaveis.GetDeducao(1).SetValorMonetario(R("50,00"));
    l.tributaveis.GetDeducaoPO(1).SetValorMonetario(R("10,00"));
    l.tributaveis.GetDeducaoDP(13).SetValorMonetario(R("1,25"));
    resumo.AtualizaComItem(kNenhuma, l.Visao());
    EXPECT_EQ(Total(resumo, TResumo::kTotDed), especializada ? R("50,00") : R("11,25"));
  }
}

TEST(TResumo, SuspendedAmountsCountFrom2001AndExemptIncomeIsNotKept) {
  for (const char* ano : {"2000", "2001", "2013"}) {
    TResumo resumo;
    resumo.Zera();
    resumo.GetIsentos().SetValorMonetario(R("9,00"));
    Linha l;
    l.ano = QString::fromLatin1(ano);
    l.subJudice.GetRendimento(4).SetValorMonetario(R("300,00"));
    l.subJudice.GetDeducao(13).SetValorMonetario(R("20,00"));
    l.subJudice.GetRetido(5).SetValorMonetario(R("3,00"));
    l.subJudice.GetDeposito(6).SetValorMonetario(R("4,00"));
    l.compensacao.GetAnoAtual(1).SetValorMonetario(R("1,00"));
    resumo.AtualizaComItem(kNenhuma, l.Visao());
    const bool conta = QString::fromLatin1(ano) >= u"2001";
    EXPECT_EQ(Total(resumo, TResumo::kTotRendSubjud), conta ? R("300,00") : Valor()) << ano;
    EXPECT_EQ(Total(resumo, TResumo::kTotDedSubjud), conta ? R("20,00") : Valor()) << ano;
    EXPECT_EQ(Total(resumo, TResumo::kTotIrrfSubjud), conta ? R("3,00") : Valor()) << ano;
    EXPECT_EQ(Total(resumo, TResumo::kTotDepSubjud), conta ? R("4,00") : Valor()) << ano;
    EXPECT_EQ(Total(resumo, TResumo::kTotAnoAtu), R("1,00")) << ano;
    EXPECT_TRUE(resumo.GetIsentos().EhZero());
  }
}

TEST(TResumo, OnlyAPositiveJudicialTotalCounts) {
  TResumo resumo;
  resumo.Zera();
  EXPECT_FALSE(resumo.PossuiJudicial());
  resumo.GetTotDepSubjud().SetValorMonetario(R("-5,00"));
  EXPECT_FALSE(resumo.PossuiJudicial());
  EXPECT_EQ(resumo.GetJudicial(), 0);
  resumo.GetTotRend().SetValorMonetario(R("5,00"));
  EXPECT_FALSE(resumo.PossuiJudicial());
  resumo.GetTotAnoAnt().SetValorMonetario(R("0,0001"));
  EXPECT_TRUE(resumo.PossuiJudicial());
  EXPECT_EQ(resumo.GetJudicial(), 1);
}

TEST(TResumo, ZeraMarksUpToDateAndCopiaParaTakesEveryValueAndTheMark) {
  TResumo origem;
  EXPECT_EQ(origem.GetOk(), 0);
  origem.Zera();
  EXPECT_EQ(origem.GetOk(), 1);
  for (int t = 0; t < TResumo::kTotais; ++t)
    origem.GetTotal(TResumo::Total(t)).SetValorMonetario(Valor::deDezMilesimos(t * 10001 - 3));
  origem.GetIsentos().SetValorMonetario(R("1,00"));
  origem.GetRemessa().SetValorMonetario(R("2,00"));
  origem.GetRetidoRemessa().SetValorMonetario(R("3,00"));
  origem.GetQtdeOperadoras().SetValorMonetario(Valor::deReais(4));
  origem.GetQtdeTitulares().SetValorMonetario(Valor::deReais(5));
  origem.GetQtdeDependentes().SetValorMonetario(Valor::deReais(6));
  origem.GetValorDependentes().SetValorMonetario(R("7,00"));
  origem.GetValorTitulares().SetValorMonetario(R("8,00"));
  origem.SetOk(0);

  TResumo destino;
  destino.Zera();
  origem.CopiaPara(destino);
  EXPECT_EQ(destino.GetOk(), 0);
  for (int t = 0; t < TResumo::kTotais; ++t)
    EXPECT_EQ(Total(destino, TResumo::Total(t)), Valor::deDezMilesimos(t * 10001 - 3)) << t;
  EXPECT_EQ(destino.GetIsentos().GetValorInterno(), R("1,00"));
  EXPECT_EQ(destino.GetRemessa().GetValorInterno(), R("2,00"));
  EXPECT_EQ(destino.GetRetidoRemessa().GetValorInterno(), R("3,00"));
  EXPECT_EQ(destino.GetQtdeOperadoras().GetValorInterno(), Valor::deReais(4));
  EXPECT_EQ(destino.GetQtdeTitulares().GetValorInterno(), Valor::deReais(5));
  EXPECT_EQ(destino.GetQtdeDependentes().GetValorInterno(), Valor::deReais(6));
  EXPECT_EQ(destino.GetValorDependentes().GetValorInterno(), R("7,00"));
  EXPECT_EQ(destino.GetValorTitulares().GetValorInterno(), R("8,00"));

  destino.Zera();
  EXPECT_EQ(destino.GetOk(), 1);
  EXPECT_TRUE(destino.GetValorTitulares().EhZero());
  EXPECT_TRUE(destino.GetTotAnoAnt().GetValorInterno().ehZero());
}

}  // namespace
