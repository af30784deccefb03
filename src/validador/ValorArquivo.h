#pragma once

#include <QStringView>

#include <optional>

#include "nucleo/Valor.h"

// Amounts as the declaration file writes them: whole numbers of the smallest unit, an empty field
// being zero. Read straight into exact fixed-point values, never through floating point.
namespace ValorArquivo {

// Digits only, the last two being the cents: "123456" is 1.234,56. Nothing for any other
// character or beyond the range of an amount.
std::optional<Valor> DeCentavos(QStringView texto);
// A count of months with one decimal, the last digit: "125" is 12,5.
std::optional<Valor> DeDecimos(QStringView texto);

}  // namespace ValorArquivo
