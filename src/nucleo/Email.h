#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

class TErros;

// An e-mail address of at most 50 characters, checked by its syntax. The attached error
// list is not owned.
class TEmail : public TDadoBasico {
 public:
  QString GetValor() const override { return m_endereco; }
  // Raises EEmailInvalido 51 with the text when invalid, after emptying the address (observers
  // told).
  void SetValor(const QString& texto) override;
  // Stores the text as passed; a failure goes to the attached list. Never raises.
  void SetValorComErro(const QString& texto);
  // Empties the address without notifying.
  void Limpar() { m_endereco.clear(); }
  void SetErros(TErros* erros) { m_erros = erros; }

  int ValidaEmail(const QString& texto) const { return ValidaEmail(texto, GetOpcional()); }
  static int ValidaEmail(const QString& texto, bool opcional);
  // An invalid stored address is an error 51; an empty optional one a warning 52.
  void VerificaEmail(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const;

 private:
  QString m_endereco;
  TErros* m_erros = nullptr;
};
