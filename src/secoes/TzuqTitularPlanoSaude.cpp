#include "secoes/TzuqTitularPlanoSaude.h"

TzuqTitularPlanoSaude::TzuqTitularPlanoSaude(TzuqPlanoSaude& planoSaude)
    : m_contribuinte(kNiCpf), m_planoSaude(&planoSaude) {}

TzuqTitularPlanoSaude::~TzuqTitularPlanoSaude() = default;

void TzuqTitularPlanoSaude::Limpar() {
  m_id = 0;
  m_valorPago.Limpar();
  m_contribuinte.LimpaTudo();
}
