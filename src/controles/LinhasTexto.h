#pragma once

#include <QString>
#include <QStringList>

class QFont;

// A text broken as a word-wrapping box of `largura` pixels shows it: at its line breaks (CR, LF
// or both) and wherever a line would pass the width, between words or, for a word longer than
// the box, inside it. A final line break opens no line. `maisLarga` gets the widest line.
QStringList QuebraLinhas(const QString& texto, const QFont& fonte, int largura, int* maisLarga = nullptr);
