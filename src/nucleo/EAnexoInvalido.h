#pragma once

#include "nucleo/Erros.h"

// A bad identification or lawyer of a fund, club or process annex.
TOLV_ERRO_DERIVADO(EAnexoInvalido)
