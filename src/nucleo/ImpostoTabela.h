#pragma once

#include "nucleo/Valor.h"

#include <QStringView>

// The tax of the monthly progressive table of calendar year "2013" or "2014" on a monthly
// base; 0 for any other year. The gross tax is cut (not rounded) to whole cents before the
// band's deduction, in exact arithmetic; the result is never below 0.
Valor CalculaImpostoTabela(QStringView ano, Valor base);
