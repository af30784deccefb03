#pragma once

#include <array>

#include "validador/TRegistroTransferObject.h"

// A health-plan operator (OPSE): stored with INCLUI_PS_OPERADORA unless the declaration holds it
// already (CONSULT_PS_OPERADORA_JA_EXISTE); either key becomes the operator of the holders that
// follow.
class TRegistroOPSE : public TRegistroTransferObject {
 public:
  TRegistroOPSE(TDataAccess& banco, TArquivoDados& dados);
  void Grava() override;
  void Preenche(const TLinhaI& linha) override;

 private:
  enum Campo { kTipo, kNumero, kRegistro, kNome, kCampos };
  std::array<int, kCampos> m_inclusao{};
  int m_tipoConsulta = -1;
  int m_numeroConsulta = -1;
  int m_chaveInclusao = -1;
  int m_chaveConsulta = -1;
};
