#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace secoes_teste {

// Walks the Tab order of a window as a user does, one key at a time from the control that has
// the focus, and names every stop that the user could not see or use: no control, a hidden or
// disabled one, one outside the window, or one that takes no keys. The exits of the fields run
// on the way (their messages go to whatever box the test installed).
inline QStringList ParadasInalcancaveis(QWidget* janela, int passos, bool paraTras) {
  QStringList erradas;
  for (int i = 0; i < passos; ++i) {
    QWidget* antes = QApplication::focusWidget();
    if (!antes) {
      erradas << QStringLiteral("%1: nenhum controle com o foco").arg(i);
      break;
    }
    QTest::keyClick(antes, Qt::Key_Tab, paraTras ? Qt::ShiftModifier : Qt::NoModifier);
    for (int k = 0; k < 3; ++k) QApplication::processEvents();
    QWidget* w = QApplication::focusWidget();
    const QString nome = w ? QString::fromLatin1(w->metaObject()->className()) + u' ' + w->objectName() : QString();
    if (!w)
      erradas << QStringLiteral("%1: o foco sumiu depois de %2").arg(i).arg(antes->objectName());
    else if (w->window() != janela)
      erradas << QStringLiteral("%1: %2 fora da janela").arg(i).arg(nome);
    else if (!w->isVisible() || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
      erradas << QStringLiteral("%1: %2 escondido ou desabilitado").arg(i).arg(nome);
    else
      for (QWidget* p = w; p && p != janela; p = p->parentWidget())
        if (!p->isVisible() || !p->isEnabled() || !p->geometry().intersects(p->parentWidget()->rect())) {
          erradas << QStringLiteral("%1: %2 fora da vista (%3)").arg(i).arg(nome, p->objectName());
          break;
        }
    if (!w) break;
  }
  return erradas;
}

}  // namespace secoes_teste
