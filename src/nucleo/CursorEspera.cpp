#include "nucleo/CursorEspera.h"

#include <QCursor>
#include <QGuiApplication>

CursorEspera::CursorEspera() : m_ativo(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
  if (m_ativo) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

CursorEspera::~CursorEspera() {
  if (m_ativo) QGuiApplication::restoreOverrideCursor();
}
