#pragma once

#include <array>

#include "nucleo/MonetarioTotal.h"

// Box 3 of an individual income statement, taxable income: lines 01 total income, 02 official
// social security, 03 private pension and FAPI, 04 alimony, 05 tax withheld. Each line has an own
// amount, summed from the beneficiary's lines, and a total whose first addend is the own amount;
// partial items add their amounts to the totals of lines 01 and 05.
class TQuadroRendTributaveis {
 public:
  static constexpr int kLinhas = 5;

  // With lines 02 to 04 computed they are the sums of the lines' deductions.
  explicit TQuadroRendTributaveis(bool linhas2a4Calculadas);
  TQuadroRendTributaveis(const TQuadroRendTributaveis&) = delete;
  TQuadroRendTributaveis& operator=(const TQuadroRendTributaveis&) = delete;

  // Line 1 to 5.
  TMonetario& GetLinha(int linha) { return m_linhas.at(size_t(linha - 1)); }
  TMonetarioTotal& GetTotal(int linha) { return m_totais.at(size_t(linha - 1)); }
  TMonetarioTotal& GetTotalQ3L1() { return GetTotal(1); }
  TMonetarioTotal& GetTotalQ3L2() { return GetTotal(2); }
  TMonetarioTotal& GetTotalQ3L3() { return GetTotal(3); }
  TMonetarioTotal& GetTotalQ3L4() { return GetTotal(4); }
  TMonetarioTotal& GetTotalQ3L5() { return GetTotal(5); }
  // An amount that nothing fills; only cleared.
  TMonetario& GetOutro() { return m_outro; }
  bool GetLinhas2a4Calculadas() const { return m_linhas2a4Calculadas; }

  // Clears totals and amounts; each total keeps its own amount as first addend.
  void Limpar();
  // True once an own amount of lines 02 to 04 changed; kept until SetModificado(false).
  bool GetModificado() const;
  void SetModificado(bool modificado);

 private:
  void RegistraLinhas();

  std::array<TMonetario, kLinhas> m_linhas;
  TMonetario m_outro;
  // After the amounts they observe: destroyed first.
  std::array<TMonetarioTotal, kLinhas> m_totais;
  mutable bool m_modificado = false;
  bool m_linhas2a4Calculadas;
};
