#pragma once

#include "nucleo/Erros.h"

// A bad value of a declaration's header.
TOLV_ERRO_DERIVADO(ETolvError)
