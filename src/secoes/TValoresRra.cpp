#include "secoes/TValoresRra.h"

TValoresRra::TValoresRra() {
  for (int mes = 1; mes <= 12; ++mes) {
    m_totalCustas.AdicionaSomando(GetCustas(mes));
    m_totalMeses.AdicionaSomando(GetMeses(mes));
  }
  // Building the totals notified: a new item is not a changed one.
  SetModificado(false);
}

TValoresRra::~TValoresRra() = default;

void TValoresRra::ZeraValores() {
  TRendimentosTributaveis::ZeraValores();
  for (TMonetario& custas : m_custas) custas.SetValorMonetario(Valor());
  for (TMeses& meses : m_meses) meses.SetValorMonetario(Valor());
}

bool TValoresRra::EstaVazio() const {
  if (!TRendimentosTributaveis::EstaVazio()) return false;
  for (int mes = 1; mes <= 12; ++mes)
    if (GetCustas(mes).GetValorMonetario() > Valor() || GetMeses(mes).GetValorMonetario() > Valor()) return false;
  return true;
}

void TValoresRra::SetModificado(bool modificado) {
  TRendimentosTributaveis::SetModificado(modificado);
  for (TMonetario& custas : m_custas) custas.SetModificado(modificado);
  for (TMeses& meses : m_meses) meses.SetModificado(modificado);
  m_totalCustas.SetModificado(modificado);
  m_totalMeses.SetModificado(modificado);
  m_modificado = modificado;
}

bool TValoresRra::GetModificado() const {
  if (!m_modificado)
    m_modificado = TRendimentosTributaveis::GetModificado() || m_totalCustas.GetModificado() ||
                   m_totalMeses.GetModificado();
  return m_modificado;
}
