#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "nucleo/TTolvItemGridValida.h"

namespace {

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

// A revenue-code row as the table would give it.
TCodigoRetencao Codigo(const char* codigo, const char* deducao, bool subJudice) {
  TCodigoRetencao::Colunas colunas;
  colunas.ano = QStringLiteral("2013");
  colunas.codRetencao = QString::fromLatin1(codigo);
  colunas.anexo = QStringLiteral("0");
  colunas.deducao = QString::fromLatin1(deducao);
  colunas.subJudice = subJudice ? QStringLiteral("T") : QStringLiteral("F");
  TCodigoRetencao c;
  c.CarregaColunas(colunas, 0);
  return c;
}

enum class Forma { Rendimentos, SubJudice, Isentos };

struct Caso {
  const char* nome;
  const char* ano;
  TCodigoRetencao codigo;
  Forma forma;
  int mes;
  std::function<void(TTolvItem&, int)> preenche;
  std::vector<uint16_t> avisos;
  bool empresa = false;
  bool situacaoEspecial = false;
};

class AvisosDoMes : public testing::TestWithParam<Caso> {};

TEST_P(AvisosDoMes, QueuesTheWarningsInOrder) {
  const Caso& c = GetParam();
  TTolv tolv;
  tolv.GetContribuinte().SetNi(c.empresa ? QStringLiteral("11444777000161") : QStringLiteral("12345678909"));
  tolv.SetAnoCalendario(QString::fromLatin1(c.ano));
  if (c.situacaoEspecial) tolv.SetSituacaoEspecial(1);
  TTolvItem linha(tolv, tolv);
  linha.SetCodigoRetencao(c.codigo);
  c.preenche(linha, c.mes);

  TTolvItemGridValida verificador;
  if (c.forma == Forma::Rendimentos) verificador.ValidaMesRendimentos(linha, c.mes);
  if (c.forma == Forma::SubJudice) verificador.ValidaMesSubJudice(linha, c.mes);
  if (c.forma == Forma::Isentos) verificador.ValidaMesIsentos(linha, c.mes);
  std::vector<uint16_t> avisos;
  while (verificador.TemMensagens()) avisos.push_back(verificador.RetiraCodigo());
  EXPECT_EQ(avisos, c.avisos);
  EXPECT_EQ(verificador.RetiraCodigo(), 0);
}

std::string NomeCaso(const testing::TestParamInfo<Caso>& info) { return info.param.nome; }

const TCodigoRetencao kSalario = Codigo("0561", "1;2;3;4", true);
const TCodigoRetencao kSoPrevidencia = Codigo("3533", "1", true);
const TCodigoRetencao kSoPensao = Codigo("3562", "4", true);
const TCodigoRetencao kComissoes = Codigo("8045", "", true);
const TCodigoRetencao kRetencaoListada = Codigo("6147", "", false);

// Taxable income, total deduction, dependants, withheld, illness income, compensations.
std::function<void(TTolvItem&, int)> Tributaveis(const char* t, const char* d, const char* dp, const char* r,
                                                 const char* m = "0", const char* ca = "0", const char* cp = "0",
                                                 const char* molestia = "N") {
  return [=](TTolvItem& l, int mes) {
    TRendimentosTributaveis& s = l.GetTributaveis();
    s.GetRendimento(mes).SetValorMonetario(R(t));
    s.GetDeducao(mes).SetValorMonetario(R(d));
    s.GetDeducaoDP(mes).SetValorMonetario(R(dp));
    s.GetRetido(mes).SetValorMonetario(R(r));
    s.GetMolestia(mes).SetValorMonetario(R(m));
    l.GetCompensacao().GetAnoAtual(mes).SetValorMonetario(R(ca));
    l.GetCompensacao().GetAnoAnterior(mes).SetValorMonetario(R(cp));
    l.GetInMolestia().SetValor(QString::fromLatin1(molestia));
  };
}

// Suspended income, its total deduction and dependants, tax not withheld, deposit; and the
// taxable income and withheld tax of the line.
std::function<void(TTolvItem&, int)> Suspensos(const char* ts, const char* ds, const char* dps, const char* rs,
                                               const char* dep, const char* t = "0", const char* r = "0") {
  return [=](TTolvItem& l, int mes) {
    TSubJudice& s = l.GetSubJudice();
    s.GetRendimento(mes).SetValorMonetario(R(ts));
    s.GetDeducao(mes).SetValorMonetario(R(ds));
    s.GetDeducaoDP(mes).SetValorMonetario(R(dps));
    s.GetRetido(mes).SetValorMonetario(R(rs));
    s.GetDeposito(mes).SetValorMonetario(R(dep));
    l.GetTributaveis().GetRendimento(mes).SetValorMonetario(R(t));
    l.GetTributaveis().GetRetido(mes).SetValorMonetario(R(r));
  };
}

std::function<void(TTolvItem&, int)> Isentos(const char* rip65, const char* copa) {
  return [=](TTolvItem& l, int mes) {
    l.GetIsentos().GetRip65(mes).SetValorMonetario(R(rip65));
    l.GetIsentos().GetCopa(mes).SetValorMonetario(R(copa));
  };
}

INSTANTIATE_TEST_SUITE_P(
    Rendimentos, AvisosDoMes,
    testing::Values(
        Caso{"DeductionsAndTaxEqualTheIncome", "2013", kSalario, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "700,00", "0", "300,00"), {146}},
        Caso{"DeductionsAndTaxExceedTheIncome", "2013", kSalario, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "800,00", "0", "300,00"), {145}},
        Caso{"TaxAndDeductionsBelowTheIncome", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "100,00", "0", "300,00"), {}},
        Caso{"CompensationsMakeUpTheIncome", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "300,00", "0", "200,00", "0", "500,00"), {148}},
        Caso{"CompensationsExceedTheIncome", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "300,00", "0", "200,00", "0", "400,00", "200,00"), {147}},
        Caso{"IllnessWithoutIncomeDeductionsAboveTheExemptAmount", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("0", "600,00", "50,00", "300,00", "500,00", "0", "0", "S"), {144}},
        Caso{"IllnessWithoutIncomeDeductionsWithinTheExemptAmount", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("0", "550,00", "50,00", "300,00", "500,00", "0", "0", "S"), {}},
        Caso{"IllnessWithIncomeIsComparedAsUsual", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("100,00", "600,00", "0", "0", "500,00", "0", "0", "S"), {145}},
        Caso{"DependantsWhole2014", "2014", kSalario, Forma::Rendimentos, 3, Tributaveis("0", "0", "359,42", "0"), {}},
        Caso{"DependantsBroken2014", "2014", kSalario, Forma::Rendimentos, 3, Tributaveis("0", "0", "360,00", "0"),
             {149}},
        Caso{"DependantsWhole2013", "2013", kSalario, Forma::Rendimentos, 3, Tributaveis("0", "0", "343,94", "0"), {}},
        Caso{"DependantsBroken2013", "2013", kSalario, Forma::Rendimentos, 3, Tributaveis("0", "0", "340,00", "0"),
             {150}},
        Caso{"NoDependants", "2013", kSalario, Forma::Rendimentos, 3, Tributaveis("0", "0", "0", "0"), {}},
        Caso{"DependantsOfACodeWithout", "2013", kSoPrevidencia, Forma::Rendimentos, 3,
             Tributaveis("0", "0", "340,00", "0"), {}},
        Caso{"IllnessIncomeOfSalariesInApril", "2013", kSalario, Forma::Rendimentos, 4,
             Tributaveis("1.000,00", "0", "0", "0", "100,00"), {}},
        Caso{"IllnessIncomeOfSalariesInMay", "2013", kSalario, Forma::Rendimentos, 5,
             Tributaveis("1.000,00", "0", "0", "0", "100,00"), {311}},
        Caso{"AlimonyAloneIsNoDeductionCode", "2013", kSoPensao, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "1.000,00"), {152}},
        Caso{"WithheldAboveTheIncome", "2013", kComissoes, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "1.000,01"), {151}},
        Caso{"WithheldAndCompensationsAboveTheIncome", "2013", kComissoes, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "600,00", "0", "500,00"), {153}},
        Caso{"WithheldAndCompensationsEqualTheIncome", "2013", kComissoes, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "600,00", "0", "0", "400,00"), {154}},
        Caso{"ListedCodeWithheldEqualsTheIncome", "2013", kRetencaoListada, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "1.000,00"), {164}},
        Caso{"ListedCodeWithheldAboveTheIncome", "2013", kRetencaoListada, Forma::Rendimentos, 3,
             Tributaveis("1.000,00", "0", "0", "1.000,01"), {163}},
        Caso{"IncomeAboveTheLimit", "2013", kComissoes, Forma::Rendimentos, 3,
             Tributaveis("100.000,01", "0", "0", "0"), {54}},
        Caso{"IncomeAtTheLimit", "2013", kComissoes, Forma::Rendimentos, 3, Tributaveis("100.000,00", "0", "0", "0"),
             {}},
        Caso{"SeveralChecksInOrder", "2014", kSalario, Forma::Rendimentos, 6,
             Tributaveis("100.000,01", "100.000,02", "0,01", "0"), {145, 149, 54}}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    SubJudice, AvisosDoMes,
    testing::Values(
        Caso{"DepositEqualsTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "0", "1.000,00"), {160}},
        Caso{"NotWithheldEqualsTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "1.000,00", "0"), {158}},
        Caso{"BothAboveTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "1.000,01", "1.000,01"), {157, 159}},
        Caso{"NotWithheldAndDepositExceedTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "400,00", "700,00"), {161}},
        Caso{"NotWithheldAndDepositMakeUpTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "400,00", "600,00"), {162}},
        Caso{"NotWithheldAndDepositBelowTheIncome", "2013", kRetencaoListada, Forma::SubJudice, 2,
             Suspensos("1.000,00", "0", "0", "400,00", "500,00"), {}},
        Caso{"DeductionsAndDepositEqualTheIncome", "2013", kSalario, Forma::SubJudice, 2,
             Suspensos("1.000,00", "600,00", "0", "0", "400,00"), {156}},
        Caso{"DeductionsAndDepositExceedTheIncome", "2013", kSalario, Forma::SubJudice, 2,
             Suspensos("1.000,00", "600,00", "0", "0", "400,01"), {155}},
        Caso{"SuspendedDependantsBroken", "2013", kSalario, Forma::SubJudice, 2,
             Suspensos("1.000,00", "100,00", "100,00", "0", "0"), {150}},
        Caso{"NotWithheldCompletesTheTaxableIncome", "2013", kSalario, Forma::SubJudice, 2,
             Suspensos("0", "0", "0", "100,00", "0", "1.000,00", "900,00"), {148}},
        Caso{"NotWithheldExceedsTheTaxableIncome", "2013", kSalario, Forma::SubJudice, 2,
             Suspensos("0", "0", "0", "100,01", "0", "1.000,00", "900,00"), {147}},
        Caso{"NotWithheldOfACodeWithoutSuspension", "2013", Codigo("3533", "1", false), Forma::SubJudice, 2,
             Suspensos("0", "0", "0", "100,01", "0", "1.000,00", "900,00"), {}}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    Isentos, AvisosDoMes,
    testing::Values(
        Caso{"CupVolunteersAboveFiveMinimumWages", "2013", kSalario, Forma::Isentos, 6, Isentos("0", "3.110,01"),
             {306}},
        Caso{"CupVolunteersAtFiveMinimumWages", "2013", kSalario, Forma::Isentos, 6, Isentos("0", "3.110,00"), {}},
        Caso{"CupVolunteersInASpecialSituation", "2013", kSalario, Forma::Isentos, 6, Isentos("0", "3.374,75"), {},
             false, true},
        Caso{"CupVolunteersAboveTheSpecialSituationLimit", "2013", kSalario, Forma::Isentos, 6,
             Isentos("0", "3.374,76"), {306}, false, true},
        Caso{"RetireesOver65Above2013Limit", "2013", kSalario, Forma::Isentos, 2, Isentos("1.710,79", "0"), {228}},
        Caso{"RetireesOver65At2013Limit", "2013", kSalario, Forma::Isentos, 2, Isentos("1.710,78", "0"), {}},
        Caso{"RetireesOver65Above2014Limit", "2014", kSalario, Forma::Isentos, 2, Isentos("1.787,78", "0"), {227}},
        Caso{"RetireesOver65Between2013And2014Limits", "2014", kSalario, Forma::Isentos, 2, Isentos("1.787,77", "0"),
             {}},
        Caso{"RetireesOver65OfACompanysSalariesInMay", "2013", kSalario, Forma::Isentos, 5, Isentos("100,00", "0"),
             {310}, true},
        Caso{"RetireesOver65OfACompanysSalariesInApril", "2013", kSalario, Forma::Isentos, 4, Isentos("100,00", "0"),
             {}, true},
        Caso{"RetireesOver65OfAPersonsSalariesInMay", "2013", kSalario, Forma::Isentos, 5, Isentos("100,00", "0"),
             {}}),
    NomeCaso);

TEST(TTolvItemGridValida, ExemptChecksAddToTheQueueAndTheOthersStartItAfresh) {
  TTolv tolv;
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  TTolvItem linha(tolv, tolv);
  linha.SetCodigoRetencao(kComissoes);
  linha.GetTributaveis().GetRendimento(1).SetValorMonetario(R("200.000,00"));
  linha.GetIsentos().GetCopa(1).SetValorMonetario(R("5.000,00"));

  TTolvItemGridValida verificador;
  verificador.ValidaMesRendimentos(linha, 1);
  verificador.ValidaMesIsentos(linha, 1);
  EXPECT_EQ(verificador.RetiraCodigo(), 54);
  EXPECT_EQ(verificador.RetiraCodigo(), 306);
  EXPECT_FALSE(verificador.TemMensagens());

  verificador.ValidaMesIsentos(linha, 1);
  verificador.ValidaMesSubJudice(linha, 1);
  EXPECT_FALSE(verificador.TemMensagens());
}

}  // namespace
