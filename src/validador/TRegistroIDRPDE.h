#pragma once

#include "validador/TRegistroTransferObject.h"

// The line that opens the payments-abroad section (RPDE): nothing of it is stored.
class TRegistroIDRPDE : public TRegistroTransferObject {
 public:
  TRegistroIDRPDE(TDataAccess& banco, TArquivoDados& dados) : TRegistroTransferObject(banco, dados) {
    SetTiposRegistro(TiposDe({TTipoRegistro::RPDE}));
  }
  void Grava() override {}
  void Preenche(const TLinhaI&) override {}
};
