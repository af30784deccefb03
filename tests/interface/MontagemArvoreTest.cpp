#include <gtest/gtest.h>

#include "ContornoArvore.h"
#include "interface/MontagemArvore.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoMontagem {
  const char* nome;
  void (*ajusta)(TPropriedadesArvore&);
  int codigoExpansao;
  QStringList esperado;
};

class MontagemArvore : public testing::TestWithParam<CasoMontagem> {};

TEST_P(MontagemArvore, ShowsTheNodesTheSwitchesCallFor) {
  TPropriedadesArvore p;
  GetParam().ajusta(p);
  EXPECT_EQ(ContornoDe(MontaArvore(p, GetParam().codigoExpansao)), GetParam().esperado);
}

// The declarant's group of an open declaration whose line calls for no further section.
const QStringList kDeclarante =
    Contorno({"100 Declarante", "  101 Informações", "  205 Beneficiário",
              "    201 Rendimentos tributáveis", "  150 Rendimentos recebidos acumuladamente"});

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Casos, MontagemArvore,
    testing::Values(
        CasoMontagem{"Padrao", [](TPropriedadesArvore&) {}, 0,
                     Contorno({
                         "100 Declarante",
                         "  101 Informações",
                         "  205 Beneficiário",
                         "    201 Rendimentos tributáveis",
                         "    202 Compensação do imposto por decisão judicial",
                         "    203 Tributação com exigibilidade suspensa",
                         "  150 Rendimentos recebidos acumuladamente"})},
        CasoMontagem{"DeclaracaoAbertaSemCompensacao",
                     [](TPropriedadesArvore& p) { p.mostraCompensacaoExigibilidade = false; }, 0,
                     kDeclarante},
        CasoMontagem{"DeclaranteIsentosEMolestia",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraRendimentosIsentos = true;
                       p.mostraMolestia = true;
                       // the other sections' switches leave the declarant's nodes alone
                       p.mostraRendimentosIsentosFC = true;
                       p.mostraMolestiaProc = true;
                     },
                     0,
                     Contorno({
                         "100 Declarante",
                         "  101 Informações",
                         "  205 Beneficiário",
                         "    201 Rendimentos tributáveis",
                         "    204 Rendimentos isentos",
                         "    206 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço",
                         "  150 Rendimentos recebidos acumuladamente"})},
        CasoMontagem{"FundosExpandidos",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraFC = true;
                     },
                     300,
                     kDeclarante + Contorno({
                         "300 Fundo ou clube de investimentos +",
                         "  305 Beneficiário",
                         "    301 Rendimentos tributáveis",
                         "    302 Compensação do imposto por decisão judicial",
                         "    303 Tributação com exigibilidade suspensa"})},
        CasoMontagem{"FundosIsentosEMolestiaSemCompensacao",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraFC = true;
                       p.mostraCompensacaoExigibilidadeFC = false;
                       p.mostraRendimentosIsentosFC = true;
                       p.mostraMolestiaAnexo = true;
                     },
                     0,
                     kDeclarante + Contorno({
                         "300 Fundo ou clube de investimentos",
                         "  305 Beneficiário",
                         "    301 Rendimentos tributáveis",
                         "    304 Rendimentos Isentos",
                         "    306 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço"})},
        CasoMontagem{"ProcessosSemNoDeIsentos",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraProcesso = true;
                       p.mostraRendimentosIsentosProc = true;
                       p.mostraMolestiaProc = true;
                     },
                     400,
                     kDeclarante + Contorno({
                         "400 Justiça do trabalho/federal/estadual/Distrito Federal +",
                         "  405 Beneficiário",
                         "    401 Rendimentos tributáveis",
                         "    402 Compensação do imposto por decisão judicial",
                         "    403 Tributação com exigibilidade suspensa",
                         "    406 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço",
                         "  450 Rendimentos recebidos acumuladamente"})},
        CasoMontagem{"PlanoSaudeLogoAposDeclarante",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraPlanoSaude = true;
                       p.mostraProcesso = true;
                     },
                     800,
                     kDeclarante + Contorno({
                         "800 Plano privado de assistência à saúde - Coletivo empresarial +",
                         "  801 Titular/Dependente",
                         "400 Justiça do trabalho/federal/estadual/Distrito Federal",
                         "  405 Beneficiário",
                         "    401 Rendimentos tributáveis",
                         "    402 Compensação do imposto por decisão judicial",
                         "    403 Tributação com exigibilidade suspensa",
                         "  450 Rendimentos recebidos acumuladamente"})},
        CasoMontagem{"RemessaExpandeSoOBeneficiario",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraRemessa = true;
                     },
                     601,
                     kDeclarante + Contorno({
                         "600 Rendimentos pagos a residentes ou domiciliados no exterior",
                         "  601 Beneficiário +"})},
        CasoMontagem{"DercComDuasCabecas",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraDERC = true;
                     },
                     500,
                     kDeclarante + Contorno({
                         "500 DERC +",
                         "  500 Beneficiário +"})},
        CasoMontagem{"ComprovanteSemSubnos",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraComprovante = true;
                     },
                     0,
                     kDeclarante + Contorno({
                         "700 Comprovante de rendimentos"})},
        CasoMontagem{"ComprovanteComAlgunsSubnos",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraComprovante = true;
                       p.mostraCompRendimentosIsentos = true;
                       p.mostraCompNaturezaRendimento = true;
                       p.mostraCompInfCompRetencoesOrgaos = true;
                     },
                     0,
                     kDeclarante + Contorno({
                         "700 Comprovante de rendimentos",
                         "  702 Rendimentos isentos",
                         "  705 Rendimento e imposto retido",
                         "  707 Inf. complementares - Retenções órgãos públicos e estatais"})},
        CasoMontagem{"SubnosDoComprovanteSemOGrupo",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraCompRendimentosTributaveis = true;
                       p.mostraCompNaturezaRendimento = true;
                     },
                     0,
                     kDeclarante},
        CasoMontagem{"ExpandidoAbreTudo",
                     [](TPropriedadesArvore& p) {
                       p.mostraCompensacaoExigibilidade = false;
                       p.mostraCompensacaoExigibilidadeFC = false;
                       p.mostraFC = true;
                       p.mostraExpandido = true;
                     },
                     0,
                     Contorno({
                         "100 Declarante +",
                         "  101 Informações +",
                         "  205 Beneficiário +",
                         "    201 Rendimentos tributáveis +",
                         "  150 Rendimentos recebidos acumuladamente +",
                         "300 Fundo ou clube de investimentos +",
                         "  305 Beneficiário +",
                         "    301 Rendimentos tributáveis +"})},
        CasoMontagem{"TudoLigado",
                     [](TPropriedadesArvore& p) {
                       // every switch on but mostraExpandido, in declaration order
                       p = {true, true, true, true, true, false, true, true, true, true, true, true,
                            true, true, true, true, true, true, true, true, true, true, true};
                     },
                     0,
                     Contorno({
                         "100 Declarante",
                         "  101 Informações",
                         "  205 Beneficiário",
                         "    201 Rendimentos tributáveis",
                         "    202 Compensação do imposto por decisão judicial",
                         "    203 Tributação com exigibilidade suspensa",
                         "    204 Rendimentos isentos",
                         "    206 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço",
                         "  150 Rendimentos recebidos acumuladamente",
                         "800 Plano privado de assistência à saúde - Coletivo empresarial",
                         "  801 Titular/Dependente",
                         "300 Fundo ou clube de investimentos",
                         "  305 Beneficiário",
                         "    301 Rendimentos tributáveis",
                         "    302 Compensação do imposto por decisão judicial",
                         "    303 Tributação com exigibilidade suspensa",
                         "    304 Rendimentos Isentos",
                         "    306 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço",
                         "400 Justiça do trabalho/federal/estadual/Distrito Federal",
                         "  405 Beneficiário",
                         "    401 Rendimentos tributáveis",
                         "    402 Compensação do imposto por decisão judicial",
                         "    403 Tributação com exigibilidade suspensa",
                         "    406 Pensão, aposentadoria ou reforma por moléstia grave ou acidente em serviço",
                         "  450 Rendimentos recebidos acumuladamente",
                         "500 DERC",
                         "  500 Beneficiário",
                         "700 Comprovante de rendimentos",
                         "  701 Rendimentos tributáveis",
                         "  702 Rendimentos isentos",
                         "  703 Rendimentos sujeitos à tributação exclusiva",
                         "  704 Informações complementares",
                         "  705 Rendimento e imposto retido",
                         "  706 Informações complementares - Retenções IR de PJ para PJ",
                         "  707 Inf. complementares - Retenções órgãos públicos e estatais",
                         "600 Rendimentos pagos a residentes ou domiciliados no exterior",
                         "  601 Beneficiário"})}),
    [](const testing::TestParamInfo<CasoMontagem>& info) { return std::string(info.param.nome); });
// clang-format on

TEST(MontagemArvore, ExpansionCodeOfAHiddenGroupExpandsNothing) {
  for (const TNoArvore& no : MontaArvore(TPropriedadesArvore{}, 300)) EXPECT_FALSE(no.expandido);
}

struct CasoTitulo {
  int codigo;
  const char* titulo;  // nullptr: the code has no title of its own
};

class TituloDoCodigoTabela : public testing::TestWithParam<CasoTitulo> {};

TEST_P(TituloDoCodigoTabela, GivesThePageTitle) {
  const auto titulo = TituloDoCodigo(GetParam().codigo);
  ASSERT_EQ(titulo.has_value(), GetParam().titulo != nullptr) << GetParam().codigo;
  if (titulo) {
    EXPECT_EQ(*titulo, QString::fromUtf8(GetParam().titulo));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Titulos, TituloDoCodigoTabela,
    testing::Values(
        CasoTitulo{150, "Beneficiário do declarante - Rendimentos recebidos acumuladamente"},
        CasoTitulo{201, "Beneficiário do declarante - Rendimentos tributáveis"},
        CasoTitulo{202, "Beneficiário do declarante - Compensação de imposto por decisão judicial"},
        CasoTitulo{203, "Beneficiário do declarante - Tributação com exigibilidade suspensa"},
        CasoTitulo{204, "Beneficiário do declarante - Rendimentos isentos"},
        CasoTitulo{205, "Beneficiário do declarante"},
        CasoTitulo{
            206,
            "Beneficiário do declarante - Pensão, aposentadoria ou reforma por moléstia grave"},
        CasoTitulo{300, "Fundo ou clube de investimentos"},
        CasoTitulo{301, "Fundo ou clube de investimentos - Rendimentos tributáveis"},
        CasoTitulo{304, "Fundo ou clube de investimentos - Rendimentos isentos"},
        CasoTitulo{305, "Fundo ou clube de investimentos"},
        CasoTitulo{
            306,
            "Fundo ou clube de investimentos - Pensão, aposentadoria ou reforma por moléstia "
            "grave"},
        CasoTitulo{400, "Justiça do trabalho/federal/estadual/Distrito Federal"},
        CasoTitulo{402,
                   "Justiça do trabalho/federal/estadual/Distrito Federal - Compensação de imposto "
                   "por decisão judicial"},
        CasoTitulo{405, "Justiça do trabalho/federal/estadual/Distrito Federal"},
        CasoTitulo{
            406,
            "Justiça do trabalho/federal/estadual/Distrito Federal - Pensão, aposentadoria ou "
            "reforma por moléstia grave"},
        CasoTitulo{450, "Justiça - Rendimentos recebidos acumuladamente"}, CasoTitulo{0, nullptr},
        CasoTitulo{100, nullptr}, CasoTitulo{101, nullptr}, CasoTitulo{102, nullptr},
        CasoTitulo{207, nullptr}, CasoTitulo{250, nullptr}, CasoTitulo{404, nullptr},
        CasoTitulo{500, nullptr}, CasoTitulo{601, nullptr}, CasoTitulo{700, nullptr},
        CasoTitulo{705, nullptr}, CasoTitulo{801, nullptr}));

}  // namespace
