#pragma once

#include "nucleo/SerieMensal.h"
#include "nucleo/Texto.h"

#include <array>

class TErros;

// The description of the other exempt income: kept as passed, not trimmed.
class TAnualEspecificarOutros : public TTexto {
 public:
  void SetValor(const QString& texto) override { Armazena(texto); }
};

// The exempt income of a beneficiary line: six monthly series with their totals and three
// annual amounts with the description of the other exempt income.
class TRendimentosIsentos {
 public:
  // Column prefixes VL_RIP65_, VL_BOLSA_, VL_DAC_, VL_PDV_, VL_AP_, VL_COPA_.
  enum Serie { kRip65, kBolsa, kDac, kPdv, kAp, kCopa };
  static constexpr int kSeries = 6;

  // Starts not modified.
  TRendimentosIsentos();
  TRendimentosIsentos(const TRendimentosIsentos&) = delete;
  TRendimentosIsentos& operator=(const TRendimentosIsentos&) = delete;

  TMonetario& GetRip65(int mes) { return m_series[kRip65].Mes(mes); }
  TMonetario& GetBolsa(int mes) { return m_series[kBolsa].Mes(mes); }
  TMonetario& GetDac(int mes) { return m_series[kDac].Mes(mes); }
  TMonetario& GetPdv(int mes) { return m_series[kPdv].Mes(mes); }
  TMonetario& GetAp(int mes) { return m_series[kAp].Mes(mes); }
  TMonetario& GetCopa(int mes) { return m_series[kCopa].Mes(mes); }
  TSerieMensal& GetSerie(Serie serie) { return m_series[serie]; }
  const TSerieMensal& GetSerie(Serie serie) const { return m_series[serie]; }
  TMonetarioTotal& GetTotal(Serie serie) { return m_series[serie].Total(); }

  // VL_ANUAL_LUCDIV, VL_ANUAL_TITSOC, VL_ANUAL_OUTRO and VL_ANUAL_DESCOUTRO.
  TMonetario& GetAnualLucrosDiv96() { return m_lucrosDividendos; }
  TMonetario& GetAnualTitularSocio() { return m_titularSocio; }
  TMonetario& GetAnualOutros() { return m_outros; }
  TAnualEspecificarOutros& GetAnualEspecificarOutros() { return m_especificarOutros; }

  void ZeraRip65() { m_series[kRip65].Zera(); }
  void ZeraBolsa() { m_series[kBolsa].Zera(); }
  void ZeraDac() { m_series[kDac].Zera(); }
  void ZeraPdv() { m_series[kPdv].Zera(); }
  void ZeraAp() { m_series[kAp].Zera(); }
  void ZeraCopa() { m_series[kCopa].Zera(); }
  // The six series, the three annual amounts and the description.
  void ZeraValores();
  void CopiaPara(TRendimentosIsentos& destino) const;
  // Only the monthly amounts are looked at.
  bool EstaVazio() const;

  void SetErros(TErros* erros) { m_erros = erros; }
  void SetModificado(bool modificado);
  bool GetModificado() const;

 private:
  std::array<TSerieMensal, kSeries> m_series;
  TMonetario m_lucrosDividendos;
  TMonetario m_titularSocio;
  TMonetario m_outros;
  TAnualEspecificarOutros m_especificarOutros;
  TErros* m_erros = nullptr;
  mutable bool m_modificado = false;
};
