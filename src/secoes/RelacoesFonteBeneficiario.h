#pragma once

#include <QString>

#include <vector>

// The relations between the paying source and a company beneficiary abroad that the user may
// choose, with their texts, in the order offered.
namespace RelacoesFonteBeneficiario {

struct Relacao {
  QString codigo;
  QString texto;
};

const std::vector<Relacao>& Todas();
// The text of a code; empty for a code that is not in the list.
QString Texto(const QString& codigo);

}  // namespace RelacoesFonteBeneficiario
