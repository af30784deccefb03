#include "plataforma/sistema/Pastas.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& sobreposta() {
  static QString pasta;
  return pasta;
}
}  // namespace

namespace Pastas {

QString programa() {
  QString pasta = sobreposta().isEmpty() ? QCoreApplication::applicationDirPath() : sobreposta();
  while (pasta.size() > 1 && (pasta.endsWith('/') || pasta.endsWith('\\'))) pasta.chop(1);
  return pasta;
}

void definePrograma(const QString& pasta) { sobreposta() = QDir::cleanPath(pasta); }

QString dados() { return programa() + QStringLiteral("/DADOS"); }

QString temp() { return programa() + QStringLiteral("/DADOS/TEMP"); }

QString sistema() {
  QString pasta = qEnvironmentVariable("TOLV_PASTA_SISTEMA");
  if (pasta.isEmpty()) return QStringLiteral("/etc");
  while (pasta.size() > 1 && (pasta.endsWith('/') || pasta.endsWith('\\'))) pasta.chop(1);
  return pasta;
}

}  // namespace Pastas
