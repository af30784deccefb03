#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

class TErros;

// Kinds of number: undetermined (decided by length), person, company, judicial process.
enum TipoNi : uint8_t { kNiIndefinido = 0, kNiCpf = 1, kNiCnpj = 2, kNiProcesso = 3 };

// The base of tax numbers: the digits (as stored and written to files) and the number with
// the mask of its kind. The attached error list is not owned.
class TNi : public TDadoBasico {
 public:
  QString GetFormatado() const override { return m_formatado; }
  void SetValor(const QString& texto) override { SetNi(texto); }
  QString GetValor() const override { return m_digitos; }

  // Separators removed, validated (EContribuinteInvalido with the masked number), stored.
  virtual void SetNi(const QString& texto);
  // Stores even an invalid number, so that loaded data stays visible; the failure goes to
  // the attached list. Never raises.
  virtual void SetNiComErro(const QString& texto);
  const QString& GetNiFormatado() const { return m_formatado; }
  const QString& GetNiDigitos() const { return m_digitos; }
  QString GetBase() const { return ExtraiBase(m_digitos); }  // without check digits
  QString GetRaiz() const { return m_digitos.left(8); }

  virtual QString ExtraiBase(const QString& texto) const = 0;
  virtual int Valida(const QString& texto) const = 0;  // a message code, 0 when valid
  virtual QString Formata(const QString& texto) const = 0;
  virtual QString CalculaDV(const QString& base) const = 0;

  virtual void SetErros(TErros* erros) { m_erros = erros; }
  TErros* GetErros() const { return m_erros; }
  virtual void Limpar();
  void SetNiPelaBase(const QString& base);
  void SetNiPelaBaseComErro(const QString& base);

  // Deletes every '-', '.' and '/' in place and returns the result.
  static QString RetiraFormatacao(QString& texto);
  static QString SemFormatacao(QString texto) { return RetiraFormatacao(texto); }
  // The four-digit order of a valid CNPJ; empty for a CPF or an invalid number.
  static QString OrdemCnpj(const QString& numero, bool opcional);

 private:
  void Armazena(const QString& digitos);

  QString m_formatado;
  QString m_digitos;
  TErros* m_erros = nullptr;
};
