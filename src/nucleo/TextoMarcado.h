#pragma once

#include "nucleo/DadoBasico.h"

// A text of a beneficiary line kept exactly as given: setting it neither checks nor notifies, it
// only marks the value changed. Whoever stores or verifies the line judges the text.
class TTextoMarcado : public TDadoBasico {
 public:
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // Empties the text; the changed mark stays as it was.
  void Limpa() { m_texto.clear(); }
  // The destination's changed mark and observers stay untouched.
  void CopiaPara(TTextoMarcado& destino) const { destino.m_texto = m_texto; }

 private:
  QString m_texto;
};

// "S" when the beneficiary has a serious illness (column IN_MOLESTIA).
class TInMolestia : public TTextoMarcado {};

// The date of the medical report as dd/mm/yyyy; "30/12/1899" reads back for none (DATA_LAUDO).
class TDataLaudo : public TTextoMarcado {};
