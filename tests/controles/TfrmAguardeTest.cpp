#include <QWidget>

#include <gtest/gtest.h>

#include "suporte/QtGtest.h"

#include "controles/TfrmAguarde.h"

TEST(TfrmAguarde, ShownOnceOverItsOwnerAndFreedOnClose) {
  QWidget dono;
  dono.setGeometry(100, 100, 1024, 700);
  dono.show();
  TfrmAguarde::MostraAguarde(&dono);
  TfrmAguarde* form = TfrmAguarde::instancia();
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->windowTitle(), "Aguarde...");
  EXPECT_EQ(form->size(), QSize(792, 536));
  EXPECT_EQ(form->parentWidget(), &dono);
  TfrmAguarde::MostraAguarde(&dono);
  EXPECT_EQ(TfrmAguarde::instancia(), form);
  EXPECT_EQ(dono.findChildren<TfrmAguarde*>().size(), 1);
  TfrmAguarde::FechaAguarde();
  EXPECT_EQ(TfrmAguarde::instancia(), nullptr);
  EXPECT_TRUE(dono.findChildren<TfrmAguarde*>().isEmpty());
  TfrmAguarde::FechaAguarde();  // nothing to close: nothing happens
}
