#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows a window and waits until the widgets see it active, so that focus changes are announced.
// QTest::qWaitForWindowActive is not enough: QWindow::isActive() also answers true for a dialog
// whose parent window is the active one.
inline bool AtivaJanela(QWidget* janela) {
  janela->show();
  janela->activateWindow();
  return QTest::qWaitFor([janela] { return QApplication::activeWindow() == janela; });
}
