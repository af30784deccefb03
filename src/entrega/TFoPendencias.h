#pragma once

#include <QWidget>

#include "entrega/TFrTolvVerifica.h"

class QTimer;
class TTolv;

// The pendency window, "Verificação de pendências": the verification frame on the open
// declaration, beside the main window (above it, at its bottom, centred). It starts its run by
// itself once shown, and may be closed at any time: during a run the close waits until the item
// under way is done. One window at most; while it is in view the program's message box shows
// nothing, and while it exists the main window asks it to close before it frees the declaration.
// Going to a finding hides it; Ctrl+E brings it back.
class TFoPendencias : public QWidget {
  Q_OBJECT
 public:
  TFoPendencias(QWidget* principal, TTolv& declaracao);
  ~TFoPendencias() override;

  TFrTolvVerifica& FrTolvVerifica() { return *m_frame; }
  TTolv& Declaracao() { return m_declaracao; }

  // The window that exists now, if any.
  static TFoPendencias* Atual();

  // Asks the run to stop; true (and the window is going) when none runs, else it closes by
  // itself once the run has stopped.
  bool FormCloseQuery();

 protected:
  void showEvent(QShowEvent* evento) override;
  void hideEvent(QHideEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  void Timer1Timer();
  void Timer2Timer();

  TTolv& m_declaracao;
  TFrTolvVerifica* m_frame;
  QTimer* m_timer1;
  QTimer* m_timer2;
};

// Ctrl+E of the main window: the window on the declaration, with the go-to of the main window;
// an existing one comes back to normal state and runs the verification again.
void MostraPendencias(TTolv& declaracao, TFrTolvVerifica::Posicionador irPara, QWidget* principal);
// Frees the window now (no run may be under way).
void FechaPendencias();
// The pendency report of the window's list (the main window's print menu): nothing without one.
void RelatorioPendencias(bool visualizar);
