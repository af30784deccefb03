#include "nucleo/RendimentosTributaveis.h"

void TRendimentosTributaveis::GetMatrizValores(MatrizValores& destino) {
  for (int s = 0; s < kSeries; ++s)
    for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes) destino[s][mes - 1] = &m_series[s].Mes(mes);
}

void TRendimentosTributaveis::CopiaPara(TRendimentosTributaveis& destino) const {
  for (int s = 0; s < kSeries; ++s) m_series[s].CopiaPara(destino.m_series[s]);
}

void TRendimentosTributaveis::ZeraValores() {
  for (TSerieMensal& serie : m_series) serie.Zera();
}

void TRendimentosTributaveis::SomaDeducoes() {
  for (int mes = 1; mes <= TSerieMensal::kMeses; ++mes) {
    const Valor soma = GetDeducaoPO(mes).GetValorMonetario() + GetDeducaoPP(mes).GetValorMonetario() +
                       GetDeducaoDP(mes).GetValorMonetario() + GetDeducaoPA(mes).GetValorMonetario();
    GetDeducao(mes).SetValorMonetario(soma);
  }
}

bool TRendimentosTributaveis::EstaVazio() const {
  for (const TSerieMensal& serie : m_series)
    if (!serie.EstaVazia()) return false;
  return true;
}

void TRendimentosTributaveis::SetModificado(bool modificado) {
  for (TSerieMensal& serie : m_series) serie.SetModificado(modificado);
  m_modificado = modificado;
}

bool TRendimentosTributaveis::GetModificado() const {
  // Every series counts, the four kinds of deduction too: a thirteenth-month amount moved
  // from one kind to another leaves the total deduction as it was and must still be saved.
  if (!m_modificado)
    for (const TSerieMensal& serie : m_series)
      if (serie.TotalOuDecimoModificado()) m_modificado = true;
  return m_modificado;
}
