#pragma once

#include "nucleo/MonetarioTotal.h"
#include "nucleo/RendimentosTributaveis.h"
#include "secoes/TMeses.h"
#include "secoes/TMesesTotal.h"

#include <array>

// The twelve months of an item of income received cumulatively: five of the inherited series
// (taxable income, serious-illness exempt income, official pension and alimony deductions, tax
// withheld), the legal costs and the number of months, with their live totals. Month 13 and the
// other three series stay zero.
class TValoresRra : public TRendimentosTributaveis {
 public:
  TValoresRra();
  ~TValoresRra() override;

  // Month 1 to 13 (the thirteenth is never filled); std::out_of_range otherwise.
  TMonetario& GetCustas(int mes) { return m_custas.at(size_t(mes - 1)); }
  const TMonetario& GetCustas(int mes) const { return m_custas.at(size_t(mes - 1)); }
  // Month 1 to 12.
  TMeses& GetMeses(int mes) { return m_meses.at(size_t(mes - 1)); }
  const TMeses& GetMeses(int mes) const { return m_meses.at(size_t(mes - 1)); }
  TMonetarioTotal& GetTotalCustas() { return m_totalCustas; }
  const TMonetarioTotal& GetTotalCustas() const { return m_totalCustas; }
  TMesesTotal& GetTotalMeses() { return m_totalMeses; }
  const TMesesTotal& GetTotalMeses() const { return m_totalMeses; }

  // Every amount and count to 0; only the values that change notify.
  void ZeraValores() override;
  // Nothing positive in any series, cost or count.
  bool EstaVazio() const;
  void SetModificado(bool modificado) override;
  bool GetModificado() const override;

 private:
  std::array<TMonetario, 13> m_custas;
  std::array<TMeses, 12> m_meses;
  // After the terms: destroyed first, they leave the terms cleanly.
  TMonetarioTotal m_totalCustas;
  TMesesTotal m_totalMeses;
  mutable bool m_modificado = false;
};
