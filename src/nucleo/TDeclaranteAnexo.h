#pragma once

#include <cstdint>

#include "nucleo/Contribuinte.h"

class TTolv;

// The identification of an annex: a fund's or club's CNPJ with its name, or a process number.
// Its kind word (GetTipoIdentificacao) is the annex kind as stored: 0 fund or club, 1 process.
// It never takes the declarant's own number quietly.
class TDeclaranteAnexo : public TContribuinte {
 public:
  // A CNPJ of a head office (order 0001).
  explicit TDeclaranteAnexo(TTolv& declaracao);
  // Kind 1: a CPF, CNPJ or process number by its length; any other kind as above.
  TDeclaranteAnexo(TTolv& declaracao, int16_t tipo);

  // Raises like TContribuinte::SetNi; then, with the number set, EAnexoInvalido 16 (a fund) or
  // 137 for the declarant's own number, and 138 for a process whose number has the declarant's
  // root and kind.
  void SetNi(const QString& texto) override;
  // The declarant's own number goes to the attached list as 16 (a fund) or 137.
  void SetNiComErro(const QString& texto) override;

  // The number is the declarant's own (both formatted, the declarant's not empty).
  bool EhDoDeclarante() const;

 private:
  TTolv* m_declaracao;
};
