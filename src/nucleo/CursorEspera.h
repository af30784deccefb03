#pragma once

#include <QCursor>
#include <QGuiApplication>

// A waiting cursor for the life of the object, restored however the work ends; only a GUI
// application has a cursor.
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
