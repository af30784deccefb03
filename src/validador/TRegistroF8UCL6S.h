#pragma once

#include "validador/TRegistro.h"

// A record of layout "F8UCL6S", with that layout's own record rules.
class TRegistroF8UCL6S : public TRegistro {
 public:
  TRegistroF8UCL6S(TArquivoDados& dados, TTFlagCampo& flags);

  static const TabelaRegras& Tabela();
};
