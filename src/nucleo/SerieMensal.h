#pragma once

#include "nucleo/MonetarioTotal.h"

#include <array>

// Thirteen monthly amounts (month 13 is the thirteenth salary) and their live annual total,
// which adds months 1 to 12 only.
class TSerieMensal {
 public:
  static constexpr int kMeses = 13;

  TSerieMensal();
  TSerieMensal(const TSerieMensal&) = delete;
  TSerieMensal& operator=(const TSerieMensal&) = delete;

  // Month 1 to 13; std::out_of_range otherwise.
  TMonetario& Mes(int mes) { return m_meses.at(size_t(mes - 1)); }
  const TMonetario& Mes(int mes) const { return m_meses.at(size_t(mes - 1)); }
  TMonetarioTotal& Total() { return m_total; }
  const TMonetarioTotal& Total() const { return m_total; }

  // Every month to 0; observers hear only of the months that change.
  void Zera();
  void CopiaPara(TSerieMensal& destino) const;
  bool EstaVazia() const;   // no month above 0
  bool SemValor() const;    // month 13 and the total both 0
  void SetModificado(bool modificado);
  bool TotalOuDecimoModificado() const;

 private:
  std::array<TMonetario, kMeses> m_meses;
  TMonetarioTotal m_total;  // after the months: destroyed first, it leaves them cleanly
};
