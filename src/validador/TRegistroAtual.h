#pragma once

#include "validador/TRegistro.h"

// A record of layout "1A4MA1R", with that layout's own record rules.
class TRegistroAtual : public TRegistro {
 public:
  TRegistroAtual(TArquivoDados& dados, TTFlagCampo& flags);

  static const TabelaRegras& Tabela();

  // The medical-residency and cup-volunteer series do not exist in this layout: nothing to check.
  bool ER_RegistroPai() { return RegistroPai(true); }
};
