#include "nucleo/TQuadroTribExclusiva.h"

TQuadroTribExclusiva::TQuadroTribExclusiva() { m_totalOutros.AdicionaSomando(m_outros); }

void TQuadroTribExclusiva::Limpar() {
  m_totalOutros.Limpar();
  m_decimoTerceiro.Limpar();
  m_outros.Limpar();
  m_totalOutros.AdicionaSomando(m_outros);
}

void TQuadroTribExclusiva::SetModificado(bool modificado) {
  m_modificado = modificado;
  m_decimoTerceiro.SetModificado(modificado);
  m_outros.SetModificado(modificado);
  m_totalOutros.SetModificado(modificado);
}
