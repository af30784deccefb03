#include "plataforma/sistema/Registro.h"

#include "plataforma/sistema/ArquivoIni.h"
#include "plataforma/sistema/Pastas.h"

namespace Registro {

QString arquivo() { return Pastas::programa() + QStringLiteral("/registro.ini"); }

QString le(const QString& chave, const QString& valor) { return ArquivoIni(arquivo()).le(chave, valor); }

bool grava(const QString& chave, const QString& valor, const QString& dado) {
  return ArquivoIni(arquivo()).grava(chave, valor, dado);
}

}  // namespace Registro
