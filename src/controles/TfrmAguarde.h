#pragma once

#include <QDialog>

class QShowEvent;

// The wait form shown while a declaration opens: a borderless box centred on its owner with
// "Aguarde, abrindo a declaração" and a busy indicator.
class TfrmAguarde : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAguarde(QWidget* dono = nullptr);

  // Creates the form owned by `dono` (once), shows it and paints it at once.
  static void MostraAguarde(QWidget* dono);
  // Closes and frees it when it exists.
  static void FechaAguarde();
  static TfrmAguarde* instancia();

 protected:
  void showEvent(QShowEvent* evento) override;
};
