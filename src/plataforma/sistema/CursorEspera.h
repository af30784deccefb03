#pragma once

#include <QCursor>
#include <QGuiApplication>

// A busy cursor for the life of the object; only a GUI application has a cursor, so elsewhere
// (tests, tools) it does nothing. Restored also when the work in between raises.
class CursorEspera {
 public:
  explicit CursorEspera(Qt::CursorShape forma = Qt::WaitCursor)
      : m_ativo(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (m_ativo) QGuiApplication::setOverrideCursor(QCursor(forma));
  }
  ~CursorEspera() {
    if (m_ativo) QGuiApplication::restoreOverrideCursor();
  }
  CursorEspera(const CursorEspera&) = delete;
  CursorEspera& operator=(const CursorEspera&) = delete;

 private:
  bool m_ativo;
};
