#include "plataforma/gui/GuardaEventos.h"

#include <QtDebug>

namespace {

GuardaEventos::Exibidor& exibidor() {
  static GuardaEventos::Exibidor e;
  return e;
}

int g_exibindo = 0;

void exibe(const QString& texto) noexcept {
  // An exception raised while its predecessor is on screen (a paint event behind the modal box,
  // say) is logged, not stacked into another box.
  if (g_exibindo > 0 || !exibidor()) {
    qWarning().noquote() << "Erro:" << texto;
    return;
  }
  ++g_exibindo;
  try {
    exibidor()(texto);
  } catch (...) {
    // The display itself failed: the log is all that is left.
    qWarning().noquote() << "Erro:" << texto;
  }
  --g_exibindo;
}

}  // namespace

namespace GuardaEventos {

void defineExibidor(Exibidor e) { exibidor() = std::move(e); }

void mostra(const std::exception& e) { exibe(QString::fromUtf8(e.what())); }

void mostraDesconhecida() { exibe(QStringLiteral("Ocorreu um erro inesperado.")); }

}  // namespace GuardaEventos
