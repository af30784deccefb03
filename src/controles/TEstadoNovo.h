#pragma once

#include "controles/TEstadoBase.h"

class TFormAssistNovo;

// A state of a wizard on TFormAssistNovo (see TEstadoBase for what a state overrides).
// Created with its wizard and the page it shows; the wizard owns it once added.
class TEstadoNovo : public TEstadoBase {
 public:
  TEstadoNovo(TFormAssistNovo* dono, int pagina);

  TFormAssistNovo* Owner() const { return m_dono; }

 private:
  TFormAssistNovo* m_dono;
};
