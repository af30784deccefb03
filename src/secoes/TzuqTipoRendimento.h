#pragma once

#include <QString>

// An income type of a payment abroad.
struct TzuqTipoRendimento {
  int codigo = 0;            // TTIR_CD_TIPO_RENDIMENTO
  QString descricao;         // TTIR_DESCRICAO
  QString tcrrNaoPermitido;  // TTIR_TCRR_NAO_PERMITIDO: revenue codes that may not take it
};
