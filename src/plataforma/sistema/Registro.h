#pragma once

#include <QString>

// The few registry values of the program, kept in "registro.ini" in the program folder: one
// section per key path, one entry per value.
namespace Registro {

QString chaveTolv();  // Software\Duzudadez BVD\TOLV2014

QString caminho();  // <program folder>/registro.ini
QString le(const QString& chave, const QString& valor);  // empty when missing
bool grava(const QString& chave, const QString& valor, const QString& dado);

}  // namespace Registro
