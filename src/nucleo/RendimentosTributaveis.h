#pragma once

#include "nucleo/SerieMensal.h"

#include <array>

class TErros;

// The taxable series of a beneficiary line, thirteen months each, with their annual totals:
// taxable income, exempt income for serious illness, total deductions, tax withheld and the
// four kinds of deduction (official social security, private pension, dependants, alimony).
class TRendimentosTributaveis {
 public:
  // Storage order of the series (column prefixes VL_RENDIME_ ... VL_DEDUCAO_PA_).
  enum Serie { kRendimento, kMolestia, kDeducao, kRetido, kDeducaoPO, kDeducaoPP, kDeducaoDP, kDeducaoPA };
  static constexpr int kSeries = 8;
  using MatrizValores = std::array<std::array<TMonetario*, TSerieMensal::kMeses>, kSeries>;

  TRendimentosTributaveis() = default;
  virtual ~TRendimentosTributaveis() = default;
  TRendimentosTributaveis(const TRendimentosTributaveis&) = delete;
  TRendimentosTributaveis& operator=(const TRendimentosTributaveis&) = delete;

  // By month, 1 to 13.
  TMonetario& GetRendimento(int mes) { return m_series[kRendimento].Mes(mes); }
  TMonetario& GetMolestia(int mes) { return m_series[kMolestia].Mes(mes); }
  TMonetario& GetDeducao(int mes) { return m_series[kDeducao].Mes(mes); }
  TMonetario& GetRetido(int mes) { return m_series[kRetido].Mes(mes); }
  TMonetario& GetDeducaoPO(int mes) { return m_series[kDeducaoPO].Mes(mes); }
  TMonetario& GetDeducaoPP(int mes) { return m_series[kDeducaoPP].Mes(mes); }
  TMonetario& GetDeducaoDP(int mes) { return m_series[kDeducaoDP].Mes(mes); }
  TMonetario& GetDeducaoPA(int mes) { return m_series[kDeducaoPA].Mes(mes); }
  TSerieMensal& GetSerie(Serie serie) { return m_series[serie]; }
  const TSerieMensal& GetSerie(Serie serie) const { return m_series[serie]; }

  TMonetarioTotal& GetTotalRendimento() { return m_series[kRendimento].Total(); }
  TMonetarioTotal& GetTotalMolestia() { return m_series[kMolestia].Total(); }
  TMonetarioTotal& GetTotalDeducao() { return m_series[kDeducao].Total(); }
  TMonetarioTotal& GetTotalRetido() { return m_series[kRetido].Total(); }
  TMonetarioTotal& GetTotalDeducaoPO() { return m_series[kDeducaoPO].Total(); }
  TMonetarioTotal& GetTotalDeducaoPP() { return m_series[kDeducaoPP].Total(); }
  TMonetarioTotal& GetTotalDeducaoDP() { return m_series[kDeducaoDP].Total(); }
  TMonetarioTotal& GetTotalDeducaoPA() { return m_series[kDeducaoPA].Total(); }

  // The amount objects themselves, series in storage order, month 1 first.
  void GetMatrizValores(MatrizValores& destino);
  void CopiaPara(TRendimentosTributaveis& destino) const;

  void ZeraRendimento() { m_series[kRendimento].Zera(); }
  void ZeraMolestia() { m_series[kMolestia].Zera(); }
  void ZeraDeducao() { m_series[kDeducao].Zera(); }
  void ZeraRetido() { m_series[kRetido].Zera(); }
  void ZeraDeducaoPO() { m_series[kDeducaoPO].Zera(); }
  void ZeraDeducaoPP() { m_series[kDeducaoPP].Zera(); }
  void ZeraDeducaoDP() { m_series[kDeducaoDP].Zera(); }
  void ZeraDeducaoPA() { m_series[kDeducaoPA].Zera(); }
  virtual void ZeraValores();

  // Each month's total deductions := PO + PP + DP + PA (no cap; notifies only on change).
  void SomaDeducoes();
  bool EstaVazio() const;
  bool SemRendimento() const { return m_series[kRendimento].SemValor(); }
  bool SemRetido() const { return m_series[kRetido].SemValor(); }
  bool SemDeducao() const { return m_series[kDeducao].SemValor(); }

  void SetErros(TErros* erros) { m_erros = erros; }
  TErros* GetErros() const { return m_erros; }
  // On every amount and total, without notifying.
  virtual void SetModificado(bool modificado);
  // True once a total or a month-13 amount changed (months 1 to 12 reach the totals), until
  // SetModificado(false).
  virtual bool GetModificado() const;

 private:
  std::array<TSerieMensal, kSeries> m_series;
  TErros* m_erros = nullptr;
  mutable bool m_modificado = false;
};
