// The pendency check of one beneficiary line: one table of cases per family of rules, each case
// a line and the findings of that family it must get (kind, code, field and arguments), then the
// message texts exactly, the fields by kind of line and the warnings cap.

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <initializer_list>
#include <set>

#include "entrega/TVerificacaoTolvItem.h"
#include "nucleo/Erros.h"
#include "nucleo/LinhasTeste.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TTolvItem.h"

namespace {

const QString kPessoa = QStringLiteral("11144477735");
const QString kEmpresa = QStringLiteral("33000167000101");

Valor R(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

// The line as the lines collection leaves it: key, beneficiary, and the code with its row.
void Prepara(TTolvItem& l, const QString& numero, const char* codigo) {
  l.Limpa();
  l.SetTolvItemDK(QStringLiteral("77"));
  l.GetBeneficiario().SetNiComErro(numero);
  l.GetBeneficiario().GetNome().SetNomeComErro(numero.size() == 11 ? QStringLiteral("FULANO DE TAL")
                                                                   : QStringLiteral("EMPRESA BENEFICIARIA LTDA"));
  l.GetBeneficiario().SetCodigoRetencao(QString::fromLatin1(codigo));
  TCodigoRetencao& c = l.GetCodigoRetencao();
  c.Limpar();
  c.SetCodigo(QString::fromLatin1(codigo));
  c.SetAno(l.GetDeclaracao().GetAnoCalendario());
  c.SetAnexo(l.GetLinhaProcesso() == 1 ? QStringLiteral("2") : l.GetIndicadorAnexo());
  l.GetAnexo().GetColecaoCodigoRetencao().BuscaCodigo(c);
}

// The findings as "E 117 25 <arguments>" (W for a warning), in the order made.
QStringList Achados(const TErros& erros, const std::set<int>& codigos = {}) {
  QStringList r;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    const TErro& e = erros.GetErro(i);
    if (!codigos.empty() && !codigos.count(e.Codigo())) continue;
    r << QStringLiteral("%1 %2 %3 %4").arg(e.Tipo() == 1 ? "E" : "W").arg(e.Codigo()).arg(e.Objeto()).arg(e.Argumentos());
  }
  return r;
}

using Preparo = std::function<void(TTolvItem&, TTolv&)>;

struct Caso {
  const char* nome;
  Preparo prepara;
  QStringList esperados;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) { return os << c.nome; }

// A company's declaration of 2013 with its database (the code table is most of what the checks
// read): the template is not copied under its own name, so that each case stays cheap.
class ComLinha : public testing::Test {
 protected:
  static inline const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
    m_pasta.copiaBanco(QStringLiteral("Tolv.FDB"));
    m_pasta.copiaBanco(QStringLiteral("TOLV2014PD.FDB"), kBanco);
    m_tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    TColecao::FechaConexoes();
  }
  void Roda(const QString& sql) { m_pasta.roda(kBanco, sql); }

  QStringList Verifica(const Preparo& prepara, const std::set<int>& familia) {
    TTolvItem linha(m_tolv, m_tolv);
    prepara(linha, m_tolv);
    TErros erros(true);
    TVerificacaoTolvItem verificacao(m_tolv);
    verificacao.Verifica(linha, erros);
    return Achados(erros, familia);
  }

  PastaProgramaTemp m_pasta;
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
  TTolv m_tolv;
};

// A person's line under the code, with its amounts set by `valores`.
Preparo Pessoa(const char* codigo, std::function<void(TTolvItem&)> valores) {
  return [=](TTolvItem& l, TTolv&) {
    Prepara(l, kPessoa, codigo);
    valores(l);
  };
}
Preparo Empresa(const char* codigo, std::function<void(TTolvItem&)> valores) {
  return [=](TTolvItem& l, TTolv&) {
    Prepara(l, kEmpresa, codigo);
    valores(l);
  };
}

std::string NomeCaso(const testing::TestParamInfo<Caso>& info) { return info.param.nome; }

// ---------------------------------------------------------------------------------------------
// Codes that lapsed: any amount of any month, each series with its own field and form.

class CodigosExtintos : public ComLinha, public testing::WithParamInterface<Caso> {};

TEST_P(CodigosExtintos, ListaCadaMesComValores) {
  EXPECT_EQ(Verifica(GetParam().prepara, {117, 118}), GetParam().esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Linha, CodigosExtintos,
    testing::Values(
        Caso{"PessoaEm8045RetidoEmMarco",
             Pessoa("8045", [](TTolvItem& l) { l.GetTributaveis().GetRetido(3).SetValorMonetario(R("10,00")); }),
             {"E 117 25 8045;8045 111.444.777-35 Mar"}},
        Caso{"EmpresaEm8045NadaDiz",
             Empresa("8045", [](TTolvItem& l) { l.GetTributaveis().GetRetido(3).SetValorMonetario(R("10,00")); }), {}},
        Caso{"JaneiroEDecimoTerceiro",
             Pessoa("8045",
                    [](TTolvItem& l) {
                      l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                      l.GetTributaveis().GetDeducao(13).SetValorMonetario(R("0,01"));
                    }),
             {"E 117 25 8045;8045 111.444.777-35 Jan", "E 117 25 8045;8045 111.444.777-35 13º"}},
        Caso{"DepositoJudicialSuspenso",
             Pessoa("8045", [](TTolvItem& l) { l.GetSubJudice().GetDeposito(7).SetValorMonetario(R("0,01")); }),
             {"E 117 27 8045;8045 Exigibilidade Suspensa 111.444.777-35 Jul"}},
        Caso{"CompensacaoDeAnosAnteriores",
             Pessoa("8045", [](TTolvItem& l) { l.GetCompensacao().GetAnoAnterior(12).SetValorMonetario(R("5,00")); }),
             {"E 117 26 8045;8045 Compensação 111.444.777-35 Dez"}},
        Caso{"OutroCodigoExtintoParaQualquerBeneficiario",
             Empresa("6799", [](TTolvItem& l) { l.GetTributaveis().GetRetido(1).SetValorMonetario(R("1,00")); }),
             {"E 118 25 6799;6799 33.000.167/0001-01 Jan"}},
        Caso{"SemValorNadaDiz", Pessoa("3251", [](TTolvItem&) {}), {}}),
    NomeCaso);

// ---------------------------------------------------------------------------------------------
// The report date of the serious-illness exemption.

void Molestia(TTolvItem& l, const char* data, std::initializer_list<int> meses) {
  l.GetInMolestia().SetValor(QStringLiteral("S"));
  l.GetDataLaudo().SetValor(QString::fromLatin1(data));
  for (int mes : meses) l.GetTributaveis().GetMolestia(mes).SetValorMonetario(R("100,00"));
}

class Laudo : public ComLinha, public testing::WithParamInterface<Caso> {};

TEST_P(Laudo, DataEMesesAnteriores) { EXPECT_EQ(Verifica(GetParam().prepara, {224, 225, 226}), GetParam().esperados); }

INSTANTIATE_TEST_SUITE_P(
    Linha, Laudo,
    testing::Values(
        Caso{"SemDataAvisaUmaVez", Pessoa("0561", [](TTolvItem& l) { Molestia(l, "", {1, 2, 3}); }),
             {"W 226 25 0561 111.444.777-35 "}},
        Caso{"DataNulaDoBancoEhSemData", Pessoa("0561", [](TTolvItem& l) { Molestia(l, "30/12/1899", {4}); }),
             {"W 226 25 0561 111.444.777-35 "}},
        Caso{"MesAnteriorAoDoLaudo", Pessoa("0561", [](TTolvItem& l) { Molestia(l, "15/06/2013", {5, 6}); }),
             {"E 224 25 0561 111.444.777-35 Mai"}},
        Caso{"CadaMesAnterior", Pessoa("0561", [](TTolvItem& l) { Molestia(l, "15/06/2013", {1, 5, 7}); }),
             {"E 224 25 0561 111.444.777-35 Jan", "E 224 25 0561 111.444.777-35 Mai"}},
        Caso{"DecimoTerceiroContaComoDezembro",
             Pessoa("0561", [](TTolvItem& l) { Molestia(l, "10/12/2013", {11, 12, 13}); }),
             {"E 224 25 0561 111.444.777-35 Nov"}},
        Caso{"LaudoDeAnoAnterior", Pessoa("0561", [](TTolvItem& l) { Molestia(l, "01/03/2012", {1}); }), {}},
        Caso{"SemIndicadorDeMolestia",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      Molestia(l, "", {1});
                      l.GetInMolestia().SetValor(QStringLiteral("N"));
                    }),
             {}},
        Caso{"CodigoSemIsencaoPorMolestia", Pessoa("3208", [](TTolvItem& l) { Molestia(l, "", {1}); }), {}},
        Caso{"DataQueNaoExiste",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      Molestia(l, "31/02/2013", {});
                      l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                    }),
             {"E 225 22 0561;111.444.777-35"}},
        Caso{"DataDepoisDoAnoCalendario",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      Molestia(l, "01/01/2014", {});
                      l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                    }),
             {"E 225 22 0561;111.444.777-35"}}),
    NomeCaso);

// ---------------------------------------------------------------------------------------------
// Deductions and the monthly amounts, at the limits.

class Deducoes : public ComLinha, public testing::WithParamInterface<Caso> {};

TEST_P(Deducoes, PorBeneficiarioECodigo) {
  EXPECT_EQ(Verifica(GetParam().prepara, {55, 56, 58, 60}), GetParam().esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Linha, Deducoes,
    testing::Values(
        Caso{"CodigoSemDeducao",
             Pessoa("3208", [](TTolvItem& l) { l.GetTributaveis().GetDeducao(4).SetValorMonetario(R("0,01")); }),
             {"E 60 25 3208 111.444.777-35 Abr"}},
        Caso{"CodigoComDeducao",
             Pessoa("0561", [](TTolvItem& l) { l.GetTributaveis().GetDeducao(4).SetValorMonetario(R("100,00")); }), {}},
        Caso{"DeducaoSuspensaSemDeducaoNoCodigo",
             Pessoa("3208", [](TTolvItem& l) { l.GetSubJudice().GetDeducao(4).SetValorMonetario(R("1,00")); }),
             {"E 60 25 3208 Exigibilidade Suspensa 111.444.777-35 Abr"}},
        Caso{"EmpresaMesmoComCodigoQueAdmite",
             Empresa("0561",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetDeducao(5).SetValorMonetario(R("1,00"));
                       l.GetSubJudice().GetDeducao(6).SetValorMonetario(R("1,00"));
                     }),
             {"E 60 25 0561 33.000.167/0001-01 Mai", "E 60 25 0561 Exigibilidade Suspensa 33.000.167/0001-01 Jun"}},
        Caso{"RetidoDeVinteMilNaoAvisa",
             Pessoa("0561", [](TTolvItem& l) { l.GetTributaveis().GetRetido(6).SetValorMonetario(R("20.000,00")); }),
             {}},
        Caso{"RetidoAcimaDeVinteMil",
             Pessoa("0561", [](TTolvItem& l) { l.GetTributaveis().GetRetido(6).SetValorMonetario(R("20.000,01")); }),
             {"W 56 25 0561 111.444.777-35 Jun"}},
        Caso{"CompensacoesSomamAoRetido",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      l.GetTributaveis().GetRetido(8).SetValorMonetario(R("10.000,00"));
                      l.GetCompensacao().GetAnoAtual(8).SetValorMonetario(R("5.000,00"));
                      l.GetCompensacao().GetAnoAnterior(8).SetValorMonetario(R("5.000,01"));
                    }),
             {"W 56 25 0561 111.444.777-35 Ago"}},
        Caso{"DeducoesAcimaDeVinteMil",
             Pessoa("0561", [](TTolvItem& l) { l.GetTributaveis().GetDeducao(13).SetValorMonetario(R("20.000,01")); }),
             {"W 55 25 0561 111.444.777-35 13º"}},
        Caso{"EmpresaRetidoDeCemMil",
             Empresa("1708", [](TTolvItem& l) { l.GetTributaveis().GetRetido(2).SetValorMonetario(R("100.000,00")); }),
             {}},
        Caso{"EmpresaRetidoAcimaDeCemMil",
             Empresa("1708", [](TTolvItem& l) { l.GetTributaveis().GetRetido(2).SetValorMonetario(R("100.000,01")); }),
             {"W 58 25 1708 33.000.167/0001-01 Fev"}}),
    NomeCaso);

// ---------------------------------------------------------------------------------------------
// The tax of the monthly table, for the person beneficiaries of a public body.

struct CasoTabela {
  const char* nome;
  int natureza;
  const char* codigo;
  const char* rendimento;
  const char* retido;
  bool avisa;
};
std::ostream& operator<<(std::ostream& os, const CasoTabela& c) { return os << c.nome; }

class ImpostoTabela : public ComLinha, public testing::WithParamInterface<CasoTabela> {};

TEST_P(ImpostoTabela, RetidoNoAnoContraATabela) {
  const CasoTabela& c = GetParam();
  m_tolv.SetNatureza(m_tolv.GetNaturezas().BuscaNatureza(c.natureza));
  const QStringList achados = Verifica(Pessoa(c.codigo,
                                              [&](TTolvItem& l) {
                                                for (int mes : {1, 2}) {
                                                  l.GetTributaveis().GetRendimento(mes).SetValorMonetario(R(c.rendimento));
                                                  l.GetTributaveis().GetRetido(mes).SetValorMonetario(R(c.retido));
                                                }
                                              }),
                                       {285});
  EXPECT_EQ(achados, c.avisa ? QStringList{QStringLiteral("W 285 25 %1 111.444.777-35").arg(c.codigo)} : QStringList{});
}

// 2.000,00 in 2013: 7,5 % is 150,00, less 128,31 = 21,69 a month.
INSTANTIATE_TEST_SUITE_P(Linha, ImpostoTabela,
                         testing::Values(CasoTabela{"IgualATabela", 2, "0561", "2.000,00", "21,69", false},
                                         CasoTabela{"UmCentavoAcima", 2, "0561", "2.000,00", "21,70", true},
                                         CasoTabela{"IsentoNaTabela", 2, "3208", "1.710,18", "0,01", true},
                                         CasoTabela{"OutraNatureza", 0, "0561", "2.000,00", "21,70", false},
                                         CasoTabela{"CodigoForaDaLista", 2, "5706", "2.000,00", "21,70", false}),
                         [](const testing::TestParamInfo<CasoTabela>& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------------------------
// The rules after the months: suspended amounts, compensation, the year's withheld tax, the
// thirteenth salary, the empty line, the dispensed code, the other exempt income.

class Anuais : public ComLinha, public testing::WithParamInterface<Caso> {};

TEST_P(Anuais, DepoisDosMeses) {
  EXPECT_EQ(Verifica(GetParam().prepara, {59, 61, 62, 63, 64, 65, 136, 235, 236, 314}), GetParam().esperados);
}

INSTANTIATE_TEST_SUITE_P(
    Linha, Anuais,
    testing::Values(
        Caso{"CodigoSemExigibilidadeSuspensa",
             Pessoa("6799",
                    [](TTolvItem& l) {
                      l.GetSubJudice().GetDeposito(2).SetValorMonetario(R("1,00"));
                      l.GetCompensacao().GetAnoAtual(2).SetValorMonetario(R("1,00"));
                    }),
             {"E 62 25 6799 111.444.777-35", "E 63 25 6799 111.444.777-35"}},
        Caso{"EmpresaSemExigibilidadeSuspensa",
             Empresa("5706",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("500,00"));
                       l.GetTributaveis().GetRetido(1).SetValorMonetario(R("50,00"));
                       l.GetSubJudice().GetRendimento(3).SetValorMonetario(R("1,00"));
                       l.GetCompensacao().GetAnoAnterior(3).SetValorMonetario(R("1,00"));
                     }),
             {"E 64 25 5706 33.000.167/0001-01", "E 65 25 5706 33.000.167/0001-01"}},
        Caso{"EmpresaRetemMaisQueORendimento",
             Empresa("1708",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("900,00"));
                       l.GetTributaveis().GetRetido(2).SetValorMonetario(R("1.000,00"));
                     }),
             {"E 314 25 1708 33.000.167/0001-01"}},
        Caso{"EmpresaDeFundoSoAvisa",
             Empresa("6800",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("900,00"));
                       l.GetTributaveis().GetRetido(1).SetValorMonetario(R("1.000,00"));
                     }),
             {"W 314 25 6800 33.000.167/0001-01"}},
        Caso{"RetidoIgualAoRendimento",
             Empresa("1708",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1.000,00"));
                       l.GetTributaveis().GetRetido(1).SetValorMonetario(R("1.000,00"));
                     }),
             {}},
        Caso{"DecimoTerceiroIndevido",
             Pessoa("3208",
                    [](TTolvItem& l) {
                      l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("1,00"));
                      l.GetSubJudice().GetDeposito(13).SetValorMonetario(R("1,00"));
                      l.GetCompensacao().GetAnoAtual(13).SetValorMonetario(R("1,00"));
                    }),
             {"E 61 25 3208 111.444.777-35 13º", "E 61 25 3208 Exigibilidade Suspensa 111.444.777-35 13º",
              "E 61 25 3208 Compensação 111.444.777-35 13º"}},
        Caso{"DecimoTerceiroDePessoa",
             Pessoa("0561", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("1,00")); }),
             {}},
        Caso{"DecimoTerceiroDeEmpresa",
             Empresa("0561", [](TTolvItem& l) { l.GetTributaveis().GetRetido(13).SetValorMonetario(R("1,00")); }),
             {"E 61 25 0561 33.000.167/0001-01 13º"}},
        Caso{"LinhaZerada", Pessoa("0561", [](TTolvItem&) {}), {"E 59 25 0561 111.444.777-35"}},
        Caso{"SoOutrosNoAno",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      l.GetIsentos().GetAnualOutros().SetValorMonetario(R("10,00"));
                      l.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Prêmio de loteria"));
                    }),
             {}},
        Caso{"DispensadoAteDezReais",
             Pessoa("5706", [](TTolvItem& l) { l.GetTributaveis().GetRetido(4).SetValorMonetario(R("10,00")); }),
             {"W 136 25 111.444.777-35"}},
        Caso{"NaoDispensadoAcima",
             Pessoa("5706", [](TTolvItem& l) { l.GetTributaveis().GetRetido(4).SetValorMonetario(R("10,01")); }), {}},
        Caso{"OutrosSemDescricao",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      l.GetIsentos().GetAnualOutros().SetValorMonetario(R("10,00"));
                      l.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("aaaa"));
                    }),
             {"E 235 52 : 0561 111.444.777-35"}},
        Caso{"DescricaoSemValor",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                      l.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Prêmio"));
                    }),
             {"E 236 51 : 0561 111.444.777-35"}},
        Caso{"DescricaoEmBranco",
             Pessoa("0561",
                    [](TTolvItem& l) {
                      l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                      l.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("   "));
                    }),
             {}}),
    NomeCaso);

// ---------------------------------------------------------------------------------------------
// The beneficiary, the code and the declarant.

class Identificacao : public ComLinha, public testing::WithParamInterface<Caso> {};

TEST_P(Identificacao, BeneficiarioCodigoEDeclarante) {
  EXPECT_EQ(Verifica(GetParam().prepara, {}), GetParam().esperados);
}

Valor Algo() { return R("1.000,00"); }

INSTANTIATE_TEST_SUITE_P(
    Linha, Identificacao,
    testing::Values(
        Caso{"LinhaSemFalta",
             Pessoa("3208", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo()); }), {}},
        Caso{"CpfInvalido",
             [](TTolvItem& l, TTolv&) {
               Prepara(l, QStringLiteral("11144477700"), "3208");
               l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo());
             },
             {"E 35 23 11144477700"}},
        Caso{"CodigoSoDePessoaParaEmpresa",
             Empresa("3208", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo()); }),
             {"E 68 22 3208;33.000.167/0001-01"}},
        Caso{"CodigoInexistente",
             Pessoa("9999", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo()); }),
             {"E 72 22 9999;111.444.777-35"}},
        Caso{"DeclaranteBeneficiarioDeleMesmo",
             [](TTolvItem& l, TTolv&) {
               Prepara(l, QStringLiteral("11444777000161"), "5706");
               l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo());
               l.GetTributaveis().GetRetido(1).SetValorMonetario(R("100,00"));
             },
             {"E 179 22 5706;11.444.777/0001-61"}},
        Caso{"SocioOstensivoPodeSerBeneficiario",
             [](TTolvItem& l, TTolv& t) {
               t.SetInOstensivo(1);
               Prepara(l, QStringLiteral("11444777000161"), "5706");
               l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo());
               l.GetTributaveis().GetRetido(1).SetValorMonetario(R("100,00"));
             },
             {}}),
    NomeCaso);

// A company of a fund's CNPJ root, other than the head office, while the declarant administers funds.
TEST_F(ComLinha, FilialDeFundoAdministrado) {
  Roda(QStringLiteral("INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO ALFA', 0, NULL, NULL, NULL, '0');"));
  auto filial = [](const char* numero) {
    return [=](TTolvItem& l, TTolv&) {
      Prepara(l, QString::fromLatin1(numero), "5706");
      l.GetTributaveis().GetRendimento(1).SetValorMonetario(Algo());
    };
  };
  m_tolv.SetInAdmFC(1);
  EXPECT_EQ(Verifica(filial("12345678000276"), {294}), QStringList{"E 294 23 12.345.678/0002-76"});
  EXPECT_EQ(Verifica(filial("12345678000195"), {294}), QStringList{});
  EXPECT_EQ(Verifica(filial("33000167000101"), {294}), QStringList{});
  m_tolv.SetInAdmFC(0);
  EXPECT_EQ(Verifica(filial("12345678000276"), {294}), QStringList{});
}

// ---------------------------------------------------------------------------------------------
// The monthly consistency warnings come through with the field of their grid.

TEST_F(ComLinha, AvisosDeConsistenciaDoMes) {
  const QStringList achados = Verifica(Pessoa("0561",
                                              [](TTolvItem& l) {
                                                l.GetTributaveis().GetRendimento(2).SetValorMonetario(R("1.000,00"));
                                                l.GetTributaveis().GetRetido(2).SetValorMonetario(R("1.000,00"));
                                                l.GetSubJudice().GetRendimento(3).SetValorMonetario(R("100,00"));
                                                l.GetSubJudice().GetDeposito(3).SetValorMonetario(R("100,00"));
                                                l.GetIsentos().GetRip65(3).SetValorMonetario(R("2.000,00"));
                                              }),
                                       {});
  EXPECT_EQ(achados, QStringList({"W 146 25 0561 111.444.777-35 Fev", "W 156 27 0561 111.444.777-35 Mar",
                                  "W 228 50 0561 111.444.777-35 Mar"}));
}

// ---------------------------------------------------------------------------------------------
// Texts exactly as the user reads them, and the keys of the finding.

TEST_F(ComLinha, MensagensComoOUsuarioAsLe) {
  TTolvItem linha(m_tolv, m_tolv);
  TErros erros(true);
  TVerificacaoTolvItem verificacao(m_tolv);
  auto mensagens = [&](const Preparo& prepara) {
    erros.Limpa();
    prepara(linha, m_tolv);
    verificacao.Verifica(linha, erros);
    QStringList r;
    for (int i = 0; i < erros.GetQuantidade(); ++i) r << erros.GetErro(i).GetMensagem();
    return r;
  };
  EXPECT_EQ(mensagens(Pessoa("8045",
                             [](TTolvItem& l) {
                               l.GetTributaveis().GetRendimento(3).SetValorMonetario(R("100,00"));
                               l.GetTributaveis().GetRetido(3).SetValorMonetario(R("1,00"));
                             })),
            QStringList({"O código de receita 8045, conforme ADE Vemra nº 9/2002, a partir de 17 de janeiro de 2002, "
                         "aplica-se somente a beneficiário pessoa jurídica: 8045 111.444.777-35 Mar."}));
  EXPECT_EQ(mensagens(Pessoa("3208",
                             [](TTolvItem& l) {
                               l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
                               l.GetSubJudice().GetDeducao(4).SetValorMonetario(R("1,00"));
                               l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("1,00"));
                             })),
            QStringList({"Dedução indevida para código/beneficiário: 3208 Exigibilidade Suspensa 111.444.777-35 Abr.",
                         "Décimo terceiro indevido para o código de receita 3208 111.444.777-35 13º."}));
  EXPECT_EQ(mensagens(Pessoa("0561", [](TTolvItem& l) { Molestia(l, "", {2}); })),
            QStringList({"Data do laudo não informada: 0561 111.444.777-35 ."}));
  EXPECT_EQ(mensagens(Pessoa("5706",
                             [](TTolvItem& l) {
                               l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("100,00"));
                               l.GetTributaveis().GetRetido(1).SetValorMonetario(R("1,00"));
                               l.GetIsentos().GetAnualOutros().SetValorMonetario(R("1,00"));
                             })),
            QStringList({"Para o código de receita 5706 beneficiários com os valores de IRRF anual menor ou igual a "
                         "R$ 10,00 estão dispensados de apresentação: 111.444.777-35.",
                         "Outros (especificar) inválido ou não informado: 5706 111.444.777-35."}));
  ASSERT_EQ(erros.GetQuantidade(), 2);
  EXPECT_EQ(erros.GetErro(0).AQuemPertence(), QStringLiteral("1"));
  EXPECT_EQ(erros.GetErro(0).QuemEh(), QStringLiteral("77"));
}

// ---------------------------------------------------------------------------------------------
// The same findings lead to the fields of the page of the line's kind.

struct CasoCampos {
  const char* nome;
  int tipo;  // 0 declarant, 1 fund, 2 process
  QStringList esperados;
};
std::ostream& operator<<(std::ostream& os, const CasoCampos& c) { return os << c.nome; }

class CamposPorTipo : public ComLinha, public testing::WithParamInterface<CasoCampos> {};

TEST_P(CamposPorTipo, CadaFichaComSeusCampos) {
  declaracao_teste::Anexo anexo(m_tolv, QStringLiteral("4"));
  TTolvAnexo& dono = GetParam().tipo == 0 ? static_cast<TTolvAnexo&>(m_tolv) : anexo;
  TTolvItem linha(m_tolv, dono);
  if (GetParam().tipo == 2) linha.SetLinhaProcesso(1);
  Prepara(linha, QStringLiteral("11144477700"), "8045");
  linha.GetSubJudice().GetDeposito(1).SetValorMonetario(R("1,00"));
  linha.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Prêmio"));
  TErros erros(true);
  TVerificacaoTolvItem(m_tolv).Verifica(linha, erros);
  QStringList campos;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    const TErro& e = erros.GetErro(i);
    if (e.Codigo() == 35 || e.Codigo() == 117 || e.Codigo() == 236)
      campos << QStringLiteral("%1:%2:%3").arg(e.Codigo()).arg(e.Objeto()).arg(e.AQuemPertence());
  }
  EXPECT_EQ(campos, GetParam().esperados);
}

INSTANTIATE_TEST_SUITE_P(Linha, CamposPorTipo,
                         testing::Values(CasoCampos{"Declarante", 0, {"35:23:1", "117:27:1", "236:51:1"}},
                                         CasoCampos{"Fundo", 1, {"35:31:4", "117:35:4", "236:59:4"}},
                                         CasoCampos{"Processo", 2, {"35:39:4", "117:43:4", "236:59:4"}}),
                         [](const testing::TestParamInfo<CasoCampos>& i) { return std::string(i.param.nome); });

// ---------------------------------------------------------------------------------------------
// Once the program-wide cap of warnings is reached, the warning rules are not run; errors are.

TEST_F(ComLinha, AposOLimiteDeAvisosSoErros) {
  TErros erros(true);
  for (int i = 0; i <= TErros::GetLimiteAvisos(); ++i)
    erros.Adiciona(TErro::CreatePendencia(56, {}, 0, TErro::kBotaoOk, 0, {}, {}, 25));
  ASSERT_TRUE(TErros::LimiteAvisosAtingido());
  erros.Limpa();
  TTolvItem linha(m_tolv, m_tolv);
  Prepara(linha, kPessoa, "3208");
  linha.GetTributaveis().GetRendimento(2).SetValorMonetario(R("30.000,00"));
  linha.GetTributaveis().GetRetido(2).SetValorMonetario(R("30.000,00"));
  linha.GetTributaveis().GetDeducao(2).SetValorMonetario(R("1,00"));
  TVerificacaoTolvItem(m_tolv).Verifica(linha, erros);
  EXPECT_EQ(Achados(erros), QStringList{"E 60 25 3208 111.444.777-35 Fev"});
}

}  // namespace
