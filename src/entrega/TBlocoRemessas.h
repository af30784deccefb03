#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// Payments to residents abroad: "RPDE|" once when a beneficiary is stored, then per beneficiary (by
// kind, country and tax identification, none first) a BRPDE record and its payments as VRPDE
// records (by date, code, income type and amounts).
//
// Two ordered reads walked side by side, the beneficiaries and the payments with the keys of their
// beneficiaries, in the same order: no statement per beneficiary. Written only under IN_REMESSA;
// stored beneficiaries under an indicator that keeps them out refuse the writing.
class TBlocoRemessas : public IBlocoArquivo {
 public:
  void Confere(ContextoGravacao& contexto) override;
  void Gera(ContextoGravacao& contexto) override;

  static QString ConsultaBeneficiarios();
  static QString ConsultaPagamentos();
};
