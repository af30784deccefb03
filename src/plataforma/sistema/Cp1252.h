#pragma once

#include <QByteArray>
#include <QString>

// Files of the official layouts, the settings files and the databases keep the single-byte
// Windows-1252 encoding; inside the program every text is a QString. This is the one boundary.
namespace Cp1252 {

QByteArray codifica(const QString& texto);      // characters outside the page become '?'
QString decodifica(const QByteArray& bytes);    // the five unassigned bytes map to U+FFFD
bool representavel(QChar c);                    // true when the page holds the character
char paraByte(QChar c);                         // '?' when not representable
QChar deByte(unsigned char b);

}  // namespace Cp1252
