#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "controles/TEditData.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

class EditData : public testing::Test {
 protected:
  void SetUp() override { data.SetLimites(QDate(2014, 1, 1), QDate(2014, 12, 31)); }
  TEditData data;
};

TEST_F(EditData, TextoDigitadoViraDataSoDentroDosLimites) {
  QSignalSpy mudou(&data, &TEditData::Mudou);
  data.SetTexto(QStringLiteral("5/1/2014"));
  EXPECT_EQ(data.Data(), QDate(2014, 1, 5));
  data.SetTexto(QStringLiteral("31/12/2013"));
  EXPECT_FALSE(data.Data().isValid());
  data.SetTexto(QStringLiteral("30/02/2014"));
  EXPECT_FALSE(data.Data().isValid());
  data.SetTexto(QStringLiteral("28/02/2014"));
  EXPECT_EQ(data.Data(), QDate(2014, 2, 28));
  ASSERT_EQ(mudou.size(), 3);
  EXPECT_FALSE(mudou.at(1).at(0).toDate().isValid());
  // A date out of the limits given by code empties the picker.
  data.SetData(QDate(2015, 1, 1));
  EXPECT_FALSE(data.Data().isValid());
  EXPECT_TRUE(data.Texto().isEmpty());
}

TEST_F(EditData, SoDigitosEBarrasEAoSairMostraADataInteira) {
  ASSERT_TRUE(AtivaJanela(&data));
  data.Edit()->setFocus();
  QTest::keyClicks(data.Edit(), QStringLiteral("7a/3x/2014"));
  EXPECT_EQ(data.Texto(), QStringLiteral("7/3/2014"));
  EXPECT_EQ(data.Data(), QDate(2014, 3, 7));
  data.Edit()->clearFocus();
  EXPECT_EQ(data.Texto(), QStringLiteral("07/03/2014"));
  // What is no date goes when the picker is left.
  data.Edit()->setFocus();
  data.Edit()->selectAll();
  QTest::keyClicks(data.Edit(), QStringLiteral("99/99"));
  data.Edit()->clearFocus();
  EXPECT_TRUE(data.Texto().isEmpty());
  EXPECT_FALSE(data.Data().isValid());
}

}  // namespace
