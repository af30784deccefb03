#pragma once

#include <QString>

#include "nucleo/MonetarioTotal.h"

class TTotaisTolvItem;

// The part of a line's income (and tax) that the user reports in box 3 of an income statement
// while the rest goes to box 5: the rests are live totals, the line's amount minus the partial
// one. The line totals are not owned and must outlive the item.
class TRendimentoParcial {
 public:
  explicit TRendimentoParcial(TTotaisTolvItem& totais);
  TRendimentoParcial(const TRendimentoParcial&) = delete;
  TRendimentoParcial& operator=(const TRendimentoParcial&) = delete;

  TTotaisTolvItem& GetTotais() const { return *m_totais; }
  TMonetario& GetRendimento() { return m_rendimento; }
  TMonetario& GetImposto() { return m_imposto; }
  TMonetarioTotal& GetRestoRendimento() { return m_restoRendimento; }
  TMonetarioTotal& GetRestoImposto() { return m_restoImposto; }
  // The line's taxable income and its tax.
  TMonetario& GetRendimentoTotal() const;
  TMonetario& GetImpostoTotal() const;
  QString GetCodigo() const;

  bool EstaZerado() const { return m_rendimento.EhZero() && m_imposto.EhZero(); }
  // True once the partial income or tax changed; kept until SetModificado(false).
  bool GetModificado() const;
  void SetModificado(bool modificado);

 private:
  TTotaisTolvItem* m_totais;
  TMonetario m_rendimento;
  TMonetario m_imposto;
  // After the amounts they observe: destroyed first.
  TMonetarioTotal m_restoRendimento;
  TMonetarioTotal m_restoImposto;
  mutable bool m_modificado = false;
};
