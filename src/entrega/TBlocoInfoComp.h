#pragma once

#include <QString>

#include "entrega/IBlocoArquivo.h"

// The complementary information of the persons' income statements: an INF record per person
// whose text is not blank, by CPF. The text keeps its own rule for line breaks: a carriage return
// goes, a line feed becomes a blank, so that a text of several lines is one field. A field
// separator in it still refuses the writing.
class TBlocoInfoComp : public IBlocoArquivo {
 public:
  void Gera(ContextoGravacao& contexto) override;

  static QString ConsultaTextos();
  // The text as the record carries it.
  static QString TextoDoRegistro(const QString& informacao);
};
