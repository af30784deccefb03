#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// The judicial processes through which the declarant paid: one forward pass over every line of
// every process in file order (court and number of the process, code, persons before companies,
// number): a PROC record when the process changes, an IDREC record when the code changes or a
// process begins, a BPFPROC or BPJPROC record for each line with RTRT to RIMOG and the judicial
// group. Written only under IN_ADVOGADO; stored processes under an indicator that keeps them out
// refuse the writing.
class TBlocoProcessos : public IBlocoArquivo {
 public:
  void Confere(ContextoGravacao& contexto) override;
  void Gera(ContextoGravacao& contexto) override;

  static QString ConsultaLinhas();
};
