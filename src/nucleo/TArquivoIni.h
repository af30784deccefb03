#pragma once

#include <QString>

// The program's settings file, Tolv2014.ini in the program folder. Each call opens the file,
// reads or writes one value and closes it, so a value one window writes the next read sees.
// A missing file, section or key reads as the default; writing creates what is missing and
// replaces the file in one step. Sections and keys are compared without regard to case.
class TArquivoIni {
 public:
  static QString Caminho();

  static QString LeString(const QString& secao, const QString& chave, const QString& padrao = {});
  // False when the file could not be written (the file stays as it was).
  static bool GravaString(const QString& secao, const QString& chave, const QString& valor);

  // "0" is false, any other number true; anything else reads as the default. Written "1"/"0".
  static bool LeBooleano(const QString& secao, const QString& chave, bool padrao);
  static bool GravaBooleano(const QString& secao, const QString& chave, bool valor);
  static int LeInteiro(const QString& secao, const QString& chave, int padrao);
  static bool GravaInteiro(const QString& secao, const QString& chave, int valor);
};
