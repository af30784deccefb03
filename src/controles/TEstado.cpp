#include "controles/TEstado.h"

#include "controles/TFormAssist.h"

TEstado::TEstado(TFormAssist* dono, int pagina) : TEstadoBase(dono, pagina), m_dono(dono) {}
