#pragma once

#include "nucleo/Erros.h"

// A finding of the checks of a beneficiary line or of a fund or process annex.
TOLV_ERRO_DERIVADO(ETolvItemError)
