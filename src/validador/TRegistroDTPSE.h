#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A dependant of a health-plan holder (DTPSE), added under the current holder.
class TRegistroDTPSE : public TRegistroTransferObject {
 public:
  TRegistroDTPSE(TDataAccess& banco, TArquivoDados& dados);
  void Preenche(const TLinhaI& linha) override;

 private:
  enum Campo { kTitular, kTipo, kNumero, kNascimento, kNome, kRelacao, kValor, kCampos };
  std::array<int, kCampos> m_campo{};
};
