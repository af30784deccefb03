#pragma once

#include "validador/TRegistro.h"

// A record of layout "7C2DE7J", with that layout's own record rules.
class TRegistro7C2DE7J : public TRegistro {
 public:
  TRegistro7C2DE7J(TArquivoDados& dados, TTFlagCampo& flags);

  static const TabelaRegras& Tabela();
};
