#pragma once

#include "validador/TRegistroTransferObject.h"

// The complementary information of a person beneficiary (INF), kept in the beneficiary's income
// statement with INCLUI_ATU_COMPROV_PF. Every INF line is a group of its own.
class TRegistroInf : public TRegistroTransferObject {
 public:
  TRegistroInf(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI& linha) override;

 private:
  int m_numero = -1;
  int m_informacao = -1;
};
