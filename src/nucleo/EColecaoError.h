#pragma once

#include "nucleo/Erros.h"

// A refusal of a collection: a declaration that already exists, a database file that cannot be
// deleted or renamed, a line that would duplicate another.
TOLV_ERRO_DERIVADO(EColecaoError)
