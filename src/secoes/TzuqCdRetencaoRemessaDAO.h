#pragma once

#include <QString>

#include <vector>

#include "nucleo/TCodigoRetencao.h"
#include "secoes/TzuqDAORemessa.h"

// The revenue codes allowed for payments abroad. A code's row carries its description, the
// beneficiary kind ("F", "J", "A"), the fund-or-club flag (kept in the annex field) and the
// digits of the declarant natures that may use it.
class TzuqCdRetencaoRemessaDAO : public TzuqDAORemessa {
 public:
  TzuqCdRetencaoRemessaDAO();
  ~TzuqCdRetencaoRemessaDAO() override;

  // In code order.
  std::vector<TCodigoRetencao> ConsultaTodos();
  // Those whose natures contain the text.
  std::vector<TCodigoRetencao> ConsultaPorNatureza(const QString& natureza);
  // The object's code looked up in the process-wide cache: found, it takes the row; not found,
  // it is cleared, so its code reads empty.
  static void Carrega(TCodigoRetencao& codigo);
};
