// Fixture of the layer check: the core of the platform layer cannot reach its widget part.
#include "plataforma/sistema/Pastas.h"
#include "plataforma/gui/GuardaEventos.h"
#include "../../nucleo/Sobe.h"
