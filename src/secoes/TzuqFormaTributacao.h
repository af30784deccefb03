#pragma once

#include <QString>

#include "nucleo/Valor.h"

// A taxation form of a payment abroad and the tax withheld it admits.
struct TzuqFormaTributacao {
  int codigo = 0;     // TFOT_CD_FORMA_TRIBUTACAO
  QString inZero;     // TFOT_IN_ZERO: "V" when a tax withheld of zero is allowed
  QString descricao;  // TFOT_DESCRICAO
  QString inNaoZero;  // TFOT_IN_NAO_ZERO: "V" when a tax withheld above zero is allowed

  bool AdmiteZero() const { return inZero == QStringLiteral("V"); }
  bool AdmiteNaoZero() const { return inNaoZero == QStringLiteral("V"); }
  // A negative tax is never allowed.
  bool Admite(Valor irrf) const {
    if (irrf.negativo()) return false;
    return irrf.ehZero() ? AdmiteZero() : AdmiteNaoZero();
  }
};
