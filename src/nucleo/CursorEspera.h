#pragma once

#include <QtCore/qnamespace.h>

#include <functional>

// A waiting cursor for the life of the object, restored however the work ends. The model has
// no cursor of its own: the program's controls install what shows one (DefineGanchosCursor);
// without them nothing happens.
class CursorEspera {
 public:
  explicit CursorEspera(Qt::CursorShape forma = Qt::WaitCursor);
  ~CursorEspera();
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;

 private:
  bool m_ativo;
};

// Shows a cursor over the program until the matching restaura; calls nest. Empty members
// remove the hooks.
struct GanchosCursor {
  std::function<void(Qt::CursorShape forma)> mostra;
  std::function<void()> restaura;
};
void DefineGanchosCursor(GanchosCursor ganchos);
