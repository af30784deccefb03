#include <QApplication>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "plataforma/gui/Foco.h"

namespace {

TEST(FocaPrimeiroBotao, FirstThatCanTakeTheFocus) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) GTEST_SKIP() << "needs a QApplication";
  QWidget janela;
  auto* oculto = new QPushButton("1", &janela);
  auto* desabilitado = new QPushButton("2", &janela);
  auto* semFoco = new QPushButton("3", &janela);
  auto* bom = new QPushButton("4", &janela);
  janela.show();
  QApplication::setActiveWindow(&janela);
  oculto->hide();
  desabilitado->setEnabled(false);
  semFoco->setFocusPolicy(Qt::NoFocus);
  EXPECT_EQ(FocaPrimeiroBotao({nullptr, oculto, desabilitado, semFoco, bom}), bom);
  EXPECT_TRUE(bom->hasFocus());
  bom->setEnabled(false);
  EXPECT_EQ(FocaPrimeiroBotao({oculto, desabilitado, semFoco, bom}), nullptr);
}

}  // namespace
