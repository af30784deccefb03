#pragma once

#include "nucleo/DadoBasico.h"

#include <cstdint>

class TErros;

// The name of a person (kind 1) or a company (kinds 0 and 2); kind 3 has no rule. Stored
// trimmed and with single blanks. The attached error list is not owned.
class TNomeContribuinte : public TDadoBasico {
 public:
  explicit TNomeContribuinte(uint8_t tipo = 0) : m_tipo(tipo) {}

  // Makes the name optional for good, then validates; invalid characters are reported as 82
  // (person) or 83 (company) listing each of them.
  void SetValor(const QString& nome) override;
  QString GetValor() const override { return m_nome; }
  // Stores even an invalid name; the failure goes to the attached list. Never raises.
  void SetNomeComErro(const QString& nome);
  void Limpar();
  void SetTipo(uint8_t tipo) { m_tipo = tipo; }
  uint8_t GetTipo() const { return m_tipo; }
  virtual void SetErros(TErros* erros) { m_erros = erros; }

  // A message code, 0 when valid; normalises the name in place.
  static int ValidaNome(QString& nome, uint8_t tipo, bool opcional);
  // Windows-1252 sets of the names, as Unicode code points.
  static bool EhLetra(QChar c);
  static bool PermitidoPessoa(QChar c);
  static bool PermitidoEmpresa(QChar c);

 private:
  QString m_nome;
  uint8_t m_tipo;
  TErros* m_erros = nullptr;
};
