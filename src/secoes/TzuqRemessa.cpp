#include "secoes/TzuqRemessa.h"

#include "secoes/ConversaoRemessa.h"
#include "secoes/IzuqConsultasRemessa.h"
#include "secoes/IzuqDeclaracaoRemessa.h"
#include "secoes/TzuqConsultasRemessaBanco.h"
#include "secoes/VarreduraTextoRemessa.h"

namespace {

namespace msg {
enum : uint16_t {
  kInformeTipo = 193,
  kInformePais = 195,
  kNifInvalido = 196,
  kRelacaoInvalida = 197,
  kNomeInvalido = 198,
  kComplementoInvalido = 199,
  kCxPostalInvalida = 200,
  kNumeroInvalido = 201,
  kCidadeInvalida = 202,
  kLogradouroInvalido = 203,
  kTelefoneInvalido = 204,
  kBairroInvalido = 205,
  kEstadoInvalido = 218,
  kCnpjInvalido = 220,
  kCpfInvalido = 221,
  kPaisNaoExiste = 229,
  kDispensaBeneficiario = 280,
  kDispensaPais = 281,
  kCaracteresInvalidos = 287,
  kNifObrigatorio = 290,
  kFilialDeFundo = 294,
};
}  // namespace msg

TzuqErro Erro(uint16_t codigo, int campo) { return TzuqErro(codigo, 0, campo); }

bool SoDigitos(const QString& texto) {
  for (const QChar c : texto)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// Postal code and phone: empty or digits only.
std::optional<TzuqErro> RegraDigitos(const QString& texto, uint16_t codigo, int campo) {
  if (!texto.isEmpty() && !SoDigitos(texto)) return Erro(codigo, campo);
  return std::nullopt;
}

std::optional<TzuqErro> RegraTexto(const QString& texto, uint16_t codigo, int campo, const QString& onde) {
  if (texto.trimmed().isEmpty()) return std::nullopt;
  const auto v = VarreduraTextoRemessa::Varre(texto, false);
  if (!v.repeticao && !v.barra && v.letra) return std::nullopt;
  if (v.barra) return TzuqErro::CreateComTexto(msg::kCaracteresInvalidos, 0, campo, onde);
  return Erro(codigo, campo);
}

// Empty, or a digit and nothing but ASCII letters and digits.
std::optional<TzuqErro> RegraNumero(const QString& texto) {
  bool digito = false;
  for (const QChar c : texto) {
    const bool ehDigito = c >= u'0' && c <= u'9';
    const bool ehLetra = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!ehDigito && !ehLetra) return Erro(msg::kNumeroInvalido, TzuqRemessa::kNumero);
    digito = digito || ehDigito;
  }
  if (!texto.isEmpty() && !digito) return Erro(msg::kNumeroInvalido, TzuqRemessa::kNumero);
  return std::nullopt;
}

bool SimNao(const QString& v) { return v == QStringLiteral("S") || v == QStringLiteral("N"); }

}  // namespace

TzuqRemessa::TzuqRemessa() = default;

IzuqConsultasRemessa& TzuqRemessa::GetConsultas() const {
  return m_consultas ? *m_consultas : TzuqConsultasRemessaBanco::Instancia();
}

QString TzuqRemessa::GetNiArmazenado() const {
  const QString& digitos = GetNiDigitos();
  if (digitos.isEmpty()) return {};
  const uint8_t tipo = GetTipo();
  if ((tipo == kNiCpf || tipo == kNiCnpj) && CodigoErroNi() == 0) return GetBase();
  return digitos;
}

QString TzuqRemessa::GetInPfPj() const {
  return GetNiDigitos().isEmpty() ? QStringLiteral("0") : QString::number(GetTipo());
}

const TzuqErro* TzuqRemessa::ValidaCampo(uint8_t indice) {
  m_erro.reset();
  m_erro = Regra(indice);
  return m_erro ? &*m_erro : nullptr;
}

void TzuqRemessa::ValidaTodos() {
  m_erro.reset();
  m_erros.clear();
  auto junta = [this](std::optional<TzuqErro> erro) {
    if (erro) m_erros.push_back(std::move(*erro));
  };
  junta(Regra(kTipoBeneficiario));
  // A stored country that is not a number is one that does not exist; the other rules still run.
  try {
    junta(Regra(kPais));
  } catch (const EConversaoRemessa&) {
    junta(Erro(msg::kPaisNaoExiste, kPais));
  }
  junta(Regra(kNif));
  if (!SimNao(m_inBenefDispensaNif)) junta(Erro(msg::kDispensaBeneficiario, kDispensaBeneficiario));
  if (!SimNao(m_inPaisDispensaNif)) junta(Erro(msg::kDispensaPais, kDispensaPais));
  for (uint8_t indice : {kRelacao, kNi, kNome, kComplemento, kCxPostal, kNumero, kCidade, kLogradouro, kTelefone,
                         kBairro, kEstado})
    junta(Regra(indice));
}

const TzuqErro* TzuqRemessa::GetErro() const {
  if (m_erro) return &*m_erro;
  return m_erros.empty() ? nullptr : &m_erros.front();
}

std::optional<TzuqErro> TzuqRemessa::Regra(uint8_t indice) {
  switch (indice) {
    case kTipoBeneficiario:
      if (m_inTipoBeneficiario.isEmpty()) return Erro(msg::kInformeTipo, kTipoBeneficiario);
      return std::nullopt;
    case kPais: return RegraPais(false);
    case kPaisEmCache: return RegraPais(true);
    case kNif: return RegraNif();
    case kRelacao: return RegraRelacao();
    case kNi: return RegraNi();
    case kNome: return RegraNome();
    case kComplemento:
      return RegraTexto(m_complemento, msg::kComplementoInvalido, kComplemento, QStringLiteral("no complemento"));
    case kCxPostal: return RegraDigitos(m_cxPostal, msg::kCxPostalInvalida, kCxPostal);
    case kNumero: return RegraNumero(m_numero);
    case kCidade: return RegraTexto(m_cidade, msg::kCidadeInvalida, kCidade, QStringLiteral("na cidade"));
    case kLogradouro:
      return RegraTexto(m_logradouro, msg::kLogradouroInvalido, kLogradouro, QStringLiteral("no logradouro"));
    case kTelefone: return RegraDigitos(m_telefone, msg::kTelefoneInvalido, kTelefone);
    case kBairro: return RegraTexto(m_bairro, msg::kBairroInvalido, kBairro, QStringLiteral("no bairro"));
    case kEstado: return RegraTexto(m_estado, msg::kEstadoInvalido, kEstado, QStringLiteral("no estado"));
    default: return std::nullopt;  // 4, 5, 7 and beyond: nothing to check
  }
}

std::optional<TzuqErro> TzuqRemessa::RegraPais(bool emCache) {
  if (m_cdPais.isEmpty()) return Erro(msg::kInformePais, kPais);
  const int codigo = ConversaoRemessa::Inteiro(m_cdPais);
  IzuqConsultasRemessa& consultas = GetConsultas();
  const bool existe = emCache ? consultas.ExistePaisEmCache(codigo) : consultas.ExistePais(codigo);
  if (!existe) return Erro(msg::kPaisNaoExiste, kPais);
  return std::nullopt;
}

std::optional<TzuqErro> TzuqRemessa::RegraNif() const {
  const QString& n = m_nif;
  const bool bSim = m_inBenefDispensaNif == QStringLiteral("S");
  const bool pSim = m_inPaisDispensaNif == QStringLiteral("S");
  const bool bNao = m_inBenefDispensaNif == QStringLiteral("N");
  const bool pNao = m_inPaisDispensaNif == QStringLiteral("N");
  if (n.isEmpty() && bNao && pNao) return Erro(msg::kNifObrigatorio, kNif);
  if (!n.isEmpty() && (bSim || pSim)) return Erro(msg::kNifObrigatorio, kNif);
  if (bSim && pSim) return Erro(msg::kDispensaBeneficiario, kDispensaBeneficiario);
  if (n.contains(u'|')) return Erro(msg::kNifInvalido, kNif);
  return std::nullopt;
}

std::optional<TzuqErro> TzuqRemessa::RegraRelacao() {
  const QString codigo = m_cdRelFonteBeneficiario.trimmed();
  if (codigo.isEmpty()) {
    if (m_inTipoBeneficiario == QStringLiteral("2") && m_declaracao && m_declaracao->TipoNiDeclarante() == kNiCnpj)
      return Erro(msg::kRelacaoInvalida, kRelacao);
    return std::nullopt;
  }
  if (!GetConsultas().ExisteRelacao(m_cdRelFonteBeneficiario)) return Erro(msg::kRelacaoInvalida, kRelacao);
  return std::nullopt;
}

std::optional<TzuqErro> TzuqRemessa::RegraNi() {
  if (GetNiFormatado().trimmed().isEmpty()) return std::nullopt;
  if (const int codigo = CodigoErroNi()) return Erro(uint16_t(codigo), kNi);
  const uint8_t tipo = GetTipo();
  if (tipo == kNiCpf && m_inTipoBeneficiario == QStringLiteral("2")) return Erro(msg::kCnpjInvalido, kNi);
  if (tipo == kNiCnpj && m_inTipoBeneficiario == QStringLiteral("1")) return Erro(msg::kCpfInvalido, kNi);
  // A branch of a fund or club the declarant administers cannot be paid abroad; only the
  // verification asks, as it alone reads the annexes.
  if (m_declaracao && m_declaracao->VerificacaoEmCurso() && m_declaracao->AdministraFundoClube() &&
      m_inTipoBeneficiario == QStringLiteral("2")) {
    const QString ordem = TNi::OrdemCnpj(GetNiDigitos(), false);
    if (ordem > QStringLiteral("0001") && m_declaracao->FundoMesmaRaiz(GetNiDigitos()) != QStringLiteral("SemErro"))
      return TzuqErro::CreateComTexto(msg::kFilialDeFundo, 0, kNi, GetNiFormatado());
  }
  return std::nullopt;
}

std::optional<TzuqErro> TzuqRemessa::RegraNome() const {
  const QString nome = GetNome().GetValor();
  if (nome.isEmpty()) return Erro(msg::kNomeInvalido, kNome);
  const auto v = VarreduraTextoRemessa::Varre(nome, true);
  switch (v.primeira) {
    case VarreduraTextoRemessa::Falha::Repeticao:
    case VarreduraTextoRemessa::Falha::Pontuacao: return Erro(msg::kNomeInvalido, kNome);
    case VarreduraTextoRemessa::Falha::Barra:
      return TzuqErro::CreateComTexto(msg::kCaracteresInvalidos, 0, kNome,
                                      m_inTipoBeneficiario == QStringLiteral("2") ? QStringLiteral("no nome empresarial")
                                                                                  : QStringLiteral("no nome"));
    case VarreduraTextoRemessa::Falha::Nenhuma: break;
  }
  if (!v.letra) return Erro(msg::kNomeInvalido, kNome);
  return std::nullopt;
}
