#include <QComboBox>

#include <gtest/gtest.h>

#include "controles/PreencheNaturezas.h"
#include "nucleo/TTolv.h"
#include "suporte/QtGtest.h"

namespace {

TEST(PreencheNaturezas, CompanyNaturesWithTheCurrentOneSelected) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi("11222333000181");
  tolv.RefazNaturezasPermitidas();
  tolv.SetNatureza(tolv.GetNaturezas().BuscaNatureza(3));
  QComboBox combo;
  PreencheNaturezas(combo, tolv);
  ASSERT_EQ(combo.count(), 6);
  EXPECT_TRUE(combo.isEnabled());
  EXPECT_EQ(combo.currentData().toInt(), 3);
  EXPECT_EQ(combo.currentText(), tolv.GetNaturezas().BuscaNatureza(3)->GetDescricao());
}

TEST(PreencheNaturezas, CurrentNatureNotAllowedOnlyClearsTheSelection) {
  TTolv tolv;
  tolv.GetContribuinte().SetNi("11144477735");  // a person: only nature 9
  tolv.RefazNaturezasPermitidas();
  QComboBox combo;
  combo.setEnabled(false);
  PreencheNaturezas(combo, tolv);
  ASSERT_EQ(combo.count(), 1);
  EXPECT_EQ(combo.itemData(0).toInt(), 9);
  EXPECT_EQ(combo.currentIndex(), -1);
  EXPECT_FALSE(combo.isEnabled());
}

TEST(PreencheNaturezas, NoNaturesDisablesAndGreys) {
  TTolv tolv;
  tolv.GetNaturezas().LimpaPermitidas();
  QComboBox combo;
  PreencheNaturezas(combo, tolv);
  EXPECT_EQ(combo.count(), 0);
  EXPECT_FALSE(combo.isEnabled());
  EXPECT_EQ(combo.palette().color(QPalette::Base), QColor(225, 225, 225));
}

}  // namespace
