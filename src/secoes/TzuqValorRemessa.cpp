#include "secoes/TzuqValorRemessa.h"

#include "nucleo/TCodigoRetencao.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/IzuqConsultasRemessa.h"
#include "secoes/IzuqDeclaracaoRemessa.h"
#include "secoes/TzuqConsultasRemessaBanco.h"
#include "secoes/TzuqRemessa.h"

namespace {

namespace msg {
enum : uint16_t {
  kPessoaJuridica = 67,
  kPessoaFisica = 68,
  kNatureza = 69,
  kDataInvalida = 206,
  kCodigoInvalido = 208,
  kIrrfInvalido = 211,
  kTipoInvalido = 212,
  kRendimentoZero = 213,
  kFormaIrrfZero = 215,
  kFormaIrrfNaoZero = 216,
  kTipoNaoExiste = 217,
  kTipoSoPessoaFisica = 308,
  kTipoSoCopa = 309,
  kCodigoPais = 312,
  kTipoCodigo = 313,
};
}  // namespace msg

TzuqErro Erro(uint16_t codigo, int campo) { return TzuqErro(codigo, 0, campo); }

bool SoDigitos(const QString& texto) {
  for (const QChar c : texto)
    if (c < u'0' || c > u'9') return false;
  return true;
}

// Digits that are all zeros, or none at all.
bool SoZeros(const QString& texto) {
  for (const QChar c : texto)
    if (c != u'0') return false;
  return true;
}

bool TipoDaCopa(const QString& tipo) { return tipo == QStringLiteral("240") || tipo == QStringLiteral("250"); }

}  // namespace

TzuqValorRemessa::TzuqValorRemessa() = default;

IzuqConsultasRemessa& TzuqValorRemessa::GetConsultas() const {
  if (m_consultas) return *m_consultas;
  return m_remessa ? m_remessa->GetConsultas() : TzuqConsultasRemessaBanco::Instancia();
}

const TzuqErro* TzuqValorRemessa::ValidaCampo(uint8_t indice) {
  m_erro.reset();
  m_erro = Regra(indice);
  return m_erro ? &*m_erro : nullptr;
}

void TzuqValorRemessa::ValidaTodos() {
  m_erro.reset();
  m_erros.clear();
  for (uint8_t indice : {kData, kCdRetencao, kTipoRendimentoEmCache, kRendimentoPago, kIrrf, kFormaTributacao}) {
    // A stored code or tax that a rule cannot read is that rule's finding; the other rules still run.
    try {
      if (auto erro = Regra(indice)) m_erros.push_back(std::move(*erro));
    } catch (const EConversaoRemessa&) {
      m_erros.push_back(indice == kFormaTributacao ? Erro(msg::kIrrfInvalido, kIrrf)
                                                   : Erro(msg::kTipoInvalido, kTipoRendimento));
    }
  }
}

const TzuqErro* TzuqValorRemessa::GetErro() const {
  if (m_erro) return &*m_erro;
  return m_erros.empty() ? nullptr : &m_erros.front();
}

std::optional<TzuqErro> TzuqValorRemessa::Regra(uint8_t indice) {
  switch (indice) {
    case kData:
      if (m_data.isEmpty()) return Erro(msg::kDataInvalida, kData);
      return std::nullopt;
    case kRendimentoPago:
      // Only a whole amount is looked at; nothing typed counts as zero.
      if (SoZeros(m_vlRendimentoPago))
        return Erro(msg::kRendimentoZero, kRendimentoPago);
      return std::nullopt;
    case kCdRetencao:
    case kCdRetencaoImportado: return RegraCdRetencao();
    case kFormaTributacao:
    case kFormaTributacaoImportada: return RegraFormaTributacao();
    case kIrrf:
      if (m_vlIrrf.isEmpty()) return Erro(msg::kIrrfInvalido, kIrrf);
      return std::nullopt;
    case kTipoRendimento: return RegraTipoRendimento(false);
    case kTipoRendimentoEmCache: return RegraTipoRendimento(true);
    default: return std::nullopt;
  }
}

std::optional<TzuqErro> TzuqValorRemessa::RegraCdRetencao() {
  const QString tipoBeneficiario = m_remessa ? m_remessa->GetInTipoBeneficiario() : QString();
  QString tipoLinha;
  if (tipoBeneficiario == QStringLiteral("1") || tipoBeneficiario == QStringLiteral("F"))
    tipoLinha = QStringLiteral("F");
  else if (tipoBeneficiario == QStringLiteral("2") || tipoBeneficiario == QStringLiteral("J"))
    tipoLinha = QStringLiteral("J");

  TCodigoRetencao codigo;
  if (!GetConsultas().BuscaCodigoRetencao(m_cdRetencao, codigo) || codigo.GetCodigo().isEmpty())
    return Erro(msg::kCodigoInvalido, kCdRetencao);

  IzuqDeclaracaoRemessa* declaracao = m_remessa ? m_remessa->GetDeclaracao() : nullptr;
  // A declaration without a nature has that finding of its own; the code is not refused for it.
  const std::optional<int> natureza = declaracao ? declaracao->CodigoNatureza() : std::nullopt;
  if (natureza && !codigo.GetNaturezas().contains(QString::number(*natureza))) return Erro(msg::kNatureza, kCdRetencao);
  const bool administrador = declaracao && declaracao->AdministraFundoClube();
  if (!administrador && codigo.GetAnexo() == QStringLiteral("S")) return Erro(msg::kCodigoInvalido, kCdRetencao);
  const QString& tipoCodigo = codigo.GetPfPjAmbos();
  if (tipoCodigo != tipoLinha && tipoCodigo != QStringLiteral("A"))
    return Erro(tipoCodigo == QStringLiteral("J") ? msg::kPessoaJuridica : msg::kPessoaFisica, kCdRetencao);
  const QString pais = m_remessa ? m_remessa->GetCdPais().trimmed() : QString();
  if (m_cdRetencao == QStringLiteral("0610") && pais != QStringLiteral("586")) return Erro(msg::kCodigoPais, kCdRetencao);
  return std::nullopt;
}

bool TzuqValorRemessa::FormaTributacaoPermitida(IzuqConsultasRemessa& consultas, const QString& forma,
                                                const QString& irrf) {
  const QString codigo = forma.trimmed();
  if (codigo.isEmpty()) return false;
  int numero = 0;
  if (!ConversaoRemessa::TentaInteiro(codigo, numero)) return false;
  const auto encontrada = consultas.BuscaFormaTributacao(numero);
  if (!encontrada) return false;
  return encontrada->Admite(ConversaoRemessa::Numero(QStringLiteral("0") + irrf));
}

std::optional<TzuqErro> TzuqValorRemessa::RegraFormaTributacao() {
  if (!SoDigitos(m_cdFormaTributacao)) return std::nullopt;
  if (FormaTributacaoPermitida(GetConsultas(), m_cdFormaTributacao, m_vlIrrf)) return std::nullopt;
  const Valor irrf = ConversaoRemessa::Numero(QStringLiteral("0") + m_vlIrrf);
  return Erro(irrf.ehZero() ? msg::kFormaIrrfZero : msg::kFormaIrrfNaoZero, kFormaTributacao);
}

std::optional<TzuqErro> TzuqValorRemessa::RegraTipoRendimento(bool emCache) {
  const QString& tipo = m_cdTipoRendimento;
  if (tipo.size() < 3) return Erro(msg::kTipoInvalido, kTipoRendimento);
  const bool empresa = m_remessa && m_remessa->GetInTipoBeneficiario() == QStringLiteral("2");
  if (!emCache) {
    const bool existe = GetConsultas().ExisteTipoRendimento(tipo);
    if (empresa && TipoDaCopa(tipo)) return Erro(msg::kTipoInvalido, kTipoRendimento);
    if (!existe) return Erro(msg::kTipoNaoExiste, kTipoRendimento);
    return std::nullopt;
  }
  if (empresa && TipoDaCopa(tipo)) return Erro(msg::kTipoSoPessoaFisica, kTipoRendimento);
  IzuqDeclaracaoRemessa* declaracao = m_remessa ? m_remessa->GetDeclaracao() : nullptr;
  const bool copa = declaracao && declaracao->PagamentosCopa();
  if (!copa && TipoDaCopa(tipo)) return Erro(msg::kTipoSoCopa, kTipoRendimento);
  if (!GetConsultas().ExisteTipoRendimentoEmCache(ConversaoRemessa::Inteiro(tipo)))
    return Erro(msg::kTipoNaoExiste, kTipoRendimento);
  if (m_cdRetencao == QStringLiteral("0610") && tipo != QStringLiteral("110")) return Erro(msg::kTipoCodigo, kTipoRendimento);
  return std::nullopt;
}
