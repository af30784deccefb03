#pragma once

#include <QString>

#include <memory>

#include "secoes/TzuqDAORemessa.h"

// The relation codes between the paying source and a beneficiary abroad.
class TzuqRelFonteBeneficiarioDAO : public TzuqDAORemessa {
 public:
  TzuqRelFonteBeneficiarioDAO();
  ~TzuqRelFonteBeneficiarioDAO() override;

  // The code, as given, in the declaration's table; commits.
  bool Existe(const QString& codigo);

 private:
  std::unique_ptr<bd::Procedimento> m_existe;
};
