#pragma once

#include <vector>

#include "validador/TCampo.h"
#include "validador/TTipoRegistro.h"

class TRegistro;

// The field tables of the three layouts: for each record type, its fields in line order with
// their attributes and rules. The current layout's tables are written out; the two earlier ones
// are built from them by their differences.
class TCampoFactory {
 public:
  // Gives the record the fields of its type in the run's layout version, each of that version's
  // field class.
  static void CriaCampos(TRegistro& registro);
  // The fields of a record type in a layout version (2, 3 or 4); empty when the version does not
  // describe the type.
  static std::vector<TCampo::Atributos> Definicao(uint8_t versao, TTipoRegistro tipo);
};
