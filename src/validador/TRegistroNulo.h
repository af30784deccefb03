#pragma once

#include "validador/TRegistroTransferObject.h"

// The trailer (FIMTOLV): its store commits what the pass stored.
class TRegistroNulo : public TRegistroTransferObject {
 public:
  TRegistroNulo(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI&) override {}
};
