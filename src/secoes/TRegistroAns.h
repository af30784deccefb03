#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

// An operator's registry number at the health regulator: five digits and a check digit, shown as
// 12345-5 and stored as the six digits. Empty means not given.
class TRegistroAns : public TDadoBasico {
 public:
  // Trimmed and without '-', it must be empty or pass ValidaRegistroAns; then the caller's text is
  // kept as given (hyphen included). Raises TErro 253 with the text otherwise, keeping the old one.
  // Neither marks nor notifies.
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // Without a check: stored operators and clearing.
  void CarregaValor(const QString& texto) { m_texto = texto; }

  // 0 for an empty text or six digits with the right check digit; 253 otherwise (the hyphen of
  // the display form included: strip it first).
  static uint16_t ValidaRegistroAns(const QString& texto);
  // The check digit of the first five digits; empty when one of them is not a digit.
  static QString CalculaDV(const QString& texto);
  // 123455 -> 12345-5; any other length unchanged.
  static QString FormataRegistroAns(const QString& texto);
  static QString RetiraMascara(QString texto) { return texto.remove(u'-'); }

 private:
  QString m_texto;
};
