#pragma once

#include "nucleo/Ni.h"

// A company establishment's tax number: an 8-digit root, a 4-digit order and 2 check digits,
// shown as 99.999.999/9999-99. With the head office required, the order must be 0001.
class TCnpj : public TNi {
 public:
  explicit TCnpj(bool exigeMatriz = false) : m_exigeMatriz(exigeMatriz) {}

  QString ExtraiBase(const QString& texto) const override { return SemFormatacao(texto).left(12); }
  int Valida(const QString& texto) const override { return ValidaCnpj(texto, m_exigeMatriz, GetOpcional()); }
  QString Formata(const QString& texto) const override { return FormataCnpj(texto); }
  QString CalculaDV(const QString& base) const override { return CalculaDVCnpj(base); }

  bool GetExigeMatriz() const { return m_exigeMatriz; }
  void SetExigeMatriz(bool exige) { m_exigeMatriz = exige; }

  // 0, 20 (not the head office), 36 (invalid) or 39 (missing).
  static int ValidaCnpj(const QString& texto, bool exigeMatriz, bool opcional);
  // A 14-character text gets its mask; any other length is left as it is.
  static QString FormataCnpj(const QString& texto);
  static QString CalculaDVCnpj(const QString& base);

 private:
  bool m_exigeMatriz;
};
