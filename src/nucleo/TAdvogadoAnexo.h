#pragma once

#include <cstdint>

#include "nucleo/Contribuinte.h"

class TTolv;

// The lawyer or law firm of a judicial-process annex: a CPF or CNPJ with its name, and whether
// one was informed.
class TAdvogadoAnexo : public TContribuinte {
 public:
  // Kind by length; the declaration's error list, when it has one, takes the loaders' findings.
  explicit TAdvogadoAnexo(TTolv& declaracao);

  // Sets the number typed for a declaration: EContribuinteInvalido for a bad number,
  // EAnexoInvalido 137 for a firm with the declarant's root, 172 when no number is left.
  void ValidaAdvogado(const QString& texto, TTolv& declaracao);
  // No number, no name, nothing informed.
  void LimpaAdvogado();

  void SetNi(const QString& texto) override;
  void SetNiComErro(const QString& texto) override;

  // 1 when a number is set.
  uint8_t GetInformado() const { return m_informado; }
  TTolv& GetDeclaracao() const { return *m_declaracao; }

 private:
  TTolv* m_declaracao;
  uint8_t m_informado = 0;
};
