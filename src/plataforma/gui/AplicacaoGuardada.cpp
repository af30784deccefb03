#include "plataforma/gui/AplicacaoGuardada.h"

#include "plataforma/gui/GuardaEventos.h"

AplicacaoGuardada::AplicacaoGuardada(int& argc, char** argv) : QApplication(argc, argv) {}

bool AplicacaoGuardada::notify(QObject* destino, QEvent* evento) {
  bool tratado = false;
  GuardaEventos::executa([&] { tratado = QApplication::notify(destino, evento); });
  return tratado;
}
