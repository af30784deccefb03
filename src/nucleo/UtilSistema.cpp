#include "nucleo/UtilSistema.h"

#include <QUrl>

#include "nucleo/CursorEspera.h"
#include "plataforma/sistema/Shell.h"

bool AbreEndereco(const QString& endereco) {
  const QString t = endereco.trimmed();
  if (t.isEmpty()) return false;
  return Shell().abre(QUrl::fromUserInput(t));
}

bool AbreSiteInternet(bool abre) {
  if (!Shell().temNavegador()) return false;
  if (abre) {
    CursorEspera espera;
    Shell().abre(QUrl(kSiteInternet));
  }
  return true;
}
