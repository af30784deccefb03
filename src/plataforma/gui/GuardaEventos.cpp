#include "plataforma/gui/GuardaEventos.h"

#include <QtDebug>

namespace {

GuardaEventos::Exibidor& exibidor() {
  static GuardaEventos::Exibidor e;
  return e;
}

int g_exibindo = 0;

void exibe(const std::exception* e) noexcept {
  // An exception raised while its predecessor is on screen (a paint event behind the modal box,
  // say) is logged, not stacked into another box.
  if (g_exibindo > 0 || !exibidor()) {
    qWarning().noquote() << "Erro:" << GuardaEventos::texto(e);
    return;
  }
  ++g_exibindo;
  try {
    exibidor()(e);
  } catch (...) {
    // The display itself failed: the log is all that is left.
    qWarning().noquote() << "Erro:" << GuardaEventos::texto(e);
  }
  --g_exibindo;
}

}  // namespace

namespace GuardaEventos {

void defineExibidor(Exibidor e) { exibidor() = std::move(e); }

QString texto(const std::exception* e) {
  return e ? QString::fromUtf8(e->what()) : QStringLiteral("Ocorreu um erro inesperado.");
}

void mostra(const std::exception& e) { exibe(&e); }

void mostraDesconhecida() { exibe(nullptr); }

}  // namespace GuardaEventos
