#include "plataforma/gui/GuardaEventos.h"

#include <QtDebug>

namespace {

GuardaEventos::Exibidor& exibidor() {
  static GuardaEventos::Exibidor e;
  return e;
}

GuardaEventos::Fatal& fatal() {
  static GuardaEventos::Fatal f;
  return f;
}

int g_exibindo = 0;

// True when the handler of fatal exceptions took the exception being handled (it returns only in
// tests).
bool trataFatal(const std::exception* e) noexcept {
  const std::exception_ptr atual = std::current_exception();
  if (!atual || !fatal()) return false;
  try {
    return fatal()(atual);
  } catch (const std::exception& outra) {
    // Only a test's end of the process returns, by raising, after the failure was shown.
    qWarning().noquote() << "Erro:" << GuardaEventos::texto(e) << "/" << GuardaEventos::texto(&outra);
  } catch (...) {
    qWarning().noquote() << "Erro:" << GuardaEventos::texto(e);
  }
  return true;
}

void exibe(const std::exception* e) noexcept {
  if (trataFatal(e)) return;
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

void defineFatal(Fatal f) { fatal() = std::move(f); }

QString texto(const std::exception* e) {
  return e ? QString::fromUtf8(e->what()) : QStringLiteral("Ocorreu um erro inesperado.");
}

void mostra(const std::exception& e) { exibe(&e); }

void mostraDesconhecida() { exibe(nullptr); }

}  // namespace GuardaEventos
