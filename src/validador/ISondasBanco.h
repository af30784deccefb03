#pragma once

#include <QString>

// The questions that the analysis asks the database of an existing declaration, so that data
// already stored is not imported twice. The import's storage answers them; without it no probe
// runs, which is what a new declaration needs.
class ISondasBanco {
 public:
  virtual ~ISondasBanco() = default;
  // The key of the health-plan operator with that CNPJ base; 0 when not stored.
  virtual int ExisteOperadora(const QString& cnpjBase) = 0;
  // The key of the operator's holder with that CPF base; 0 when not stored.
  virtual int ExisteTitular(int operadora, const QString& cpfBase) = 0;
  // The key of the payments-abroad beneficiary of that kind, foreign tax number and country;
  // 0 when not stored.
  virtual int BuscaRemessa(const QString& tipo, const QString& nif, int pais) = 0;
};
