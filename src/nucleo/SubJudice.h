#pragma once

#include "nucleo/RendimentosTributaveis.h"

// The taxable series under suspended exigibility, plus the judicial deposits (VL_DEPOSITO_).
class TSubJudice : public TRendimentosTributaveis {
 public:
  TMonetario& GetDeposito(int mes) { return m_depositos.Mes(mes); }
  TMonetarioTotal& GetTotalDeposito() { return m_depositos.Total(); }
  const TSerieMensal& GetDepositos() const { return m_depositos; }
  TSerieMensal& GetDepositos() { return m_depositos; }

  void ZeraDepositos() { m_depositos.Zera(); }
  void ZeraValores() override;
  void CopiaPara(TSubJudice& destino) const;
  bool SemDeposito() const { return m_depositos.SemValor(); }

  void SetModificado(bool modificado) override;
  bool GetModificado() const override;

 private:
  TSerieMensal m_depositos;
};
