#include <gtest/gtest.h>

#include "ComprovanteTeste.h"
#include "nucleo/TQuadroRRA.h"
#include "nucleo/TTotaisTolvItem.h"
#include "suporte/QtGtest.h"

namespace {

using namespace comprovante_teste;
using TT = TTotaisTolvItem;

// Every monthly amount of a series: months 1 and 12 count in the year, month 13 only where said.
void Serie(TSerieMensal& serie, const char* mes1, const char* mes13) {
  serie.Mes(1).SetValorMonetario(R(mes1));
  serie.Mes(12).SetValorMonetario(R("0,01"));
  serie.Mes(13).SetValorMonetario(R(mes13));
}

TEST(TTotaisTolvItem, CopiesTheLinesYearlyAmountsWhenMade) {
  Linhas linhas;
  TTolvItem& l = linhas.Nova(Codigo("0561", "C", "Trabalho"));
  using S = TRendimentosTributaveis;
  TRendimentosTributaveis& t = l.GetTributaveis();
  Serie(t.GetSerie(S::kRendimento), "1.000,00", "900,00");
  Serie(t.GetSerie(S::kMolestia), "2,00", "3,00");
  Serie(t.GetSerie(S::kDeducao), "4,00", "5,00");
  Serie(t.GetSerie(S::kRetido), "6,00", "7,00");
  Serie(t.GetSerie(S::kDeducaoPO), "8,00", "9,00");
  Serie(t.GetSerie(S::kDeducaoPP), "10,00", "11,00");
  Serie(t.GetSerie(S::kDeducaoDP), "12,00", "13,00");
  Serie(t.GetSerie(S::kDeducaoPA), "14,00", "15,00");
  TSubJudice& s = l.GetSubJudice();
  Serie(s.GetSerie(S::kRendimento), "500,00", "400,00");
  Serie(s.GetSerie(S::kDeducao), "16,00", "17,00");
  Serie(s.GetSerie(S::kRetido), "18,00", "19,00");
  Serie(s.GetSerie(S::kDeducaoPO), "20,00", "21,00");
  Serie(s.GetSerie(S::kDeducaoPP), "22,00", "23,00");
  Serie(s.GetSerie(S::kDeducaoDP), "24,00", "25,00");
  Serie(s.GetSerie(S::kDeducaoPA), "26,00", "27,00");
  s.GetDeposito(1).SetValorMonetario(R("28,00"));
  s.GetDeposito(13).SetValorMonetario(R("29,00"));
  l.GetCompensacao().GetAnoAtual(1).SetValorMonetario(R("30,00"));
  l.GetCompensacao().GetAnoAtual(13).SetValorMonetario(R("31,00"));
  l.GetCompensacao().GetAnoAnterior(1).SetValorMonetario(R("32,00"));
  l.GetCompensacao().GetAnoAnterior(13).SetValorMonetario(R("33,00"));
  using I = TRendimentosIsentos;
  TRendimentosIsentos& i = l.GetIsentos();
  Serie(i.GetSerie(I::kRip65), "34,00", "35,00");
  Serie(i.GetSerie(I::kBolsa), "36,00", "37,00");
  Serie(i.GetSerie(I::kDac), "38,00", "39,00");
  Serie(i.GetSerie(I::kPdv), "40,00", "41,00");
  Serie(i.GetSerie(I::kAp), "42,00", "43,00");
  Serie(i.GetSerie(I::kCopa), "44,00", "45,00");

  TT totais(l);
  const struct {
    TT::Campo campo;
    const char* valor;
  } esperado[] = {
      {TT::kRendimento, "1.000,01"},
      {TT::kImposto, "68,01"},  // 6,01 + 30 + 32: tax and both compensations, months 1 to 12
      {TT::kCompensacaoAnterior, "65,00"},
      {TT::kDecimoTerceiroLiquido, "781,00"},  // 900 - 9 - 11 - 13 - 15 - (7 + 31 + 33)
      {TT::kDecimoTerceiroSubJudice, "275,00"},  // 400 - 21 - 23 - 25 - 27 - 29
      {TT::kDepositoDecimoTerceiro, "29,00"},
      {TT::kRendimentoSubJudice, "500,01"},
      {TT::kRetidoSubJudice, "18,01"},
      {TT::kDepositos, "28,00"},
      {TT::kDeducoes, "4,01"},
      {TT::kCopa, "44,01"},
      {TT::kBolsa, "36,01"},
      {TT::kDeducoesSubJudice, "16,01"},
      {TT::kPrevidenciaOficial, "8,01"},
      {TT::kPrevidenciaPrivada, "10,01"},
      {TT::kPensaoAlimenticia, "14,01"},
      {TT::kPrevidenciaOficialSubJudice, "20,01"},
      {TT::kPrevidenciaPrivadaSubJudice, "22,01"},
      {TT::kPensaoAlimenticiaSubJudice, "26,01"},
      {TT::kAbono, "42,01"},
      {TT::kDiarias, "38,01"},
      {TT::kIndenizacao, "40,01"},
      {TT::kAposentadoria65, "69,01"},
      {TT::kMolestia, "5,01"},
  };
  static_assert(std::size(esperado) == TT::kCampos);
  for (const auto& e : esperado) EXPECT_EQ(T(totais.Get(e.campo)), QString::fromLatin1(e.valor)) << e.campo;
  EXPECT_EQ(totais.GetCodigoRetencao().GetResumo(), QStringLiteral("Trabalho"));

  // Copies: later changes of the line do not reach them.
  t.GetRendimento(1).SetValorMonetario(R("1,00"));
  l.GetCodigoRetencao().SetResumo(QStringLiteral("Outro"));
  EXPECT_EQ(T(totais.Get(TT::kRendimento)), QStringLiteral("1.000,01"));
  EXPECT_EQ(totais.GetCodigoRetencao().GetResumo(), QStringLiteral("Trabalho"));
}

TEST(TQuadroRRA, ShowsAtMost999point9MonthsAndKeepsTheNumber) {
  TQuadroRRA quadro;
  quadro.GetMeses().SetValorMonetario(R("999,9"));
  EXPECT_EQ(quadro.GetQuantidadeMeses().GetFormatado(), QStringLiteral("999,9"));
  quadro.GetMeses().SetValorMonetario(R("1.250,5"));
  EXPECT_EQ(quadro.GetQuantidadeMeses().GetFormatado(), QStringLiteral("999,9"));
  EXPECT_EQ(quadro.GetMeses().GetFormatado(), QStringLiteral("1.250,5"));
}

}  // namespace
