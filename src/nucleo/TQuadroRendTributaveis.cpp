#include "nucleo/TQuadroRendTributaveis.h"

TQuadroRendTributaveis::TQuadroRendTributaveis(bool linhas2a4Calculadas)
    : m_linhas2a4Calculadas(linhas2a4Calculadas) {
  RegistraLinhas();
  SetModificado(false);
}

void TQuadroRendTributaveis::RegistraLinhas() {
  for (int i = 0; i < kLinhas; ++i) m_totais[size_t(i)].AdicionaSomando(m_linhas[size_t(i)]);
}

void TQuadroRendTributaveis::Limpar() {
  for (TMonetarioTotal& total : m_totais) total.Limpar();
  for (TMonetario& linha : m_linhas) linha.Limpar();
  m_outro.Limpar();
  RegistraLinhas();
}

bool TQuadroRendTributaveis::GetModificado() const {
  if (!m_modificado)
    m_modificado = m_linhas[1].GetModificado() || m_linhas[2].GetModificado() || m_linhas[3].GetModificado();
  return m_modificado;
}

void TQuadroRendTributaveis::SetModificado(bool modificado) {
  m_modificado = modificado;
  for (TMonetario& linha : m_linhas) linha.SetModificado(modificado);
  for (TMonetarioTotal& total : m_totais) total.SetModificado(modificado);
  m_outro.SetModificado(modificado);
}
