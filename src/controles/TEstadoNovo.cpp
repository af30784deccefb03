#include "controles/TEstadoNovo.h"

#include "controles/TFormAssistNovo.h"

TEstadoNovo::TEstadoNovo(TFormAssistNovo* dono, int pagina) : TEstadoBase(dono, pagina), m_dono(dono) {}
