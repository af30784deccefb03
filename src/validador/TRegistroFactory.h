#pragma once

#include <QStringList>

#include <memory>

#include "validador/TTipoRegistro.h"

class TArquivoDados;
class TRegistro;

// The record tables of the three layouts: for each record type, the number of values of its lines,
// whether it may occur only once, and the record rules after the base ones.
class TRegistroFactory {
 public:
  struct Definicao {
    bool descrito = false;
    uint8_t campos = 0;
    bool unico = false;
    QStringList regras;
  };

  // A record of the type in the run's layout version, of that version's record class, with its
  // fields; nothing for a run without a known layout. A type the version does not describe gets a
  // record without fields and with only the base rules.
  static std::unique_ptr<TRegistro> CriaRegistro(TTipoRegistro tipo, TArquivoDados& dados);
  static Definicao DefinicaoRegistro(uint8_t versao, TTipoRegistro tipo);
};
