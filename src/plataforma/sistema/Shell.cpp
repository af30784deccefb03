#include "plataforma/sistema/Shell.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

class ShellDaArea : public IShell {
 public:
  bool abre(const QUrl& endereco) override {
    // Opening goes through the platform plug-in, which only a GUI application has.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || !endereco.isValid()) return false;
    return QDesktopServices::openUrl(endereco);
  }

  // The desktop opens web pages through xdg-open.
  bool temNavegador() const override {
    return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty();
  }
};

IShell* g_instalado = nullptr;

}  // namespace

IShell& Shell() {
  static ShellDaArea area;
  return g_instalado ? *g_instalado : area;
}

IShell* InstalaShell(IShell* shell) {
  IShell* anterior = g_instalado;
  g_instalado = shell;
  return anterior;
}
