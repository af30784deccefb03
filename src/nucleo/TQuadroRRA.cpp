#include "nucleo/TQuadroRRA.h"

TQuadroRRA::TQuadroRRA() {
  m_meses.SetUmaDecimal(true);
  m_mesesExibidos.SetUmaDecimal(true);
  m_mesesExibidos.SetValorMonetario(kMaximoMeses);
}

const TMonetario& TQuadroRRA::GetQuantidadeMeses() {
  return m_meses.GetValorMonetario() > kMaximoMeses ? m_mesesExibidos : m_meses;
}
