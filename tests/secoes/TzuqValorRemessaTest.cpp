#include <gtest/gtest.h>

#include <functional>

#include "secoes/ConversaoRemessa.h"
#include "secoes/RemessaFalsas.h"
#include "secoes/TzuqRemessa.h"
#include "suporte/QtGtest.h"
#include "secoes/TzuqValorRemessa.h"

namespace {

using remessa_teste::ConsultasFalsas;
using remessa_teste::DeclaracaoFalsa;

// A payment to a person in Paraguay, of a company of nature 0, whose every field passes.
class ValorComFalsas : public testing::Test {
 protected:
  void SetUp() override {
    m_remessa.SetInTipoBeneficiario(QStringLiteral("1"));
    m_remessa.SetCdPais(QStringLiteral("586"));
    m_remessa.SetDeclaracao(&m_declaracao);
    m_remessa.SetConsultas(&m_consultas);
    m_valor.SetRemessa(&m_remessa);
    m_valor.SetData(QStringLiteral("15/07/2013"));
    m_valor.SetVlRendimentoPago(QStringLiteral("1000,00"));
    m_valor.SetCdRetencao(QStringLiteral("0473"));
    m_valor.SetCdFormaTributacao(QStringLiteral("10"));
    m_valor.SetVlIrrf(QStringLiteral("150,00"));
    m_valor.SetCdTipoRendimento(QStringLiteral("300"));
  }

  ConsultasFalsas m_consultas;
  DeclaracaoFalsa m_declaracao;
  TzuqRemessa m_remessa;
  TzuqValorRemessa m_valor;
};

struct Caso {
  const char* nome;
  uint8_t indice;
  std::function<void(TzuqValorRemessa&, TzuqRemessa&, DeclaracaoFalsa&)> muda;
  uint16_t codigo = 0;
  int campo = 0;
  const char16_t* mensagem = u"";
};

class RegraValor : public ValorComFalsas, public testing::WithParamInterface<Caso> {};

TEST_P(RegraValor, DaOErroDoCampo) {
  const Caso& caso = GetParam();
  caso.muda(m_valor, m_remessa, m_declaracao);
  const TzuqErro* erro = m_valor.ValidaCampo(caso.indice);
  if (caso.codigo == 0) {
    EXPECT_EQ(erro, nullptr) << erro->Codigo();
    EXPECT_TRUE(m_valor.EhValido());
    return;
  }
  ASSERT_NE(erro, nullptr);
  EXPECT_EQ(erro->Codigo(), caso.codigo);
  EXPECT_EQ(erro->NumeroCampo(), caso.campo);
  EXPECT_EQ(erro->Tipo(), 0);
  EXPECT_EQ(erro->Mensagem(), QString::fromUtf16(caso.mensagem));
  EXPECT_EQ(m_valor.GetErro(), erro);
}

std::string NomeCaso(const testing::TestParamInfo<Caso>& info) { return info.param.nome; }

auto Data(const char* v) {
  return [v](TzuqValorRemessa& l, TzuqRemessa&, DeclaracaoFalsa&) { l.SetData(QString::fromLatin1(v)); };
}
auto Pago(const char* v) {
  return [v](TzuqValorRemessa& l, TzuqRemessa&, DeclaracaoFalsa&) { l.SetVlRendimentoPago(QString::fromLatin1(v)); };
}
auto Irrf(const char* v) {
  return [v](TzuqValorRemessa& l, TzuqRemessa&, DeclaracaoFalsa&) { l.SetVlIrrf(QString::fromLatin1(v)); };
}
auto Codigo(const char* codigo, const char* tipo = "1", const char* pais = "586", std::optional<int> natureza = 0,
            bool administrador = false) {
  return [=](TzuqValorRemessa& l, TzuqRemessa& r, DeclaracaoFalsa& d) {
    l.SetCdRetencao(QString::fromLatin1(codigo));
    r.SetInTipoBeneficiario(QString::fromLatin1(tipo));
    r.SetCdPais(QString::fromLatin1(pais));
    d.natureza = natureza;
    d.administrador = administrador;
  };
}
auto Forma(const char* forma, const char* irrf) {
  return [=](TzuqValorRemessa& l, TzuqRemessa&, DeclaracaoFalsa&) {
    l.SetCdFormaTributacao(QString::fromLatin1(forma));
    l.SetVlIrrf(QString::fromLatin1(irrf));
  };
}
auto Tipo(const char* tipo, const char* beneficiario = "1", bool copa = false, const char* codigo = "0473") {
  return [=](TzuqValorRemessa& l, TzuqRemessa& r, DeclaracaoFalsa& d) {
    l.SetCdTipoRendimento(QString::fromLatin1(tipo));
    l.SetCdRetencao(QString::fromLatin1(codigo));
    r.SetInTipoBeneficiario(QString::fromLatin1(beneficiario));
    d.copa = copa;
  };
}

INSTANTIATE_TEST_SUITE_P(Data, RegraValor,
                         testing::Values(Caso{"Vazia", 0, Data(""), 206, 0, u"Data do pagamento inválida."},
                                         Caso{"Preenchida", 0, Data("01/01/2013")}),
                         NomeCaso);

constexpr const char16_t* kRendimentoZero = u"Rendimento pago não pode ser igual a zero.";

INSTANTIATE_TEST_SUITE_P(
    RendimentoPago, RegraValor,
    testing::Values(Caso{"Zero", 1, Pago("0"), 213, 1, kRendimentoZero},
                    Caso{"Zeros", 1, Pago("000"), 213, 1, kRendimentoZero},
                    Caso{"Vazio", 1, Pago(""), 213, 1, kRendimentoZero},
                    Caso{"ZeroComDecimais", 1, Pago("0,00")}, Caso{"Inteiro", 1, Pago("100")},
                    Caso{"Centavo", 1, Pago("0,01")}),
    NomeCaso);

constexpr const char16_t* kCodigoInvalido = u"O código de receita não é válido ou não deve ser informado na Tolv.";

INSTANTIATE_TEST_SUITE_P(
    CodigoDeReceita, RegraValor,
    testing::Values(
        Caso{"Inexistente", 2, Codigo("1234"), 208, 2, kCodigoInvalido},
        Caso{"Vazio", 2, Codigo(""), 208, 2, kCodigoInvalido},
        Caso{"InexistentePelaImportacao", 3, Codigo("1234"), 208, 2, kCodigoInvalido},
        Caso{"NaturezaNaoPermitida", 2, Codigo("9003", "1", "586", 0), 69, 2,
             u"Código de receita não permitido para a natureza do declarante informada."},
        Caso{"NaturezaPermitida", 2, Codigo("9003", "1", "586", 2)},
        Caso{"DeclaracaoSemNatureza", 2, Codigo("9003", "1", "586", std::nullopt)},
        Caso{"FundoSemAdministrar", 2, Codigo("9002", "1", "586", 0, false), 208, 2, kCodigoInvalido},
        Caso{"FundoAdministrando", 2, Codigo("9002", "1", "586", 0, true)},
        Caso{"SoEmpresaParaPessoa", 2, Codigo("9001", "1"), 67, 2,
             u"Código de receita exclusivo para beneficiário pessoa jurídica."},
        Caso{"SoPessoaParaEmpresa", 2, Codigo("0610", "2"), 68, 2,
             u"Código de receita exclusivo para beneficiário pessoa física."},
        Caso{"SoPessoaSemTipo", 2, Codigo("0610", ""), 68, 2,
             u"Código de receita exclusivo para beneficiário pessoa física."},
        Caso{"SoEmpresaParaEmpresaImportada", 3, Codigo("9001", "J")},
        Caso{"SoPessoaParaPessoaImportada", 3, Codigo("0610", "F")},
        Caso{"AmbosParaEmpresa", 2, Codigo("0473", "2")},
        Caso{"CodigoDoParaguaiNoParaguai", 2, Codigo("0610", "1", "586")},
        Caso{"CodigoDoParaguaiEmOutroPais", 2, Codigo("0610", "1", "63"), 312, 2,
             u"Código de receita não permitido para o país informado."}),
    NomeCaso);

constexpr const char16_t* kFormaZero = u"Forma de tributação não permitida para IRRF igual a R$ 0,00.";
constexpr const char16_t* kFormaNaoZero = u"Forma de tributação não permitida para IRRF diferente de R$ 0,00.";

INSTANTIATE_TEST_SUITE_P(
    FormaDeTributacao, RegraValor,
    testing::Values(Caso{"NaoNumericaNaoEhVerificada", 4, Forma("1a", "0")},
                    Caso{"VaziaComIrrfZero", 4, Forma("", "0"), 215, 4, kFormaZero},
                    Caso{"VaziaComIrrf", 4, Forma("", "150,00"), 216, 4, kFormaNaoZero},
                    Caso{"InexistenteComIrrfZero", 4, Forma("99", "0"), 215, 4, kFormaZero},
                    Caso{"SoZeroComZero", 4, Forma("40", "0")},
                    Caso{"SoZeroComIrrfVazio", 4, Forma("40", "")},
                    Caso{"SoZeroComZeroEDecimais", 4, Forma("40", "0,00")},
                    Caso{"SoZeroComIrrf", 4, Forma("40", "1,00"), 216, 4, kFormaNaoZero},
                    Caso{"SoZeroComIrrfPelaImportacao", 5, Forma("40", "1,00"), 216, 4, kFormaNaoZero},
                    Caso{"ComRetencaoComZero", 4, Forma("10", "0"), 215, 4, kFormaZero},
                    Caso{"ComRetencaoComIrrfVazio", 4, Forma("10", ""), 215, 4, kFormaZero},
                    Caso{"ComRetencaoComIrrf", 4, Forma("10", "1.150,00")},
                    Caso{"QualquerComZero", 4, Forma("50", "0")}, Caso{"QualquerComIrrf", 4, Forma("50", "3")}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(IrrfInformado, RegraValor,
                         testing::Values(Caso{"Vazio", 6, Irrf(""), 211, 6, u"Valor de IRRF inválido."},
                                         Caso{"Zero", 6, Irrf("0")}),
                         NomeCaso);

constexpr const char16_t* kTipoInvalido = u"Tipo de rendimento inválido.";
constexpr const char16_t* kTipoNaoExiste = u"Tipo de rendimento não existe.";

INSTANTIATE_TEST_SUITE_P(
    TipoDeRendimentoNaTabela, RegraValor,
    testing::Values(Caso{"Curto", 7, Tipo("11"), 212, 7, kTipoInvalido},
                    Caso{"Existente", 7, Tipo("300")},
                    Caso{"Inexistente", 7, Tipo("999"), 217, 7, kTipoNaoExiste},
                    Caso{"DaCopaParaEmpresa", 7, Tipo("240", "2"), 212, 7, kTipoInvalido},
                    Caso{"DaCopaParaPessoaSemCopa", 7, Tipo("250", "1", false)}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    TipoDeRendimentoEmCache, RegraValor,
    testing::Values(
        Caso{"Curto", 8, Tipo("11"), 212, 7, kTipoInvalido}, Caso{"Existente", 8, Tipo("300")},
        Caso{"DaCopaParaEmpresa", 8, Tipo("240", "2", true), 308, 7,
             u"Esse tipo de rendimento só pode ser utilizado para Beneficiário Pessoa Física."},
        Caso{"DaCopaSemCopa", 8, Tipo("240", "1", false), 309, 7,
             u"Esse tipo de rendimento só pode ser utilizado quando o indicador de declarante que efetuou pagamentos "
             u"relacionados à Copa das Confederações Fifa 2013 e Copa do Mundo Fifa 2014 for igual a \"S\"."},
        Caso{"DaCopaComCopa", 8, Tipo("250", "1", true)},
        Caso{"Inexistente", 8, Tipo("999"), 217, 7, kTipoNaoExiste},
        Caso{"OutroTipoNoCodigoDoParaguai", 8, Tipo("300", "1", false, "0610"), 313, 7,
             u"Tipo de rendimento não permitido para o código informado."},
        Caso{"TipoDoCodigoDoParaguai", 8, Tipo("110", "1", false, "0610")}),
    NomeCaso);

TEST_F(ValorComFalsas, ValidaTodosSegueAOrdemDasRegras) {
  m_valor.SetData(QString());
  m_valor.SetCdRetencao(QStringLiteral("1234"));
  m_valor.SetCdTipoRendimento(QStringLiteral("11"));
  m_valor.SetVlRendimentoPago(QStringLiteral("0"));
  m_valor.SetVlIrrf(QString());
  m_valor.ValidaTodos();
  std::vector<std::pair<int, int>> achados;
  for (const TzuqErro& e : m_valor.GetErros()) achados.emplace_back(e.Codigo(), e.NumeroCampo());
  const std::vector<std::pair<int, int>> esperados{{206, 0}, {208, 2}, {212, 7}, {213, 1}, {211, 6}, {215, 4}};
  EXPECT_EQ(achados, esperados);
  EXPECT_EQ(m_valor.GetErro(), &m_valor.GetErros().front());
  for (uint8_t indice : {9, 42}) EXPECT_EQ(m_valor.ValidaCampo(indice), nullptr);
}

TEST_F(ValorComFalsas, OTipoPerguntaATabelaOuOCacheEUmTextoQueNaoEhNumeroFalhaNoCache) {
  m_valor.ValidaCampo(TzuqValorRemessa::kTipoRendimento);
  EXPECT_EQ(m_consultas.perguntasBanco, 1);
  EXPECT_EQ(m_consultas.perguntasCache, 0);
  m_valor.ValidaTodos();
  EXPECT_TRUE(m_valor.EhValido());
  EXPECT_EQ(m_consultas.perguntasBanco, 1);
  EXPECT_EQ(m_consultas.perguntasCache, 1);
  m_valor.SetCdTipoRendimento(QStringLiteral("1x0"));
  EXPECT_THROW(m_valor.ValidaCampo(TzuqValorRemessa::kTipoRendimentoEmCache), EConversaoRemessa);
  m_valor.SetCdTipoRendimento(QStringLiteral("300"));
  m_valor.SetVlIrrf(QStringLiteral("abc"));
  EXPECT_THROW(m_valor.ValidaCampo(TzuqValorRemessa::kFormaTributacao), EConversaoRemessa);
}

// The full check of a stored line never raises: what a rule cannot read is that rule's finding.
TEST_F(ValorComFalsas, ValidaTodosNaoLevantaComValorIlegivel) {
  m_valor.SetCdTipoRendimento(QStringLiteral("1x0"));
  m_valor.SetVlIrrf(QStringLiteral("abc"));
  EXPECT_NO_THROW(m_valor.ValidaTodos());
  std::vector<std::pair<int, int>> achados;
  for (const TzuqErro& e : m_valor.GetErros()) achados.emplace_back(e.Codigo(), e.NumeroCampo());
  const std::vector<std::pair<int, int>> esperados{{212, 7}, {211, 6}};
  EXPECT_EQ(achados, esperados);
}

TEST_F(ValorComFalsas, AFormaPermiteOIrrfPelasMarcasDaTabela) {
  // A form below 40 that the table allows with zero tax: the flags decide, not the code.
  m_consultas.formas[10].inZero = QStringLiteral("V");
  EXPECT_TRUE(TzuqValorRemessa::FormaTributacaoPermitida(m_consultas, QStringLiteral("10"), QStringLiteral("0")));
  m_consultas.formas[45] = {45, QStringLiteral("F"), QStringLiteral("Acima de 40"), QStringLiteral("V")};
  EXPECT_TRUE(TzuqValorRemessa::FormaTributacaoPermitida(m_consultas, QStringLiteral("45"), QStringLiteral("9,99")));
  EXPECT_FALSE(TzuqValorRemessa::FormaTributacaoPermitida(m_consultas, QStringLiteral("45"), QString()));
  EXPECT_FALSE(TzuqValorRemessa::FormaTributacaoPermitida(m_consultas, QString(), QStringLiteral("0")));
  EXPECT_FALSE(TzuqValorRemessa::FormaTributacaoPermitida(m_consultas, QStringLiteral(" "), QStringLiteral("0")));
  m_valor.SetCdFormaTributacao(QStringLiteral("45"));
  m_valor.SetVlIrrf(QStringLiteral("0"));
  ASSERT_NE(m_valor.ValidaCampo(TzuqValorRemessa::kFormaTributacao), nullptr);
  EXPECT_EQ(m_valor.GetErro()->Codigo(), 215);
}

TEST(TzuqValorRemessa, SemBeneficiarioOCodigoNaoTemTipoNemPais) {
  ConsultasFalsas consultas;
  TzuqValorRemessa valor;
  valor.SetConsultas(&consultas);
  valor.SetCdRetencao(QStringLiteral("0473"));
  EXPECT_EQ(valor.ValidaCampo(TzuqValorRemessa::kCdRetencao), nullptr);
  valor.SetCdRetencao(QStringLiteral("0610"));
  ASSERT_NE(valor.ValidaCampo(TzuqValorRemessa::kCdRetencao), nullptr);
  EXPECT_EQ(valor.GetErro()->Codigo(), 68);
}

}  // namespace
