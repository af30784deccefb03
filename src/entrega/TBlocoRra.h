#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// Income received cumulatively: per item, in the order of type, process, lawyer, beneficiary and
// nature, an RRA record, "IDREC|1889|", a BPFRRA record and the twelve-month value records RTRT,
// RIMOG, RTPO, RTPA, RTIRF (into TotalRraIrrf), DAJUD and QTMESES. Items paid by court order go
// in only under IN_ADVOGADO, as the verification sees them; stored ones under an indicator that
// keeps them out refuse the writing.
class TBlocoRra : public IBlocoArquivo {
 public:
  void Confere(ContextoGravacao& contexto) override;
  void Gera(ContextoGravacao& contexto) override;

  static QString ConsultaItens();
};
