#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include "plataforma/gui/Teclado.h"
#include "suporte/QtGtest.h"

namespace {

// Widgets need a GUI application; this test program may run on a core one.
#define EXIGE_QAPPLICATION()                                              \
  if (!qobject_cast<QApplication*>(QCoreApplication::instance()))         \
  GTEST_SKIP() << "needs a QApplication"

class Gravador : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  QStringList eventos;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    eventos << QString("+%1/%2").arg(e->key(), 0, 16).arg(int(e->modifiers()), 0, 16);
    QLineEdit::keyPressEvent(e);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    eventos << QString("-%1/%2").arg(e->key(), 0, 16).arg(int(e->modifiers()), 0, 16);
    QLineEdit::keyReleaseEvent(e);
  }
};

QString ev(char sinal, int tecla, Qt::KeyboardModifiers m) {
  return QString("%1%2/%3").arg(sinal).arg(tecla, 0, 16).arg(int(m), 0, 16);
}

TEST(SimulaTecla, ModifiersAroundTheKeyInOrder) {
  EXIGE_QAPPLICATION();
  QWidget janela;
  auto* campo = new Gravador(&janela);
  janela.show();
  QApplication::setActiveWindow(&janela);
  campo->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), campo);
  SimulaTecla(Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  QCoreApplication::processEvents();
  const auto s = Qt::ShiftModifier;
  const auto sa = Qt::ShiftModifier | Qt::AltModifier;
  const auto sac = sa | Qt::ControlModifier;
  EXPECT_EQ(campo->eventos, QStringList({ev('+', Qt::Key_Shift, s), ev('+', Qt::Key_Alt, sa),
                                          ev('+', Qt::Key_Control, sac), ev('+', Qt::Key_A, sac),
                                          ev('-', Qt::Key_A, sac), ev('-', Qt::Key_Control, sa),
                                          ev('-', Qt::Key_Alt, s), ev('-', Qt::Key_Shift, Qt::NoModifier)}));
}

TEST(SimulaTecla, TabMovesTheFocus) {
  EXIGE_QAPPLICATION();
  QWidget janela;
  auto* a = new QLineEdit(&janela);
  auto* b = new QLineEdit(&janela);
  janela.show();
  QApplication::setActiveWindow(&janela);
  a->setFocus();
  SimulaTecla(Qt::Key_Tab);
  QCoreApplication::processEvents();
  EXPECT_TRUE(b->hasFocus());
  SimulaTecla(Qt::Key_Tab, Qt::ShiftModifier);
  QCoreApplication::processEvents();
  EXPECT_TRUE(a->hasFocus());
}

TEST(SimulaTecla, NothingWithoutAFocusedWidget) {
  EXIGE_QAPPLICATION();
  QApplication::setActiveWindow(nullptr);
  SimulaTecla(Qt::Key_Return);
  QCoreApplication::processEvents();
  SUCCEED();
}

}  // namespace
