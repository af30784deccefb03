#pragma once

#include <QString>

#include <vector>

#include "secoes/TzuqDAORemessa.h"
#include "secoes/TzuqFormaTributacao.h"

// The taxation forms of the payments abroad.
class TzuqFormaTributacaoDAO : public TzuqDAORemessa {
 public:
  TzuqFormaTributacaoDAO();
  ~TzuqFormaTributacaoDAO() override;

  // In code order.
  std::vector<TzuqFormaTributacao> ConsultaTodas();
  // Whether the form admits the tax withheld, by the form's zero and non-zero flags of the
  // process-wide cache (TzuqValorRemessa::FormaTributacaoPermitida).
  static bool Permitida(const QString& forma, const QString& irrf);
};
