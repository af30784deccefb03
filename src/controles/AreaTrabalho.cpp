#include "controles/AreaTrabalho.h"

#include <QDir>

#include "plataforma/sistema/Unidades.h"

namespace AreaTrabalho {

namespace {

QString& definida() {
  static QString pasta;
  return pasta;
}

}  // namespace

QString raiz() { return definida().isEmpty() ? QDir::rootPath() : definida(); }

void defineRaiz(const QString& pasta) { definida() = pasta.isEmpty() ? QString() : QDir::cleanPath(pasta); }

QString unidadePadrao() { return Unidades().fixaPadrao(); }

bool contem(const QString& pasta, const QString& caminho) {
  const QString p = QDir::cleanPath(pasta);
  const QString c = QDir::cleanPath(caminho);
  if (p.isEmpty() || c.isEmpty()) return false;
  if (p == c) return true;
  return c.startsWith(p.endsWith('/') ? p : p + '/');
}

}  // namespace AreaTrabalho
