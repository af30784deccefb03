#include "plataforma/gui/Foco.h"

#include <QWidget>

QWidget* FocaPrimeiroBotao(std::initializer_list<QWidget*> botoes) {
  for (QWidget* b : botoes) {
    if (b && b->isVisible() && b->isEnabled() && b->focusPolicy() != Qt::NoFocus) {
      b->setFocus(Qt::OtherFocusReason);
      return b;
    }
  }
  return nullptr;
}
