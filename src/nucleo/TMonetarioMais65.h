#pragma once

#include <QString>

#include "nucleo/Monetario.h"

// The exempt portion of the pensions of retirees aged 65 or more: an amount with the yearly cap
// of its calendar year (compared as text) checked before the ordinary cap. Years after 2009 have
// no cap of their own.
class TMonetarioMais65 : public TMonetario {
 public:
  const QString& GetAnoCalendario() const { return m_anoCalendario; }
  void SetAnoCalendario(const QString& ano) { m_anoCalendario = ano; }

  // EMonetarioInvalido 111 to 116 (no argument) above the year's cap, then 108.
  void VerificaLimite(Valor valor) const override;

 private:
  QString m_anoCalendario;
};
