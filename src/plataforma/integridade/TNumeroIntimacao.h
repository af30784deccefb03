#pragma once

#include <QString>

// The 12-digit number of a summons that a delivery receipt may carry; its check digits are
// computed as those of a notice.
class TNumeroIntimacao {
 public:
  TNumeroIntimacao() = delete;
  // Empty unless the number is exactly 12 digits.
  static QString CalculaDVIntimacao(const QString& numero);
};
