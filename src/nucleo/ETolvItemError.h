#pragma once

#include "nucleo/Erros.h"

// A pendency of a beneficiary line, or of the section that holds it.
TOLV_ERRO_DERIVADO(ETolvItemError)
