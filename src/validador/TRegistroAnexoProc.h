#pragma once

#include "validador/TRegistroAnexoFC.h"

// A judicial process (PROC), stored as a source of beneficiary lines like a fund, with its court
// and lawyer.
class TRegistroAnexoProc : public TRegistroAnexoFC {
 public:
  TRegistroAnexoProc(TDataAccess& banco, TArquivoDados& dados);
  void Preenche(const TLinhaI& linha) override;
};
