#pragma once

#include <QString>

// The few registry values the program keeps live in registro.ini in the program folder: one
// section per key path, one line per value. Read and written as the settings files are.
namespace Registro {

QString arquivo();  // programa() + "/registro.ini"

// The value, or empty when the key or the value is missing.
QString le(const QString& chave, const QString& valor);
// Creates the file and the key when missing; false when the file could not be written.
bool grava(const QString& chave, const QString& valor, const QString& dado);

}  // namespace Registro
