#include "nucleo/TBeneficiarioTolv.h"

#include "nucleo/TTolv.h"

namespace {
constexpr int kSemDeclaracao = 11;
constexpr int kFundoBeneficiario = 133;
constexpr int16_t kIdentificacaoFundo = 0;
}  // namespace

TBeneficiarioTolv::TBeneficiarioTolv(TTolv* declaracao) : m_declaracao(declaracao) {
  if (m_declaracao && m_declaracao->GetErros()) SetErros(m_declaracao->GetErros());
}

TBeneficiarioTolv::~TBeneficiarioTolv() { m_declaracao = nullptr; }

int TBeneficiarioTolv::Valida(const QString& texto) const {
  const int codigo = TContribuinte::Valida(texto);
  if (codigo != 0 || !m_verificaFundo) return codigo;
  const bool fundo = GetTipoIdentificacao() == kIdentificacaoFundo;
  const QString niFundo = m_anexoFundo ? m_anexoFundo->GetContribuinte().GetNiDigitos() : m_niFundo;
  if (texto == niFundo) return fundo ? kFundoBeneficiario : 0;
  // Another establishment of the fund: the kind of the number being set, not of the one it replaces.
  const uint8_t tipo = GetTipoNi(texto);
  const bool mesmaRaiz = texto.left(8) == niFundo.left(8);
  if (mesmaRaiz && texto.size() == 14 && fundo && (tipo == kNiCnpj || tipo == kNiIndefinido))
    return kFundoBeneficiario;
  return 0;
}

int TBeneficiarioTolv::ValidaBeneficiario() const {
  if (const int codigo = ValidaContribuinte()) return codigo;
  return m_declaracao ? 0 : kSemDeclaracao;
}
