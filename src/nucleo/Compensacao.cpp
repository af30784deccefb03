#include "nucleo/Compensacao.h"

void TCompensacao::CopiaPara(TCompensacao& destino) const {
  m_anoAtual.CopiaPara(destino.m_anoAtual);
  m_anoAnterior.CopiaPara(destino.m_anoAnterior);
}

void TCompensacao::ZeraValores() {
  ZeraAnoAtual();
  ZeraAnoAnterior();
}

void TCompensacao::SetModificado(bool modificado) {
  m_anoAtual.SetModificado(modificado);
  m_anoAnterior.SetModificado(modificado);
  m_modificado = modificado;
}

bool TCompensacao::GetModificado() const {
  if (!m_modificado)
    m_modificado = m_anoAtual.TotalOuDecimoModificado() || m_anoAnterior.TotalOuDecimoModificado();
  return m_modificado;
}
