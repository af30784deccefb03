#pragma once

#include <QString>

// The 12-digit receipt number of a delivered declaration: a 10-digit base and 2 check
// digits, shown as 99.99.99.99.99-99.
class TNumeroRecibo {
 public:
  TNumeroRecibo() = delete;

  // 0 or 42; the text without separators.
  static int ValidaRecibo(const QString& texto);
  // Empty for a base that is not 10 digits.
  static QString CalculaDVRecibo(const QString& base);
  // Deletes every '-', '.' and '/' in place and returns the result.
  static QString RetiraFormatacao(QString& texto);
  // A 12-character text gets its mask; any other length is left as it is.
  static QString FormataRecibo(const QString& texto);
};
