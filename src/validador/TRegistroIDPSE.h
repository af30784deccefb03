#pragma once

#include "validador/TRegistroTransferObject.h"

// The line that opens the health-plan section (PSE): nothing of it is stored.
class TRegistroIDPSE : public TRegistroTransferObject {
 public:
  TRegistroIDPSE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
    SetTiposRegistro(TiposDe({TTipoRegistro::PSE}));
  }
  void Grava() override {}
  void Preenche(const TLinhaI&) override {}
};
