#include "nucleo/RegistroTolv.h"

#include "plataforma/sistema/Registro.h"

namespace RegistroTolv {

QString DirCsDefault() { return Registro::le(kChave, QStringLiteral("DirCsDefault")); }

bool GravaDirCsDefault(const QString& pasta) { return Registro::grava(kChave, QStringLiteral("DirCsDefault"), pasta); }

}  // namespace RegistroTolv
