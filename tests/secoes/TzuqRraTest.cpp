#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "secoes/TRraTipoFactory.h"
#include "secoes/TzuqRra.h"

namespace {

const QString kCpfDeclarante = QStringLiteral("11144477735");
const QString kCnpjDeclarante = QStringLiteral("11444777000161");
const QString kCpfBeneficiario = QStringLiteral("52998224725");

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

// A finding as the tests compare it: code, kind, field, argument.
struct Achado {
  int codigo;
  int tipo;
  std::string campo;
  std::string argumento;
  bool operator==(const Achado&) const = default;
};

void PrintTo(const Achado& a, std::ostream* os) {
  *os << "{" << a.codigo << ", " << a.tipo << ", " << a.campo << ", \"" << a.argumento << "\"}";
}

std::vector<Achado> Achados(const TErros& erros) {
  std::vector<Achado> achados;
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    const TErro& e = erros.GetErro(i);
    achados.push_back({e.Codigo(), e.Tipo(), e.QuemEh().toStdString(), e.Argumentos().toStdString()});
  }
  return achados;
}

// A declaration of the regular year, its declarant a company (nature 2, a public body) or a person.
class Declaracao {
 public:
  explicit Declaracao(bool pessoa, const QString& ano = QStringLiteral("2013")) {
    m_tolv.GetContribuinte().SetNi(pessoa ? kCpfDeclarante : kCnpjDeclarante);
    m_tolv.RefazNaturezasPermitidas();
    m_tolv.SetAnoCalendario(ano);
    if (!pessoa) m_tolv.SetCodigoNatureza(2);
  }
  TTolv& tolv() { return m_tolv; }

 private:
  TTolv m_tolv;
};

// An item with nothing to report: a named beneficiary, a nature, a process and January's income
// over one month.
std::unique_ptr<TzuqRra> ItemValido(TTolv& tolv, uint8_t tipo) {
  auto item = TRraTipoFactory::CriaRra(tolv, tipo);
  item->SetId(7);
  item->GetBeneficiario().SetNi(kCpfBeneficiario);
  item->GetBeneficiario().GetNome().SetValor(QStringLiteral("JOSE DA SILVA"));
  item->GetNatureza().SetValor(QStringLiteral("Aposentadoria"));
  item->GetProcesso().CarregaValor(QStringLiteral("00012345620135010001"));
  item->GetValores().GetRendimento(1).SetValorMonetario(V("1000"));
  item->GetValores().GetMeses(1).SetValorMonetario(V("1"));
  return item;
}

TEST(RraTipoFactory, MakesItemsOfTheTwoTypesOnly) {
  TTolv tolv;
  EXPECT_EQ(TRraTipoFactory::CriaRra(tolv, 1)->GetTipo(), 1);
  EXPECT_EQ(TRraTipoFactory::CriaRra(tolv, 2)->GetDeclaracao(), &tolv);
  EXPECT_EQ(TRraTipoFactory::CriaRra(tolv, 3), nullptr);
  EXPECT_EQ(TRraTipoFactory::CriaRraSemDeclaracao(2)->GetDeclaracao(), nullptr);
  EXPECT_EQ(TRraTipoFactory::CriaRraSemDeclaracao(0), nullptr);
}

struct CasoCampo {
  const char* nome;
  uint8_t tipo;
  bool declarantePessoa;
  std::function<void(TzuqRra&)> altera;
  std::vector<Achado> esperados;
};
class RegrasDeCampo : public testing::TestWithParam<CasoCampo> {};

TEST_P(RegrasDeCampo, ListaOsAchados) {
  Declaracao declaracao(GetParam().declarantePessoa);
  auto item = ItemValido(declaracao.tolv(), GetParam().tipo);
  if (GetParam().altera) GetParam().altera(*item);
  TErros erros;
  item->VerificaItem(erros);
  EXPECT_EQ(Achados(erros), GetParam().esperados);
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    EXPECT_EQ(erros.GetErro(i).Objeto(), GetParam().tipo == 1 ? 57 : 58);
    EXPECT_EQ(erros.GetErro(i).AQuemPertence(), "7");
    EXPECT_EQ(erros.GetErro(i).Botoes(), 0);
  }
}

void SemAdvogado(TzuqRra&) {}

INSTANTIATE_TEST_SUITE_P(
    Casos, RegrasDeCampo,
    testing::Values(
        CasoCampo{"valido", 1, false, SemAdvogado, {}},
        CasoCampo{"cpfVazio", 1, false, [](TzuqRra& i) { i.GetBeneficiario().Limpar(); },
                  {{38, 1, "cpfBeneficiario", ""}}},
        CasoCampo{"cpfInvalido", 1, false,
                  [](TzuqRra& i) { i.GetBeneficiario().SetNiComErro(QStringLiteral("52998224724")); },
                  {{35, 1, "cpfBeneficiario", ""}}},
        CasoCampo{"declaranteBeneficiario", 1, true,
                  [](TzuqRra& i) { i.GetBeneficiario().SetNi(kCpfDeclarante); },
                  {{1, 1, "cpfBeneficiario", "111.444.777-35"}}},
        CasoCampo{"empresaNuncaBeneficiaria", 1, false,
                  [](TzuqRra& i) { i.GetBeneficiario().SetNi(kCpfDeclarante); }, {}},
        CasoCampo{"nomeVazio", 2, false, [](TzuqRra& i) { i.GetBeneficiario().GetNome().Limpar(); },
                  {{75, 1, "nomeBeneficiario", ""}}},
        CasoCampo{"natureza", 1, false,
                  [](TzuqRra& i) { i.GetNatureza().CarregaValor(QStringLiteral("1234")); },
                  {{279, 1, "natureza", ""}}},
        CasoCampo{"processoOpcionalNoDeclarante", 1, false, [](TzuqRra& i) { i.GetProcesso().Limpar(); }, {}},
        CasoCampo{"processoExigidoNaJustica", 2, false, [](TzuqRra& i) { i.GetProcesso().Limpar(); },
                  {{40, 1, "processo", ""}}},
        CasoCampo{"processoComHifen", 2, false,
                  [](TzuqRra& i) { i.GetProcesso().CarregaValor(QStringLiteral("123-4")); },
                  {{173, 1, "processo", ""}}},
        CasoCampo{"advogadoInvalido", 1, false,
                  [](TzuqRra& i) {
                    i.GetAdvogado().SetNiComErro(QStringLiteral("12345678900"));
                    i.GetAdvogado().GetNome().SetValor(QStringLiteral("MARIA SOUZA"));
                  },
                  {{35, 1, "niAdvogado", ""}}},
        CasoCampo{"advogadoPessoaDeclarante", 1, true,
                  [](TzuqRra& i) {
                    i.GetAdvogado().SetNi(kCpfDeclarante);
                    i.GetAdvogado().GetNome().SetValor(QStringLiteral("MARIA SOUZA"));
                  },
                  {{288, 1, "niAdvogado", "CPF;advogado;CPF"}}},
        CasoCampo{"escritorioDeclarante", 2, false,
                  [](TzuqRra& i) {
                    i.GetAdvogado().SetNi(kCnpjDeclarante);
                    i.GetAdvogado().GetNome().SetValor(QStringLiteral("SOUZA ADVOGADOS"));
                  },
                  {{288, 1, "niAdvogado", "CNPJ;escritório de advocacia;CNPJ"}}},
        CasoCampo{"advogadoDeOutroTipo", 1, true,
                  [](TzuqRra& i) {
                    i.GetAdvogado().SetNi(kCnpjDeclarante);
                    i.GetAdvogado().GetNome().SetValor(QStringLiteral("SOUZA ADVOGADOS"));
                  },
                  {}},
        CasoCampo{"nomeDoEscritorio", 1, false,
                  [](TzuqRra& i) { i.GetAdvogado().SetNi(QStringLiteral("11222333000181")); },
                  {{50, 1, "nomeAdvogado", ""}}}),
    [](const testing::TestParamInfo<CasoCampo>& info) { return std::string(info.param.nome); });

// One month's amounts and whether a verification runs.
struct CasoMes {
  const char* nome;
  const char* rendimento;
  const char* molestia;
  const char* meses;
  const char* retido;
  const char* custas;
  bool verificacao;
  std::vector<Achado> esperados;
};
class RegrasDoMes : public testing::TestWithParam<CasoMes> {};

TEST_P(RegrasDoMes, ListaOsAchados) {
  Declaracao declaracao(false);
  auto item = ItemValido(declaracao.tolv(), 1);
  TValoresRra& v = item->GetValores();
  v.GetRendimento(3).SetValorMonetario(V(GetParam().rendimento));
  v.GetMolestia(3).SetValorMonetario(V(GetParam().molestia));
  v.GetMeses(3).SetValorMonetario(V(GetParam().meses));
  v.GetRetido(3).SetValorMonetario(V(GetParam().retido));
  v.GetCustas(3).SetValorMonetario(V(GetParam().custas));
  TzuqRra::DefineVerificacaoEmCurso(GetParam().verificacao);
  TErros erros;
  item->VerificaMes(3, erros);
  TzuqRra::DefineVerificacaoEmCurso(false);
  EXPECT_EQ(Achados(erros), GetParam().esperados);
}

const std::string kMarco = "1889 529.982.247-25 Mar";

INSTANTIATE_TEST_SUITE_P(
    Casos, RegrasDoMes,
    testing::Values(CasoMes{"vazio", "0", "0", "0", "0", "0", true, {}},
                    CasoMes{"mesesSemRendimentoNaVerificacao", "0", "0", "3", "0", "0", true,
                            {{283, 1, "valores", kMarco}}},
                    CasoMes{"mesesSemRendimentoNoEditor", "0", "0", "3", "0", "0", false, {}},
                    CasoMes{"mesesComIsento", "0", "10", "3", "0", "0", true, {}},
                    CasoMes{"rendimentoSemMeses", "100", "0", "0", "0", "0", false, {{284, 0, "valores", kMarco}}},
                    CasoMes{"isentoSemMeses", "0", "100", "0", "0", "0", true, {{284, 0, "valores", kMarco}}},
                    CasoMes{"deducoesIguais", "1000", "0", "1", "200", "800", false, {{166, 0, "valores", kMarco}}},
                    CasoMes{"deducoesMaiores", "1000", "0", "1", "200", "800,01", false,
                            {{165, 0, "valores", kMarco}}},
                    CasoMes{"isentoNaoConta", "0", "1000", "1", "200", "0", false, {{165, 0, "valores", kMarco}}},
                    CasoMes{"deducoesMenores", "1000", "0", "1", "200", "799,99", false, {}}),
    [](const testing::TestParamInfo<CasoMes>& info) { return std::string(info.param.nome); });

struct CasoConsistencia {
  const char* nome;
  uint8_t tipo;
  bool declarantePessoa;
  const char* ano;
  std::function<void(TzuqRra&)> altera;
  std::vector<Achado> esperados;
};
class RegrasDeConsistencia : public testing::TestWithParam<CasoConsistencia> {};

TEST_P(RegrasDeConsistencia, ListaOsAchados) {
  Declaracao declaracao(GetParam().declarantePessoa, QString::fromLatin1(GetParam().ano));
  auto item = ItemValido(declaracao.tolv(), GetParam().tipo);
  if (GetParam().altera) GetParam().altera(*item);
  TErros erros;
  item->VerificaConsistencia(erros);
  EXPECT_EQ(Achados(erros), GetParam().esperados);
  for (int i = 0; i < erros.GetQuantidade(); ++i) {
    const int codigo = erros.GetErro(i).Codigo();
    EXPECT_EQ(erros.GetErro(i).Botoes(), codigo == 59 || codigo == 286 ? 4 : 0) << codigo;
  }
}

void Molestia(TzuqRra& i, const char* laudo) {
  i.GetInMolestia().SetValor(QStringLiteral("S"));
  i.GetDataLaudo().SetValor(QString::fromLatin1(laudo));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, RegrasDeConsistencia,
    testing::Values(
        CasoConsistencia{"nada", 1, false, "2013", nullptr, {}},
        CasoConsistencia{"laudoAusente", 2, false, "2013", [](TzuqRra& i) { Molestia(i, ""); },
                         {{226, 0, "data", ""}}},
        CasoConsistencia{"laudoZero", 2, false, "2013", [](TzuqRra& i) { Molestia(i, "30/12/1899"); },
                         {{226, 0, "data", ""}}},
        // 1.710,18 is free of tax in 2013; 2.000,00 owes 7,5 % less 128,31: 21,69.
        CasoConsistencia{"retidoNaTabela", 1, false, "2013",
                         [](TzuqRra& i) {
                           i.GetValores().GetRendimento(1).SetValorMonetario(V("2000"));
                           i.GetValores().GetRetido(1).SetValorMonetario(V("21,69"));
                         },
                         {}},
        CasoConsistencia{"retidoAcimaDaTabela", 1, false, "2013",
                         [](TzuqRra& i) {
                           i.GetValores().GetRendimento(1).SetValorMonetario(V("2000"));
                           i.GetValores().GetRetido(1).SetValorMonetario(V("21,70"));
                         },
                         {{285, 0, "valores", ""}}},
        CasoConsistencia{"retidoSemTabelaNoAno", 1, false, "2012",
                         [](TzuqRra& i) { i.GetValores().GetRetido(1).SetValorMonetario(V("0,01")); },
                         {{285, 0, "valores", ""}}},
        CasoConsistencia{"retidoNaJustica", 2, false, "2012",
                         [](TzuqRra& i) { i.GetValores().GetRetido(1).SetValorMonetario(V("0,01")); }, {}},
        CasoConsistencia{"retidoDePessoa", 1, true, "2012",
                         [](TzuqRra& i) { i.GetValores().GetRetido(1).SetValorMonetario(V("0,01")); }, {}},
        CasoConsistencia{"isentoAntesDoLaudo", 2, false, "2013",
                         [](TzuqRra& i) {
                           Molestia(i, "15/05/2013");
                           i.GetValores().GetMolestia(4).SetValorMonetario(V("10"));
                           i.GetValores().GetMolestia(6).SetValorMonetario(V("10"));
                         },
                         {{224, 1, "valores", "1889 529.982.247-25 Abr"}}},
        CasoConsistencia{"laudoDeAnoAnterior", 2, false, "2013",
                         [](TzuqRra& i) {
                           Molestia(i, "15/05/2012");
                           i.GetValores().GetMolestia(4).SetValorMonetario(V("10"));
                         },
                         {}},
        CasoConsistencia{"laudoDeAnoPosterior", 2, false, "2013",
                         [](TzuqRra& i) {
                           Molestia(i, "15/03/2014");
                           i.GetValores().GetMolestia(2).SetValorMonetario(V("10"));
                           i.GetValores().GetMolestia(4).SetValorMonetario(V("10"));
                         },
                         {{224, 1, "valores", "1889 529.982.247-25 Fev"}}},
        CasoConsistencia{"tudoZero", 2, false, "2013", [](TzuqRra& i) { i.GetValores().ZeraValores(); },
                         {{59, 1, "valores", ""}}},
        CasoConsistencia{"mesesNoLimite", 2, false, "2013",
                         [](TzuqRra& i) {
                           i.GetValores().GetMeses(1).SetValorMonetario(V("900"));
                           i.GetValores().GetMeses(2).SetValorMonetario(V("99,9"));
                         },
                         {}},
        CasoConsistencia{"mesesAlemDoLimite", 2, false, "2013",
                         [](TzuqRra& i) {
                           i.GetValores().GetMeses(1).SetValorMonetario(V("900"));
                           i.GetValores().GetMeses(2).SetValorMonetario(V("100"));
                         },
                         {{286, 1, "valores", ""}}}),
    [](const testing::TestParamInfo<CasoConsistencia>& info) { return std::string(info.param.nome); });

// The findings read as the user sees them, arguments in place.
TEST(TzuqRra, FindingsReadAsTheirMessages) {
  Declaracao pessoa(true);
  auto item = ItemValido(pessoa.tolv(), 1);
  item->GetBeneficiario().SetNi(kCpfDeclarante);
  item->GetAdvogado().SetNi(kCpfDeclarante);
  item->GetAdvogado().GetNome().SetValor(QStringLiteral("MARIA SOUZA"));
  item->GetValores().GetMeses(3).SetValorMonetario(V("999,9"));
  item->GetValores().GetMeses(4).SetValorMonetario(V("0,1"));
  TzuqRra::DefineVerificacaoEmCurso(true);
  TErros erros;
  item->VerificaItem(erros);
  item->VerificaConsistencia(erros);
  TzuqRra::DefineVerificacaoEmCurso(false);
  QStringList mensagens;
  for (int i = 0; i < erros.GetQuantidade(); ++i) mensagens << erros.GetErro(i).GetMensagem();
  EXPECT_EQ(mensagens, QStringList({
                           QStringLiteral("O declarante não pode ser beneficiário dele mesmo: 111.444.777-35."),
                           QStringLiteral("O CPF do advogado não pode ser igual ao CPF do declarante."),
                           QStringLiteral("Quantidade meses preenchido sem a informação dos valores do rendimento "
                                          "recebido acumuladamente: 1889 111.444.777-35 Mar."),
                           QStringLiteral("Quantidade meses preenchido sem a informação dos valores do rendimento "
                                          "recebido acumuladamente: 1889 111.444.777-35 Abr."),
                           QStringLiteral("O somatório da coluna quantidade de meses não pode ser maior que 999,9."),
                       }));
  EXPECT_EQ(TErro::FormataMensagem(288, QStringLiteral("CNPJ;escritório de advocacia;CNPJ")),
            "O CNPJ do escritório de advocacia não pode ser igual ao CNPJ do declarante.");
}

TEST(TzuqRra, ClearingKeepsTypeAndDeclarationAndEmptiesTheRest) {
  Declaracao declaracao(false);
  auto item = ItemValido(declaracao.tolv(), 2);
  item->GetAdvogado().SetNi(QStringLiteral("11222333000181"));
  item->GetInMolestia().SetValor(QStringLiteral("S"));
  item->GetDataLaudo().SetValor(QStringLiteral("01/02/2013"));
  item->Limpar();
  EXPECT_EQ(item->GetId(), 0);
  EXPECT_EQ(item->GetTipo(), 2);
  EXPECT_EQ(item->GetDeclaracao(), &declaracao.tolv());
  EXPECT_TRUE(item->GetBeneficiario().GetNiDigitos().isEmpty());
  EXPECT_TRUE(item->GetBeneficiario().GetNome().GetValor().isEmpty());
  EXPECT_TRUE(item->GetAdvogado().GetNiDigitos().isEmpty());
  EXPECT_TRUE(item->GetNatureza().GetValor().isEmpty());
  EXPECT_TRUE(item->GetProcesso().GetValor().isEmpty());
  EXPECT_EQ(item->GetInMolestia().GetValor(), "N");
  EXPECT_TRUE(item->GetDataLaudo().GetValor().isEmpty());
  EXPECT_TRUE(item->GetValores().EstaVazio());
  EXPECT_FALSE(item->GetValores().GetModificado());
}

}  // namespace
