#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// Collective health plans: "PSE|" once when an operator is stored, then per operator (by kind and
// number) an OPSE record, per holder (by kind and number) a TPSE record and the holder's
// dependants as DTPSE records: first those who keep their own name (by birth date, none first),
// then those named through BENEFICIARIOS (by CPF, then birth date).
//
// Two ordered reads walked side by side, the holders with their operators and the dependants with
// the keys of their holders, in the same order: no statement per holder. Written only under
// IN_PLANOSAUDE; stored operators under an indicator that keeps them out refuse the writing.
class TBlocoPlanoSaude : public IBlocoArquivo {
 public:
  void Confere(ContextoGravacao& contexto) override;
  void Gera(ContextoGravacao& contexto) override;

  static QString ConsultaTitulares();
  static QString ConsultaDependentes();
};
