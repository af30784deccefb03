#pragma once

#include "nucleo/SerieMensal.h"

class TErros;

// Tax compensated by judicial decision, of the calendar year (VL_ANOATUAL_) and of previous
// years (VL_ANOANTERIOR_).
class TCompensacao {
 public:
  TCompensacao() = default;
  TCompensacao(const TCompensacao&) = delete;
  TCompensacao& operator=(const TCompensacao&) = delete;

  TMonetario& GetAnoAtual(int mes) { return m_anoAtual.Mes(mes); }
  TMonetario& GetAnoAnterior(int mes) { return m_anoAnterior.Mes(mes); }
  TMonetarioTotal& GetTotalAnoAtual() { return m_anoAtual.Total(); }
  TMonetarioTotal& GetTotalAnoAnterior() { return m_anoAnterior.Total(); }
  const TSerieMensal& GetSerieAnoAtual() const { return m_anoAtual; }
  const TSerieMensal& GetSerieAnoAnterior() const { return m_anoAnterior; }
  TSerieMensal& GetSerieAnoAtual() { return m_anoAtual; }
  TSerieMensal& GetSerieAnoAnterior() { return m_anoAnterior; }

  void CopiaPara(TCompensacao& destino) const;
  void ZeraAnoAtual() { m_anoAtual.Zera(); }
  void ZeraAnoAnterior() { m_anoAnterior.Zera(); }
  void ZeraValores();
  bool EstaVazio() const { return m_anoAtual.EstaVazia() && m_anoAnterior.EstaVazia(); }
  bool SemAnoAtual() const { return m_anoAtual.SemValor(); }
  bool SemAnoAnterior() const { return m_anoAnterior.SemValor(); }

  void SetErros(TErros* erros) { m_erros = erros; }
  void SetModificado(bool modificado);
  bool GetModificado() const;

 private:
  TSerieMensal m_anoAtual;
  TSerieMensal m_anoAnterior;
  TErros* m_erros = nullptr;
  mutable bool m_modificado = false;
};
