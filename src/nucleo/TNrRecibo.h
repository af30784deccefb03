#pragma once

#include "nucleo/DadoBasico.h"

// The receipt number of the declaration a rectifying one replaces: empty, or a valid
// 12-digit receipt number kept without separators.
class TNrRecibo : public TDadoBasico {
 public:
  // A blank text clears the number; anything else must be a valid receipt number, otherwise
  // the number is cleared and ETolvError 42 is raised with the text.
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // Stores without checking (loading from the index).
  void CarregaValor(const QString& texto) { m_texto = texto; }

  int GetInteiro() const { return m_inteiro; }
  virtual void SetInteiro(int valor) { m_inteiro = valor; }

 private:
  QString m_texto;
  int m_inteiro = 0;
};
