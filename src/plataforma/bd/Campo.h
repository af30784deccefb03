#pragma once

#include <QDate>
#include <QDateTime>
#include <QLatin1StringView>
#include <QString>

#include <cstdint>

#include "plataforma/bd/Dado.h"

namespace bd {

namespace interno {
class FonteCampos;
}

// A field of the current row of a query, or an output of a procedure. A light handle: it
// reads the row at the moment it is asked and lives no longer than its query. Null reads as
// empty text, 0 or an invalid date.
class Campo {
 public:
  Campo(const interno::FonteCampos* fonte, int indice) : m_fonte(fonte), m_indice(indice) {}

  const QString& nome() const;
  bool nulo() const;
  Dado valor() const;
  QString texto() const;
  // Whether the text equals `outro`, without building a text (a flag read row after row).
  bool igual(QLatin1StringView outro) const;
  int inteiro() const;
  int64_t inteiro64() const;
  int64_t dezMilesimos() const;  // a decimal column read exactly, whatever its scale
  double real() const;
  bool booleano() const;
  QDate data() const;
  QDateTime dataHora() const;
  int escala() const;  // the column's scale: -4 for four decimals, 0 for integers and texts

  // Changes the value in the cached row only; nothing reaches the database.
  void define(const Dado& v) const;

 private:
  const interno::FonteCampos* m_fonte;
  int m_indice;
};

}  // namespace bd
