#include "nucleo/CursorEspera.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include "nucleo/UtilJanelas.h"

// The model shows no cursor and runs no event by itself: only the hooks that the program's
// controls install do.
TEST(GanchosDoModelo, WithoutTheProgramsHooksNothingHappens) {
  bool rodou = false;
  QTimer::singleShot(0, [&] { rodou = true; });
  { CursorEspera espera; }
  ProcessaEventos();
  EXPECT_FALSE(rodou);

  int mostrados = 0;
  int restaurados = 0;
  DefineGanchosCursor({[&](Qt::CursorShape forma) { mostrados += forma == Qt::BusyCursor; }, [&] { ++restaurados; }});
  DefineGanchoEventos([] { QCoreApplication::processEvents(); });
  { CursorEspera espera(Qt::BusyCursor); }
  ProcessaEventos();
  DefineGanchosCursor({});
  DefineGanchoEventos({});
  EXPECT_EQ(mostrados, 1);
  EXPECT_EQ(restaurados, 1);
  EXPECT_TRUE(rodou);
}
