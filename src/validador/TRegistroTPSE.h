#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A holder of a health plan (TPSE), always added under the current operator; its key becomes the
// holder of the dependants that follow.
class TRegistroTPSE : public TRegistroTransferObject {
 public:
  TRegistroTPSE(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI& linha) override;

 private:
  enum Campo { kOperadora, kTipo, kNumero, kValor, kNome, kCampos };
  std::array<int, kCampos> m_campo{};
  int m_chave = -1;
};
