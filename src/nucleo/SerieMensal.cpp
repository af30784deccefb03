#include "nucleo/SerieMensal.h"

TSerieMensal::TSerieMensal() {
  for (int mes = 1; mes <= 12; ++mes) m_total.AdicionaSomando(Mes(mes));
}

void TSerieMensal::Zera() {
  for (TMonetario& m : m_meses) m.SetValorMonetario(Valor());
}

void TSerieMensal::CopiaPara(TSerieMensal& destino) const {
  for (int i = 0; i < kMeses; ++i) destino.m_meses[i].SetValorMonetario(m_meses[i].GetValorMonetario());
}

bool TSerieMensal::EstaVazia() const {
  for (const TMonetario& m : m_meses)
    if (!m.EhZero()) return false;
  return true;
}

bool TSerieMensal::SemValor() const { return Mes(13).EhZero() && m_total.EhZero(); }

void TSerieMensal::SetModificado(bool modificado) {
  for (TMonetario& m : m_meses) m.SetModificado(modificado);
  m_total.SetModificado(modificado);
}

bool TSerieMensal::TotalOuDecimoModificado() const { return m_total.GetModificado() || Mes(13).GetModificado(); }
