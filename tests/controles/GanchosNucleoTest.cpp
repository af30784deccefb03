#include "controles/GanchosNucleo.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include <gtest/gtest.h>

#include "nucleo/CursorEspera.h"
#include "nucleo/UtilJanelas.h"

namespace {

class GanchosNucleo : public testing::Test {
 protected:
  GanchosNucleo() { InstalaGanchosNucleo(); }
  ~GanchosNucleo() override {
    DefineGanchosCursor({});
    DefineGanchoEventos({});
  }
};

TEST_F(GanchosNucleo, TheModelsCursorShowsAndNestsOverTheProgram) {
  ASSERT_EQ(QApplication::overrideCursor(), nullptr);
  {
    CursorEspera espera;
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    {
      CursorEspera ocupado(Qt::BusyCursor);
      EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(GanchosNucleo, TheModelsLongWorkRunsThePendingEvents) {
  bool rodou = false;
  QTimer::singleShot(0, [&] { rodou = true; });
  ProcessaEventos();
  EXPECT_TRUE(rodou);
}

}  // namespace
