#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A payment abroad (VRPDE), under the beneficiary abroad stored last.
class TRegistroVRPDE : public TRegistroTransferObject {
 public:
  TRegistroVRPDE(TDataAccess& banco, TArquivoDados& dados);
  void Preenche(const TLinhaI& linha) override;

 private:
  enum Campo { kData, kCodigo, kTipoRendimento, kFormaTributacao, kRendimento, kIrrf, kRemessa, kCampos };
  std::array<int, kCampos> m_campo{};
};
