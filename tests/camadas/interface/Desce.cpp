// Fixture of the layer check: a layer high up may include every layer it links, widgets too.
#include <QWidget>
#include "controles/TTolvEdit.h"
#include "nucleo/Valor.h"
#include "plataforma/gui/GuardaEventos.h"
