#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

// The process or request number of an item of income received cumulatively. Optional (the base's
// flag) for the items the declarant paid, required for those paid by court order; the item sets
// the flag before every check.
class TNrProcesso : public TDadoBasico {
 public:
  // Stores the number, then checks it: a refused number stays, raises TErro (40, 37, 173 or 174)
  // with the number and tells no observer.
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_numero; }
  // Without a check, notifying.
  void CarregaValor(const QString& texto);
  uint16_t ValidaProcesso() const { return Valida(m_numero, GetOpcional()); }
  // 40 missing, 37 longer than 20, 173 a character other than a plain letter or digit, 174 more
  // letters than digits; 0 otherwise.
  static uint16_t Valida(const QString& numero, bool opcional);
  void Limpar();

 private:
  QString m_numero;
};
