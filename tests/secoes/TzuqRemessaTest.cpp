#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "secoes/ConversaoRemessa.h"
#include "secoes/RemessaFalsas.h"
#include "secoes/TzuqRemessa.h"
#include "suporte/QtGtest.h"

namespace {

using remessa_teste::ConsultasFalsas;
using remessa_teste::DeclaracaoFalsa;

// A company abroad whose every field passes.
void Preenche(TzuqRemessa& r) {
  r.SetInTipoBeneficiario(QStringLiteral("2"));
  r.SetCdPais(QStringLiteral("586"));
  r.SetNif(QStringLiteral("AB123"));
  r.SetInBenefDispensaNif(QStringLiteral("N"));
  r.SetInPaisDispensaNif(QStringLiteral("N"));
  r.SetCdRelFonteBeneficiario(QStringLiteral("500"));
  r.SetNiComErro(QStringLiteral("11222333000181"));
  r.GetNome().SetNomeComErro(QStringLiteral("Empresa Exterior Ltda"));
  r.SetLogradouro(QStringLiteral("Calle Mayor"));
  r.SetNumero(QStringLiteral("123A"));
  r.SetComplemento(QStringLiteral("Sala 4"));
  r.SetBairro(QStringLiteral("Centro"));
  r.SetCxPostal(QStringLiteral("12345"));
  r.SetCidade(QStringLiteral("Asunción"));
  r.SetEstado(QStringLiteral("Central"));
  r.SetTelefone(QStringLiteral("595211234"));
}

class RemessaComFalsas : public testing::Test {
 protected:
  void SetUp() override {
    Preenche(m_remessa);
    m_remessa.SetDeclaracao(&m_declaracao);
    m_remessa.SetConsultas(&m_consultas);
  }

  ConsultasFalsas m_consultas;
  DeclaracaoFalsa m_declaracao;
  TzuqRemessa m_remessa;
};

// One case of a field rule: what to change in the passing beneficiary, the index asked and the
// error item expected (code 0: none).
struct Caso {
  const char* nome;
  uint8_t indice;
  std::function<void(TzuqRemessa&, DeclaracaoFalsa&)> muda;
  uint16_t codigo = 0;
  int campo = 0;
  const char16_t* mensagem = u"";
};

std::string NomeCaso(const testing::TestParamInfo<Caso>& info) { return info.param.nome; }

class RegraRemessa : public RemessaComFalsas, public testing::WithParamInterface<Caso> {};

TEST_P(RegraRemessa, DaOErroDoCampo) {
  const Caso& caso = GetParam();
  caso.muda(m_remessa, m_declaracao);
  const TzuqErro* erro = m_remessa.ValidaCampo(caso.indice);
  if (caso.codigo == 0) {
    EXPECT_EQ(erro, nullptr) << erro->Codigo();
    EXPECT_TRUE(m_remessa.EhValido());
    return;
  }
  ASSERT_NE(erro, nullptr);
  EXPECT_EQ(erro->Codigo(), caso.codigo);
  EXPECT_EQ(erro->NumeroCampo(), caso.campo);
  EXPECT_EQ(erro->Tipo(), 0);
  EXPECT_EQ(erro->Mensagem(), QString::fromUtf16(caso.mensagem));
  EXPECT_FALSE(m_remessa.EhValido());
  EXPECT_EQ(m_remessa.GetErro(), erro);
}

auto Tipo(const char* v) {
  return [v](TzuqRemessa& r, DeclaracaoFalsa&) { r.SetInTipoBeneficiario(QString::fromLatin1(v)); };
}
auto Pais(const char* v) {
  return [v](TzuqRemessa& r, DeclaracaoFalsa&) { r.SetCdPais(QString::fromLatin1(v)); };
}
auto Nif(const char* nif, const char* beneficiario, const char* pais) {
  return [=](TzuqRemessa& r, DeclaracaoFalsa&) {
    r.SetNif(QString::fromLatin1(nif));
    r.SetInBenefDispensaNif(QString::fromLatin1(beneficiario));
    r.SetInPaisDispensaNif(QString::fromLatin1(pais));
  };
}
auto Relacao(const char* tipo, const char* codigo, uint8_t declarante) {
  return [=](TzuqRemessa& r, DeclaracaoFalsa& d) {
    r.SetInTipoBeneficiario(QString::fromLatin1(tipo));
    r.SetCdRelFonteBeneficiario(QString::fromLatin1(codigo));
    d.tipoNi = declarante;
  };
}
auto Ni(const char* tipo, const char* numero, bool verificando = false, bool administrador = false) {
  return [=](TzuqRemessa& r, DeclaracaoFalsa& d) {
    r.SetInTipoBeneficiario(QString::fromLatin1(tipo));
    r.SetNiComErro(QString::fromLatin1(numero));
    d.verificando = verificando;
    d.administrador = administrador;
  };
}
auto Nome(const char* tipo, const char16_t* nome) {
  return [=](TzuqRemessa& r, DeclaracaoFalsa&) {
    r.SetInTipoBeneficiario(QString::fromLatin1(tipo));
    r.GetNome().SetNomeComErro(QString::fromUtf16(nome));
  };
}
auto Campo(void (TzuqRemessa::*setter)(const QString&), const char16_t* valor) {
  return [=](TzuqRemessa& r, DeclaracaoFalsa&) { (r.*setter)(QString::fromUtf16(valor)); };
}

INSTANTIATE_TEST_SUITE_P(TipoBeneficiario, RegraRemessa,
                         testing::Values(Caso{"Vazio", 0, Tipo(""), 193, 0, u"Informe o tipo de beneficiário."},
                                         Caso{"Pessoa", 0, Tipo("1")}, Caso{"Empresa", 0, Tipo("2")}),
                         NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    Pais, RegraRemessa,
    testing::Values(Caso{"Vazio", 1, Pais(""), 195, 1, u"Informe o país de residência."},
                    Caso{"Existente", 1, Pais("586")},
                    Caso{"Inexistente", 1, Pais("999"), 229, 1, u"Código de país não existe."},
                    Caso{"VazioEmCache", 2, Pais(""), 195, 1, u"Informe o país de residência."},
                    Caso{"ExistenteEmCache", 2, Pais("586")},
                    Caso{"InexistenteEmCache", 2, Pais("999"), 229, 1, u"Código de país não existe."}),
    NomeCaso);

constexpr const char16_t* kNifObrigatorio =
    u"Preenchimento do campo NIF ou do Motivo do não preenchimento obrigatório.";

INSTANTIATE_TEST_SUITE_P(
    Nif, RegraRemessa,
    testing::Values(Caso{"VazioSemDispensa", 3, Nif("", "N", "N"), 290, 3, kNifObrigatorio},
                    Caso{"PreenchidoComDispensaDoBeneficiario", 3, Nif("X1", "S", "N"), 290, 3, kNifObrigatorio},
                    Caso{"PreenchidoComDispensaDoPais", 3, Nif("X1", "N", "S"), 290, 3, kNifObrigatorio},
                    Caso{"VazioComAsDuasDispensas", 3, Nif("", "S", "S"), 280, 4,
                         u"Indicador de beneficiário dispensado do Número de Identificação Fiscal inválido."},
                    Caso{"ComBarra", 3, Nif("AB|12", "N", "N"), 196, 3, u"Número de identificação fiscal inválido."},
                    Caso{"VazioDispensadoPeloBeneficiario", 3, Nif("", "S", "N")},
                    Caso{"VazioDispensadoPeloPais", 3, Nif("", "N", "S")},
                    Caso{"Preenchido", 3, Nif("AB123", "N", "N")}),
    NomeCaso);

constexpr const char16_t* kRelacaoInvalida = u"Relação fonte pagadora/beneficiário inválida.";

INSTANTIATE_TEST_SUITE_P(
    Relacao, RegraRemessa,
    testing::Values(Caso{"EmpresaSemCodigoDeclaranteEmpresa", 6, Relacao("2", "", kNiCnpj), 197, 6, kRelacaoInvalida},
                    Caso{"EmpresaComCodigoEmBranco", 6, Relacao("2", "   ", kNiCnpj), 197, 6, kRelacaoInvalida},
                    Caso{"EmpresaSemCodigoDeclarantePessoa", 6, Relacao("2", "", kNiCpf)},
                    Caso{"PessoaSemCodigo", 6, Relacao("1", "", kNiCnpj)},
                    Caso{"CodigoExistente", 6, Relacao("2", "900", kNiCnpj)},
                    Caso{"CodigoInexistente", 6, Relacao("2", "510", kNiCnpj), 197, 6, kRelacaoInvalida},
                    Caso{"PessoaComCodigoInexistente", 6, Relacao("1", "999", kNiCpf), 197, 6, kRelacaoInvalida}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    Ni, RegraRemessa,
    testing::Values(
        Caso{"Vazio", 8, Ni("2", "")}, Caso{"CpfDePessoa", 8, Ni("1", "12345678909")},
        Caso{"CnpjDeEmpresa", 8, Ni("2", "11222333000181")},
        Caso{"CpfInvalido", 8, Ni("1", "12345678900"), 35, 8, u"CPF inválido."},
        Caso{"CnpjInvalido", 8, Ni("2", "11222333000180"), 36, 8, u"CNPJ inválido."},
        Caso{"TamanhoSemTipo", 8, Ni("1", "12345"), 34, 8, u"CPF/CNPJ inválido: ."},
        Caso{"CpfParaEmpresa", 8, Ni("2", "12345678909"), 220, 8, u"CNPJ inválido: ."},
        Caso{"CnpjParaPessoa", 8, Ni("1", "11222333000181"), 221, 8, u"CPF inválido: ."},
        Caso{"FilialDeFundoNaVerificacao", 8, Ni("2", "11444777000242", true, true), 294, 8,
             u"Beneficiário não pode ser filial de fundo ou clube de investimento: 11.444.777/0002-42."},
        Caso{"FilialDeFundoForaDaVerificacao", 8, Ni("2", "11444777000242", false, true)},
        Caso{"FilialDeFundoSemAdministrar", 8, Ni("2", "11444777000242", true, false)},
        Caso{"MatrizDeFundo", 8, Ni("2", "11444777000161", true, true)},
        Caso{"FilialDeOutraRaiz", 8, Ni("2", "11222333000262", true, true)}),
    NomeCaso);

constexpr const char16_t* kNomeInvalido = u"Nome inválido.";

INSTANTIATE_TEST_SUITE_P(
    Nome, RegraRemessa,
    testing::Values(Caso{"Vazio", 9, Nome("1", u""), 198, 9, kNomeInvalido},
                    Caso{"DuasPalavras", 9, Nome("1", u"Maria Silva")},
                    Caso{"TresIguais", 9, Nome("1", u"Caaasa Silva")},
                    Caso{"QuatroIguais", 9, Nome("1", u"Maaaaria"), 198, 9, kNomeInvalido},
                    Caso{"QuatroIguaisEntreBrancos", 9, Nome("1", u"Ma a aa"), 198, 9, kNomeInvalido},
                    Caso{"QuatroIguaisMaiusculasEMinusculas", 9, Nome("2", u"Casa AAaa"), 198, 9, kNomeInvalido},
                    Caso{"DoisPontosFinais", 9, Nome("2", u"Silva.. Ltda"), 198, 9, kNomeInvalido},
                    Caso{"DuasVirgulasEntreBranco", 9, Nome("2", u"Silva, , Ltda"), 198, 9, kNomeInvalido},
                    Caso{"UmPonto", 9, Nome("2", u"Silva. Ltda")},
                    Caso{"SoDigitos", 9, Nome("2", u"12345"), 198, 9, kNomeInvalido},
                    Caso{"SoLetrasAcentuadas", 9, Nome("1", u"Éã Çô"), 198, 9, kNomeInvalido},
                    Caso{"BarraDeEmpresa", 9, Nome("2", u"Empresa | Ltda"), 287, 9,
                         u"Caracteres inválidos no nome empresarial: |."},
                    Caso{"BarraDePessoa", 9, Nome("1", u"Maria | Silva"), 287, 9,
                         u"Caracteres inválidos no nome: |."}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    NumeroDoLogradouro, RegraRemessa,
    testing::Values(Caso{"Vazio", 12, Campo(&TzuqRemessa::SetNumero, u"")},
                    Caso{"Digitos", 12, Campo(&TzuqRemessa::SetNumero, u"123")},
                    Caso{"DigitosELetra", 12, Campo(&TzuqRemessa::SetNumero, u"12b")},
                    Caso{"Barra", 12, Campo(&TzuqRemessa::SetNumero, u"12/3"), 201, 12, u"Número do logradouro inválido."},
                    Caso{"Branco", 12, Campo(&TzuqRemessa::SetNumero, u"12 3"), 201, 12,
                         u"Número do logradouro inválido."},
                    Caso{"SoLetras", 12, Campo(&TzuqRemessa::SetNumero, u"SN"), 201, 12,
                         u"Número do logradouro inválido."},
                    Caso{"LetraAcentuada", 12, Campo(&TzuqRemessa::SetNumero, u"12ª"), 201, 12,
                         u"Número do logradouro inválido."}),
    NomeCaso);

INSTANTIATE_TEST_SUITE_P(
    CodigoPostalETelefone, RegraRemessa,
    testing::Values(Caso{"CodigoPostalVazio", 11, Campo(&TzuqRemessa::SetCxPostal, u"")},
                    Caso{"CodigoPostalDigitos", 11, Campo(&TzuqRemessa::SetCxPostal, u"01234")},
                    Caso{"CodigoPostalComHifen", 11, Campo(&TzuqRemessa::SetCxPostal, u"0123-4"), 200, 11,
                         u"Código postal inválido."},
                    Caso{"CodigoPostalComLetra", 11, Campo(&TzuqRemessa::SetCxPostal, u"SW1A"), 200, 11,
                         u"Código postal inválido."},
                    Caso{"TelefoneVazio", 15, Campo(&TzuqRemessa::SetTelefone, u"")},
                    Caso{"TelefoneDigitos", 15, Campo(&TzuqRemessa::SetTelefone, u"595211234")},
                    Caso{"TelefoneComHifen", 15, Campo(&TzuqRemessa::SetTelefone, u"595-21"), 204, 15,
                         u"Telefone inválido."},
                    Caso{"TelefoneComBranco", 15, Campo(&TzuqRemessa::SetTelefone, u"595 21"), 204, 15,
                         u"Telefone inválido."}),
    NomeCaso);

// The address texts share one rule; each field has its own message and its own words for '|'.
struct CampoTexto {
  const char* nome;
  uint8_t indice;
  void (TzuqRemessa::*setter)(const QString&);
  uint16_t codigo;
  const char16_t* mensagem;
  const char16_t* barra;
};
enum class Esperado { Nada, Proprio, Barra };
struct Texto {
  const char* nome;
  const char16_t* valor;
  Esperado esperado;
};

class RegraTextoRemessa : public RemessaComFalsas, public testing::WithParamInterface<std::tuple<CampoTexto, Texto>> {};

TEST_P(RegraTextoRemessa, DaOErroDoCampo) {
  const auto& [campo, texto] = GetParam();
  (m_remessa.*campo.setter)(QString::fromUtf16(texto.valor));
  const TzuqErro* erro = m_remessa.ValidaCampo(campo.indice);
  if (texto.esperado == Esperado::Nada) {
    EXPECT_EQ(erro, nullptr);
    return;
  }
  ASSERT_NE(erro, nullptr);
  EXPECT_EQ(erro->NumeroCampo(), campo.indice);
  if (texto.esperado == Esperado::Proprio) {
    EXPECT_EQ(erro->Codigo(), campo.codigo);
    EXPECT_EQ(erro->Mensagem(), QString::fromUtf16(campo.mensagem));
  } else {
    EXPECT_EQ(erro->Codigo(), 287);
    EXPECT_EQ(erro->Mensagem(), QString::fromUtf16(campo.barra));
  }
}

INSTANTIATE_TEST_SUITE_P(
    TextosDoEndereco, RegraTextoRemessa,
    testing::Combine(
        testing::Values(
            CampoTexto{"Complemento", 10, &TzuqRemessa::SetComplemento, 199, u"Complemento inválido.",
                       u"Caracteres inválidos no complemento: |."},
            CampoTexto{"Cidade", 13, &TzuqRemessa::SetCidade, 202, u"Cidade inválida.",
                       u"Caracteres inválidos na cidade: |."},
            CampoTexto{"Logradouro", 14, &TzuqRemessa::SetLogradouro, 203, u"Logradouro inválido.",
                       u"Caracteres inválidos no logradouro: |."},
            CampoTexto{"Bairro", 16, &TzuqRemessa::SetBairro, 205, u"Bairro inválido.",
                       u"Caracteres inválidos no bairro: |."},
            CampoTexto{"Estado", 17, &TzuqRemessa::SetEstado, 218, u"Estado/província Inválida.",
                       u"Caracteres inválidos no estado: |."}),
        testing::Values(Texto{"Vazio", u"", Esperado::Nada}, Texto{"Brancos", u"   ", Esperado::Nada},
                        Texto{"Acentuado", u"São Paulo", Esperado::Nada},
                        Texto{"PontuacaoRepetida", u"Av.. 5", Esperado::Nada},
                        Texto{"SoDigitos", u"12345", Esperado::Proprio},
                        Texto{"SoAcentuadas", u"Ééé", Esperado::Proprio},
                        Texto{"QuatroIguais", u"Rua Xxxx", Esperado::Proprio},
                        Texto{"QuatroIguaisEntreBrancos", u"aa aa", Esperado::Proprio},
                        Texto{"Barra", u"Rua | 5", Esperado::Barra},
                        Texto{"BarraEQuatroIguais", u"aaaa|", Esperado::Barra})),
    [](const testing::TestParamInfo<std::tuple<CampoTexto, Texto>>& info) {
      return std::string(std::get<0>(info.param).nome) + std::get<1>(info.param).nome;
    });

TEST_F(RemessaComFalsas, IndicesSemRegraNaoAcusamNadaEValidaTodosAcusaAsDispensas) {
  m_remessa.SetInBenefDispensaNif(QStringLiteral("X"));
  m_remessa.SetInPaisDispensaNif(QString());
  m_remessa.SetCdRelFonteBeneficiario(QStringLiteral("qualquer"));
  for (uint8_t indice : {4, 5, 7, 18, 255}) {
    EXPECT_EQ(m_remessa.ValidaCampo(indice), nullptr) << int(indice);
    EXPECT_TRUE(m_remessa.EhValido()) << int(indice);
  }
  m_remessa.SetCdRelFonteBeneficiario(QStringLiteral("500"));
  m_remessa.ValidaTodos();
  ASSERT_EQ(m_remessa.GetErros().size(), 2u);
  EXPECT_EQ(m_remessa.GetErros()[0].Codigo(), 280);
  EXPECT_EQ(m_remessa.GetErros()[0].NumeroCampo(), 4);
  EXPECT_EQ(m_remessa.GetErros()[1].Codigo(), 281);
  EXPECT_EQ(m_remessa.GetErros()[1].NumeroCampo(), 5);
  EXPECT_EQ(m_remessa.GetErros()[1].Mensagem(),
            QStringLiteral("Indicador de que o país não exige Número de Identificação Fiscal inválido."));
}

TEST_F(RemessaComFalsas, ValidaTodosListaCadaErroNaOrdemDosCamposSemErroCorrente) {
  TzuqRemessa r;
  r.SetConsultas(&m_consultas);
  r.SetDeclaracao(&m_declaracao);
  r.SetInBenefDispensaNif(QStringLiteral("X"));
  r.SetNiComErro(QStringLiteral("12345678900"));
  r.SetComplemento(QStringLiteral("1"));
  r.SetCxPostal(QStringLiteral("a"));
  r.SetNumero(QStringLiteral("/"));
  r.SetCidade(QStringLiteral("2"));
  r.SetLogradouro(QStringLiteral("3"));
  r.SetTelefone(QStringLiteral("b"));
  r.SetBairro(QStringLiteral("4"));
  r.SetEstado(QStringLiteral("5"));
  ASSERT_NE(r.ValidaCampo(TzuqRemessa::kTipoBeneficiario), nullptr);
  r.ValidaTodos();
  std::vector<std::pair<int, int>> achados;
  for (const TzuqErro& e : r.GetErros()) achados.emplace_back(e.Codigo(), e.NumeroCampo());
  const std::vector<std::pair<int, int>> esperados{{193, 0},  {195, 1},  {280, 4},  {281, 5},  {35, 8},
                                                   {198, 9},  {199, 10}, {200, 11}, {201, 12}, {202, 13},
                                                   {203, 14}, {204, 15}, {205, 16}, {218, 17}};
  EXPECT_EQ(achados, esperados);
  EXPECT_FALSE(r.EhValido());
  EXPECT_EQ(r.GetErro(), &r.GetErros().front());
  // A single rule that passes leaves the list of the full check standing.
  r.SetInTipoBeneficiario(QStringLiteral("1"));
  EXPECT_EQ(r.ValidaCampo(TzuqRemessa::kTipoBeneficiario), nullptr);
  EXPECT_FALSE(r.EhValido());
}

TEST_F(RemessaComFalsas, OPaisPerguntaATabelaDaDeclaracaoOuOCacheConformeOIndice) {
  m_remessa.ValidaCampo(TzuqRemessa::kPais);
  EXPECT_EQ(m_consultas.perguntasBanco, 1);
  EXPECT_EQ(m_consultas.perguntasCache, 0);
  m_remessa.ValidaCampo(TzuqRemessa::kPaisEmCache);
  EXPECT_EQ(m_consultas.perguntasBanco, 1);
  EXPECT_EQ(m_consultas.perguntasCache, 1);
  // A country that is not a number fails its conversion, as the import expects.
  m_remessa.SetCdPais(QStringLiteral("PY"));
  EXPECT_THROW(m_remessa.ValidaCampo(TzuqRemessa::kPaisEmCache), EConversaoRemessa);
}

// The full check of a stored beneficiary never raises: a country that is not a number does not exist.
TEST_F(RemessaComFalsas, ValidaTodosNaoLevantaComPaisIlegivel) {
  m_remessa.SetCdPais(QStringLiteral("PY"));
  EXPECT_NO_THROW(m_remessa.ValidaTodos());
  ASSERT_FALSE(m_remessa.GetErros().empty());
  EXPECT_EQ(m_remessa.GetErros().front().Codigo(), 229);
  EXPECT_EQ(m_remessa.GetErros().front().NumeroCampo(), int(TzuqRemessa::kPais));
}

TEST(TzuqRemessa, ONumeroArmazenadoEhABaseSoDeUmNumeroValido) {
  TzuqRemessa r;
  EXPECT_EQ(r.GetNiArmazenado(), QString());
  EXPECT_EQ(r.GetInPfPj(), "0");
  r.SetNiComErro(QStringLiteral("123.456.789-09"));
  EXPECT_EQ(r.GetNiArmazenado(), "123456789");
  EXPECT_EQ(r.GetInPfPj(), "1");
  r.SetNiComErro(QStringLiteral("11222333000181"));
  EXPECT_EQ(r.GetNiArmazenado(), "112223330001");
  EXPECT_EQ(r.GetInPfPj(), "2");
  // Cut to a base, a number typed wrong would come back with right check digits: it stays whole.
  r.SetNiComErro(QStringLiteral("12345678900"));
  EXPECT_EQ(r.GetNiArmazenado(), "12345678900");
}

}  // namespace
