#include "plataforma/gui/Teclado.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>
#include <vector>

void SimulaTecla(int tecla, Qt::KeyboardModifiers modificadores, bool) {
  QWidget* alvo = QApplication::focusWidget();
  if (!alvo) return;
  const std::pair<Qt::KeyboardModifier, Qt::Key> ordem[] = {
      {Qt::ShiftModifier, Qt::Key_Shift}, {Qt::AltModifier, Qt::Key_Alt}, {Qt::ControlModifier, Qt::Key_Control}};
  std::vector<std::pair<Qt::KeyboardModifier, Qt::Key>> pressionadas;
  Qt::KeyboardModifiers estado;
  // A modifier key's own event carries the state before it, as the keyboard's do: Qt reports
  // the state after it by flipping the key's modifier.
  for (const auto& [mod, chave] : ordem) {
    if (!(modificadores & mod)) continue;
    QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyPress, chave, estado));
    estado |= mod;
    pressionadas.push_back({mod, chave});
  }
  QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyPress, tecla, estado));
  QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyRelease, tecla, estado));
  for (auto it = pressionadas.rbegin(); it != pressionadas.rend(); ++it) {
    QCoreApplication::postEvent(alvo, new QKeyEvent(QEvent::KeyRelease, it->second, estado));
    estado &= ~it->first;
  }
}
