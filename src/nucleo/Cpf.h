#pragma once

#include "nucleo/Ni.h"

// A person's tax number: 9 digits and 2 check digits, shown as 999.999.999-99.
class TCpf : public TNi {
 public:
  QString ExtraiBase(const QString& texto) const override { return SemFormatacao(texto).left(9); }
  int Valida(const QString& texto) const override { return ValidaCpf(texto, GetOpcional()); }
  QString Formata(const QString& texto) const override { return FormataCpf(texto); }
  QString CalculaDV(const QString& base) const override { return CalculaDVCpf(base); }

  // 0, 35 (invalid) or 38 (missing).
  static int ValidaCpf(const QString& texto, bool opcional);
  // An 11-character text gets its mask; any other length is left as it is.
  static QString FormataCpf(const QString& texto);
  static QString CalculaDVCpf(const QString& base);
};

// The CPF of the person responsible before the CNPJ: every failure is reported as 192.
class TRespCnpj : public TCpf {
 public:
  int Valida(const QString& texto) const override;
};
