#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A fund or club (FCI), stored as a source of beneficiary lines with INCLUI_ATU_FONTE; its key
// becomes the source of the lines that follow it.
class TRegistroAnexoFC : public TRegistroTransferObject {
 public:
  TRegistroAnexoFC(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI& linha) override;

 protected:
  enum Campo { kFonte, kTipoNi, kNumero, kNome, kTipo, kTipoAdvogado, kNumeroAdvogado, kNomeAdvogado, kTipoProcesso, kCampos };
  std::array<int, kCampos> m_campo{};
  int m_fonteSaida = -1;
};
