#pragma once

#include <QChar>
#include <QStringView>

// What typing one printable character does to an amount being keyed.
struct DecisaoTeclaMonetaria {
  bool aceita = false;
  QChar caractere;     // what goes in: '.' is typed as ','
  bool avanca = false;  // move on to the next field once it is in
};

// The keying rule of amounts: typed left to right, at most `maxDigitosInteiros` integer digits
// and two decimals; the separator only while at most that many characters stand before the
// caret; the second decimal moves on. With three integer digits the first decimal moves on.
// `inicio` is the number of characters before the selection, `tamanho` its length.
DecisaoTeclaMonetaria FiltraTeclaMonetaria(QStringView texto, int inicio, int tamanho, QChar tecla,
                                           int maxDigitosInteiros = 11);
