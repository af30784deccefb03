#include "nucleo/UtilSistema.h"

#include <QUrl>

#include "plataforma/sistema/CursorEspera.h"
#include "plataforma/sistema/Shell.h"

bool AbreEndereco(const QString& endereco) {
  const QString t = endereco.trimmed();
  if (t.isEmpty()) return false;
  return Shell().abre(QUrl::fromUserInput(t));
}

bool AbreSiteInternet(bool abre) {
  if (!Shell().temNavegador()) return false;
  if (abre) {
    CursorEspera espera;  // while the browser starts
    Shell().abre(QUrl(kSiteInternet));
  }
  return true;
}
