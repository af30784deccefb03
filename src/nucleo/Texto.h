#pragma once

#include "nucleo/DadoBasico.h"

// A free text, kept without leading and trailing blanks; any text is accepted.
class TTexto : public TDadoBasico {
 public:
  void SetValor(const QString& texto) override;
  QString GetValor() const override { return m_texto; }
  // Empties the text and notifies.
  void Limpar();

 protected:
  void Armazena(const QString& texto);

 private:
  QString m_texto;
};
