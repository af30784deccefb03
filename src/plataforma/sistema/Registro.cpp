#include "plataforma/sistema/Registro.h"

#include "plataforma/sistema/ArquivoIni.h"
#include "plataforma/sistema/Pastas.h"

namespace Registro {

QString chaveTolv() { return QStringLiteral("Software\\Duzudadez BVD\\TOLV2014"); }

QString caminho() { return Pastas::programa() + QStringLiteral("/registro.ini"); }

QString le(const QString& chave, const QString& valor) { return ArquivoIni(caminho()).le(chave, valor); }

bool grava(const QString& chave, const QString& valor, const QString& dado) {
  return ArquivoIni(caminho()).grava(chave, valor, dado);
}

}  // namespace Registro
