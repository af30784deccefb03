#pragma once

#include "plataforma/sistema/Impressoras.h"

// The printers the system knows (through Qt's print support). Needs a GUI application.
class ImpressorasSistema : public IImpressoras {
 public:
  std::vector<InfoImpressora> lista() const override;
  QString padrao() const override;
};
