#pragma once

#include <QString>

// The program folder is the folder of the executable, never the current folder.
// Tests point it at a temporary folder of their own.
namespace Pastas {

QString programa();                              // without a trailing '/'
void definePrograma(const QString& pasta);       // override (tests); empty restores the default
QString dados();                                 // programa() + "/DADOS"
QString temp();                                  // programa() + "/DADOS/TEMP"

// The system folder where other programs keep their settings files: /etc, or the folder named
// by the environment variable TOLV_PASTA_SISTEMA (tests). Without a trailing '/'.
QString sistema();

}  // namespace Pastas
