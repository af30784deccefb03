#include <QBuffer>

#include <gtest/gtest.h>

#include <variant>

#include "relatorios/recibo/ExtratoDeclaracao.h"
#include "relatorios/recibo/LinhasArquivo.h"
#include "suporte/QtGtest.h"

namespace {

using E = ExtratoDeclaracao;

ExtratoDeclaracao Extrai(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  LinhasArquivo linhas(buffer);
  return ExtratoDeclaracao::Preenche(linhas);
}

QByteArray Junta(const std::vector<const char*>& linhas) {
  QByteArray r;
  for (const char* l : linhas) r += QByteArray(l) + "\r\n";
  return r;
}

// What one total or count of the extract must be after the records.
struct CasoExtrato {
  const char* nome;
  std::vector<const char*> registros;  // after a header and a declarant
  std::variant<E::Total, E::Contagem> alvo;
  const char* esperado;  // an amount "#.##0,00" or a count
};

class Extrato : public testing::TestWithParam<CasoExtrato> {};

TEST_P(Extrato, TotalOrCount) {
  std::vector<const char*> linhas = {"TOLV|2014|2013|N||F8UCL6S|", "RESPO|22233344405|MARIA|||||",
                                     "DECPJ|11444777000161|EMPRESA|0|11144477735|N|S|S|S|S|S|N||"};
  linhas.insert(linhas.end(), GetParam().registros.begin(), GetParam().registros.end());
  const ExtratoDeclaracao e = Extrai(Junta(linhas));
  EXPECT_TRUE(e.Legivel);
  const QString obtido = std::holds_alternative<E::Total>(GetParam().alvo)
                             ? e.Soma(std::get<E::Total>(GetParam().alvo)).formata()
                             : QString::number(e.Contador(std::get<E::Contagem>(GetParam().alvo)));
  EXPECT_EQ(obtido, GetParam().esperado);
}

INSTANTIATE_TEST_SUITE_P(
    Registros, Extrato,
    testing::Values(
        // Thirteen months in cents; an empty month adds nothing.
        CasoExtrato{"MonthlyInCents", {"RTRT|1234||1||||||||||100|"}, E::Tributaveis, "13,35"},
        CasoExtrato{"OnlyThirteenMonths", {"RTPO|1|1|1|1|1|1|1|1|1|1|1|1|1|999|"}, E::PrevidenciaOficial, "0,13"},
        CasoExtrato{"NameInAnyCase", {"rtrt|100|", "RtIrF|200|"}, E::ImpostoRetido, "2,00"},
        CasoExtrato{"FundAmountsGoToTheFundTotal",
                    {"RTRT|100|", "FCI|33444555000181|F|", "RTRT|1000|", "ESDJ|5|"}, E::FundosTributaveis, "10,00"},
        CasoExtrato{"FundAmountsNotToTheDeclarant", {"RTRT|100|", "FCI|33444555000181|F|", "RTRT|1000|"},
                    E::Tributaveis, "1,00"},
        // A record without a funds total adds to the declarant's in the funds context too.
        CasoExtrato{"FundContextWithoutFundTotal", {"FCI|33444555000181|F|", "RTPO|300|"}, E::PrevidenciaOficial,
                    "3,00"},
        CasoExtrato{"ProcessAmountsGoToTheDeclarant", {"FCI|33444555000181|F|", "PROC|1|X|", "RTRT|700|"},
                    E::Tributaveis, "7,00"},
        CasoExtrato{"AccumulatedIncomeEndsTheFundContext", {"FCI|33444555000181|F|", "RRA|1|X|", "ESIR|50|"},
                    E::ImpostoSuspenso, "0,50"},
        CasoExtrato{"ExemptMonthlyAndAnnual",
                    {"RIDAC|100|", "RIIRP|100|", "RIAP|100|", "RIMOG|100|", "RIVC|100|", "RIBMR|100|", "RIP65|100|",
                     "RIO|1000|PREMIO|", "RIPTS|1000|", "RIL96|1000|"},
                    E::Isentos, "37,00"},
        CasoExtrato{"JudicialExpenses", {"DAJUD|||||5000|"}, E::DespesasAcaoJudicial, "50,00"},
        CasoExtrato{"CompensationOfPreviousYears", {"CJAA|101|", "CJAC|202|"}, E::CompensacaoAnosAnteriores, "1,01"},
        CasoExtrato{"LinesAfterTheTrailerDoNotCount", {"RTRT|100|", "FIMTOLV|", "RTRT|100000|"}, E::Tributaveis,
                    "1,00"},
        CasoExtrato{"AbroadIncome", {"VRPDE|20130115|0473|120|50000|0|40|", "VRPDE|20130301|0422|110|100000|15000|11|"},
                    E::ExteriorRendimentos, "1.500,00"},
        CasoExtrato{"AbroadTaxEmptyField", {"VRPDE|20130115|0473|120|50000||40|", "VRPDE|x|y|z|1|15000|"},
                    E::ExteriorImposto, "150,00"},
        CasoExtrato{"HealthPlanHolders", {"TPSE|1|A|150000|", "TPSE|2|B||"}, E::PlanoTitulares, "1.500,00"},
        CasoExtrato{"HealthPlanDependants", {"DTPSE|||P||0|", "DTPSE||20050101|J|04|10050|"}, E::PlanoDependentes,
                    "100,50"},
        CasoExtrato{"PersonBeneficiaries",
                    {"BPFDEC|1|A||", "BPFRRA|2|B||", "BPFPROC|3|C||", "BRPDE|1|586|", "BRPDE|2|249|", "BPFFCI|4|D||"},
                    E::BeneficiariosPF, "4"},
        CasoExtrato{"CompanyBeneficiaries", {"BPJDEC|1|A|", "BPJPROC|2|B|", "BRPDE|2|249|", "BPJFCI|3|C|"},
                    E::BeneficiariosPJ, "3"},
        CasoExtrato{"FundBeneficiaries", {"BPFFCI|4|D||", "bpffci|5|E||", "BPJFCI|3|C|"}, E::BeneficiariosPFFundos,
                    "2"},
        CasoExtrato{"HealthPlanCounts", {"TPSE|1|A|1|", "DTPSE|||P||0|", "DTPSE|||Q||0|"}, E::DependentesPlano, "2"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST(ExtratoDeclaracao, CompanyHeaderAndResponsible) {
  const ExtratoDeclaracao e = Extrai(Junta({"TOLV|2014|2013|s||F8UCL6S|",
                                            "RESPO|22233344405|MARIA D\xC1VILA|61|33334444|12|33335555|M@X.COM|",
                                            "DECPJ|11444777000161|PADARIA|3|11144477735|N|S|S|S|S|S|S|20130731|"}));
  EXPECT_EQ(e.AnoEntrega, "2014");
  EXPECT_EQ(e.AnoCalendario, "2013");
  EXPECT_EQ(e.Exercicio, "2014");
  EXPECT_FALSE(e.SituacaoEspecial);
  EXPECT_TRUE(e.Retificadora);
  EXPECT_TRUE(e.PessoaJuridica);
  EXPECT_EQ(e.NiDeclarante, "11444777000161");
  EXPECT_EQ(e.NiTerceiraLinha, "11444777000161");
  EXPECT_EQ(e.NomeTerceiraLinha, "PADARIA");
  EXPECT_EQ(e.Natureza, "3");
  EXPECT_EQ(e.DataEvento, "31/07/2013");
  EXPECT_EQ(e.TipoEvento, "");
  EXPECT_EQ(e.CpfResponsavel, "222.333.444-05");
  EXPECT_EQ(e.NomeResponsavel, QString::fromUtf8("MARIA DÁVILA"));
  EXPECT_EQ(e.DddResponsavel, "61");
  EXPECT_EQ(e.FoneResponsavel, "33334444");
  EXPECT_EQ(e.RamalResponsavel, "12");
  EXPECT_EQ(e.FaxResponsavel, "33335555");
  EXPECT_EQ(e.EmailResponsavel, "M@X.COM");
}

struct CasoPessoa {
  const char* cabecalho;
  const char* declarante;
  const char* exercicio;
  bool especial;
  const char* data;
  const char* tipo;
};

class Pessoa : public testing::TestWithParam<CasoPessoa> {};

TEST_P(Pessoa, SituationAndExercise) {
  const ExtratoDeclaracao e = Extrai(Junta({GetParam().cabecalho, "RESPO|1|A|||||", GetParam().declarante}));
  EXPECT_FALSE(e.PessoaJuridica);
  EXPECT_EQ(e.Exercicio, GetParam().exercicio);
  EXPECT_EQ(e.SituacaoEspecial, GetParam().especial);
  EXPECT_EQ(e.DataEvento, GetParam().data);
  EXPECT_EQ(e.TipoEvento, GetParam().tipo);
  EXPECT_FALSE(e.Retificadora);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Pessoa,
    testing::Values(
        CasoPessoa{"TOLV|2014|2014|N||F8UCL6S|", "DECPF|12345678909|JOSE|x|x|x|S|20140210|1|", "2014", true,
                   "10/02/2014", "1"},
        // The date and the type are read only under the indicator.
        CasoPessoa{"TOLV|2014|2013|N||F8UCL6S|", "DECPF|12345678909|JOSE|x|x|x|N|20140210|1|", "2014", false, "", ""},
        CasoPessoa{"TOLV|2014|20X3|N||F8UCL6S|", "DECPF|12345678909|JOSE|||||||", "", false, "", ""},
        CasoPessoa{"TOLV|2014||N||F8UCL6S|", "DECPF|12345678909|JOSE|||||||", "", false, "", ""}));

TEST(ExtratoDeclaracao, FundsListedOnceFiveToARow) {
  std::vector<const char*> linhas = {"TOLV|2014|2013|N||F8UCL6S|", "RESPO|1|A|||||", "DECPJ|11444777000161|E|0|"};
  const char* fundos[] = {"FCI|00000000000101|A|", "FCI|00000000000202|B|", "FCI|00000000000101|A DE NOVO|",
                          "FCI|00000000000303|C|", "FCI|00000000000404|D|", "FCI|00000000000505|E|",
                          "FCI|00000000000606|F|", "fci|00000000000202|B|"};
  linhas.insert(linhas.end(), std::begin(fundos), std::end(fundos));
  const ExtratoDeclaracao e = Extrai(Junta(linhas));
  ASSERT_EQ(e.Fundos.size(), 2u);
  EXPECT_EQ(e.Fundos[0][0], "00.000.000/0001-01");
  EXPECT_EQ(e.Fundos[0][4], "00.000.000/0005-05");
  EXPECT_EQ(e.Fundos[1][0], "00.000.000/0006-06");
  EXPECT_EQ(e.Fundos[1][1], "");
}

TEST(ExtratoDeclaracao, AmountThatIsNotCentsMakesItUnreadable) {
  EXPECT_FALSE(Extrai(Junta({"TOLV|2014|2013|N||F8UCL6S|", "RTRT|12,5|"})).Legivel);
  EXPECT_FALSE(Extrai(Junta({"TOLV|2014|2013|N||F8UCL6S|", "TPSE|1|A|1234567890123456789|"})).Legivel);
  EXPECT_TRUE(Extrai(Junta({"TOLV|2014|2013|N||F8UCL6S|", "RTRT|||"})).Legivel);
}

}  // namespace
