#include "controles/GanchosNucleo.h"

#include <QApplication>
#include <QCursor>

#include "nucleo/CursorEspera.h"
#include "nucleo/UtilJanelas.h"

void InstalaGanchosNucleo() {
  GanchosCursor cursor;
  cursor.mostra = [](Qt::CursorShape forma) { QApplication::setOverrideCursor(QCursor(forma)); };
  cursor.restaura = [] { QApplication::restoreOverrideCursor(); };
  DefineGanchosCursor(std::move(cursor));
  DefineGanchoEventos([] { QCoreApplication::processEvents(); });
}
