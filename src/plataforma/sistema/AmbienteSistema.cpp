#include "plataforma/sistema/AmbienteSistema.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>

QString AmbienteSistema::formatoDataCurta() const {
  return QLocale::system().dateFormat(QLocale::ShortFormat);
}

double AmbienteSistema::resolucaoLogica() const {
  const QScreen* tela = QGuiApplication::primaryScreen();
  return tela ? tela->logicalDotsPerInch() : 96.0;
}
