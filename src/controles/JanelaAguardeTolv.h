#pragma once

#include <QPointer>
#include <QWidget>

#include "nucleo/UtilJanelas.h"

// The wait window that the program installs at start: TfrmAguarde, owned by the main window.
class JanelaAguardeTolv : public IJanelaAguarde {
 public:
  explicit JanelaAguardeTolv(QWidget* dono) : m_dono(dono) {}

  void mostra() override;
  void fecha() override;

 private:
  QPointer<QWidget> m_dono;
};
