#include "nucleo/UtilSistema.h"

#include <QCursor>
#include <QGuiApplication>
#include <QUrl>

#include "plataforma/sistema/Shell.h"

namespace {

// The hourglass while the browser starts; only a GUI application has a cursor.
class CursorEspera {
 public:
  CursorEspera() : m_ativo(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (m_ativo) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~CursorEspera() {
    if (m_ativo) QGuiApplication::restoreOverrideCursor();
  }
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;

 private:
  bool m_ativo;
};

}  // namespace

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
