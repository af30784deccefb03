#pragma once

#include <QString>

// The 12-digit number of a notice that a delivery receipt may carry, and its two check digits:
// mod 11 with weights 2, 3, ... from the rightmost digit (no restart), a digit of 11 - rest or 0
// when the rest is 0 or 1; the second digit over the number followed by the first.
class TNumeroNotificacao {
 public:
  TNumeroNotificacao() = delete;
  // Empty unless the number is exactly 12 digits.
  static QString CalculaDVNotificacao(const QString& numero);
};
