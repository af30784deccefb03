#include "nucleo/RendimentosIsentos.h"

TRendimentosIsentos::TRendimentosIsentos() { SetModificado(false); }

void TRendimentosIsentos::ZeraValores() {
  for (TSerieMensal& serie : m_series) serie.Zera();
  m_lucrosDividendos.Limpar();
  m_titularSocio.Limpar();
  m_outros.Limpar();
  m_especificarOutros.Limpar();
}

void TRendimentosIsentos::CopiaPara(TRendimentosIsentos& destino) const {
  for (int s = 0; s < kSeries; ++s) m_series[s].CopiaPara(destino.m_series[s]);
  destino.m_outros.SetValorMonetario(m_outros.GetValorMonetario());
  destino.m_especificarOutros.SetValor(m_especificarOutros.GetValor());
  destino.m_titularSocio.SetValorMonetario(m_titularSocio.GetValorMonetario());
  destino.m_lucrosDividendos.SetValorMonetario(m_lucrosDividendos.GetValorMonetario());
}

bool TRendimentosIsentos::EstaVazio() const {
  for (const TSerieMensal& serie : m_series)
    if (!serie.EstaVazia()) return false;
  return true;
}

void TRendimentosIsentos::SetModificado(bool modificado) {
  for (TSerieMensal& serie : m_series) serie.SetModificado(modificado);
  m_lucrosDividendos.SetModificado(modificado);
  m_titularSocio.SetModificado(modificado);
  m_outros.SetModificado(modificado);
  m_especificarOutros.SetModificado(modificado);
  m_modificado = modificado;
}

bool TRendimentosIsentos::GetModificado() const {
  if (m_modificado) return true;
  for (const TSerieMensal& serie : m_series)
    if (serie.TotalOuDecimoModificado()) return m_modificado = true;
  m_modificado = m_lucrosDividendos.GetModificado() || m_titularSocio.GetModificado() ||
                 m_outros.GetModificado() || m_especificarOutros.GetModificado();
  return m_modificado;
}
