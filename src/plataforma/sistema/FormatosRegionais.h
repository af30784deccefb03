#pragma once

#include <QChar>
#include <QString>

class QDate;
class QDateTime;
class QTime;

// The number, date and time formats the program always uses, whatever the user's locale or its
// later changes: ',' decimal, '.' thousands, '/' dates, "hh:nn" and "hh:nn:ss" times. Code that
// formats takes them from here (or as an argument), never from the process locale.
struct FormatosRegionais {
  QChar separadorDecimal = u',';
  QChar separadorMilhar = u'.';
  QChar separadorData = u'/';
  // In Qt's notation: "dd/MM/yyyy", "hh:mm", "hh:mm:ss".
  QString dataCurta = QStringLiteral("dd/MM/yyyy");
  QString horaCurta = QStringLiteral("hh:mm");
  QString horaLonga = QStringLiteral("hh:mm:ss");

  static const FormatosRegionais& doPrograma();

  QString data(const QDate& d) const;
  QString hora(const QTime& t) const;  // long time
  QString dataHora(const QDateTime& dt) const;  // date, a blank, long time
};
