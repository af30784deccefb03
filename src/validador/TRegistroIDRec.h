#pragma once

#include "validador/TRegistroTransferObject.h"

// The revenue code line (IDREC): its code goes to the beneficiary lines that follow; nothing of
// its own is stored.
class TRegistroIDRec : public TRegistroTransferObject {
 public:
  TRegistroIDRec(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override {}
  void Preenche(const TLinhaI& linha) override;
};
