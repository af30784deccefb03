#pragma once

#include "controles/TEstadoBase.h"

class TFormAssist;

// A state of a wizard on the older form TFormAssist (see TEstadoBase for what a state overrides).
class TEstado : public TEstadoBase {
 public:
  TEstado(TFormAssist* dono, int pagina);

  TFormAssist* Owner() const { return m_dono; }

 private:
  TFormAssist* m_dono;
};
