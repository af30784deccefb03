#pragma once

#include <QString>
#include <QStringView>

// The two mod-11 check digits of tax and receipt numbers: weights 2, 3, ... from the rightmost
// digit, starting again at 2 after `pesoMaximo`; a digit is 11 - (sum mod 11), or 0 when the
// rest is 0 or 1; the second digit is computed over the base followed by the first.
// Empty for a base that is not `tamanhoBase` digits long.
QString DigitosModulo11(QStringView base, int tamanhoBase, int pesoMaximo);

// Whether the number's last two characters are the check digits of the `tamanhoBase` digits before
// them, as DigitosModulo11 computes them; without building any text (the checks of large imports).
bool DigitosModulo11Conferem(QStringView numero, int tamanhoBase, int pesoMaximo);
