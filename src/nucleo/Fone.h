#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

class TErros;

// One part of a phone number, kept as typed. The attached error list is not owned.
class TFoneParte : public TDadoBasico {
 public:
  QString GetValor() const override { return m_texto; }
  // Raises EFoneInvalido when the part's rule fails; the area code and the number are emptied
  // first (and their observers told), the extension keeps its text.
  void SetValor(const QString& texto) override;
  // Stores the text as passed; a failure goes to the attached list. Never raises.
  virtual void SetValorComErro(const QString& texto);
  // Empties the text without notifying.
  void Limpar() { m_texto.clear(); }
  void SetErros(TErros* erros) { m_erros = erros; }

  // The part's rule on a text, with this part's Opcional: a message code, 0 when valid.
  virtual int Valida(const QString& texto) const = 0;
  int CodigoErro() const { return Valida(m_texto); }  // of the stored text

 protected:
  // The argument of the raised error.
  virtual QString ArgumentoErro(const QString&) const { return {}; }
  virtual bool EsvaziaAoRecusar() const { return true; }
  void Armazena(const QString& texto);

 private:
  QString m_texto;
  TErros* m_erros = nullptr;
};

// Area code: two digits, the first not 0; shown as (61).
class TFoneDDD : public TFoneParte {
 public:
  QString GetFormatado() const override;
  int Valida(const QString& texto) const override { return ValidaDDD(texto, GetOpcional()); }
  static int ValidaDDD(const QString& texto, bool opcional);
};

// Number: at least eight digits, not starting with 0; shown with "-" before the last four.
class TFoneNumero : public TFoneParte {
 public:
  QString GetFormatado() const override;
  // An optional number made of zeros only is stored empty.
  void SetValorComErro(const QString& texto) override;
  int Valida(const QString& texto) const override { return ValidaNumero(texto, GetOpcional()); }
  static int ValidaNumero(const QString& texto, bool opcional);
};

// Extension: digits only, may be empty.
class TFoneRamal : public TFoneParte {
 public:
  int Valida(const QString& texto) const override { return ValidaRamal(texto); }
  static int ValidaRamal(const QString& texto);

 protected:
  QString ArgumentoErro(const QString& texto) const override { return texto; }
  bool EsvaziaAoRecusar() const override { return false; }
};

// A phone (or fax) number in three parts, all owned.
class TFone {
 public:
  TFoneDDD& GetDDD() { return m_ddd; }
  TFoneNumero& GetNumero() { return m_numero; }
  TFoneRamal& GetRamal() { return m_ramal; }
  const TFoneDDD& GetDDD() const { return m_ddd; }
  const TFoneNumero& GetNumero() const { return m_numero; }
  const TFoneRamal& GetRamal() const { return m_ramal; }

  void SetErros(TErros* erros);
  // Empties the three parts without notifying.
  void Limpa();
  // Findings of class EFoneInvalido (errors) for the stored area code and number.
  void VerificaDDD(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const;
  void VerificaNumero(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const;

 private:
  TFoneDDD m_ddd;
  TFoneNumero m_numero;
  TFoneRamal m_ramal;
  TErros* m_erros = nullptr;
};
