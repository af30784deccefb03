#include "plataforma/sistema/FormatosRegionais.h"

#include <QDateTime>

const FormatosRegionais& FormatosRegionais::doPrograma() {
  static const FormatosRegionais formatos;
  return formatos;
}

// Numeric date and time patterns do not depend on a locale in Qt.
QString FormatosRegionais::data(const QDate& d) const { return d.toString(dataCurta); }

QString FormatosRegionais::hora(const QTime& t) const { return t.toString(horaLonga); }

QString FormatosRegionais::dataHora(const QDateTime& dt) const {
  return dt.toString(dataCurta + u' ' + horaLonga);
}
