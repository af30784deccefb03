#pragma once

#include "nucleo/Monetario.h"

// A number of months with one decimal shown (the months column of income received cumulatively):
// the amount of a TMonetario, capped at 999,9 instead of the money cap. Refusals raise
// EMonetarioInvalido 108.
class TMeses : public TMonetario {
 public:
  static constexpr Valor kLimite = Valor::deDezMilesimos(9'999'000);  // 999,9

  TMeses() { SetUmaDecimal(true); }

  // Digits, the first ',' and up to two decimals are kept (a third is cut), everything else is
  // dropped; an empty result clears. A text that does not convert, or a count beyond 999,9,
  // raises 108 and leaves the value as it was: typed input is never replaced by another number.
  void SetValor(const QString& texto) override;
  void VerificaLimite(Valor valor) const override;
};
