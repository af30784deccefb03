#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// The funds and clubs the declarant administers: per fund an FCI record (funds in the order of
// their CNPJ), then its lines by code, persons before companies, number: an IDREC record for
// each code of the fund, a BPFFCI or BPJFCI record for each line with its value records (the
// judicial group whenever the line has its judicial row). Written only under IN_ADM_FC; stored
// funds under an indicator that keeps them out refuse the writing.
class TBlocoFundosClubes : public IBlocoArquivo {
 public:
  void Confere(ContextoGravacao& contexto) override;
  void Gera(ContextoGravacao& contexto) override;

  // The funds in file order, and the lines of one fund (parameter FONTE) in file order.
  static QString ConsultaFundos();
  static QString ConsultaLinhas();
};
