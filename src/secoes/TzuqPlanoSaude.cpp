#include "secoes/TzuqPlanoSaude.h"

namespace {
constexpr int16_t kIdentificacaoOperadora = 3;
}  // namespace

TzuqPlanoSaude::TzuqPlanoSaude(TTolv& declaracao) : m_contribuinte(kNiCnpj, true), m_declaracao(&declaracao) {
  m_contribuinte.SetTipo(kNiCnpj);
  m_contribuinte.SetTipoIdentificacao(kIdentificacaoOperadora);
}

TzuqPlanoSaude::TzuqPlanoSaude() : m_contribuinte(kNiCnpj, true) {}

TzuqPlanoSaude::~TzuqPlanoSaude() = default;

void TzuqPlanoSaude::Limpar() {
  m_id = 0;
  m_registroAns.CarregaValor(QString());
  m_contribuinte.LimpaTudo();
}
