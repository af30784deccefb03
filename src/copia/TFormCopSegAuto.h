#pragma once

#include <QDialog>

#include <cstdint>

#include "plataforma/compressao/Compressor.h"

class QLabel;
class QProgressBar;
class TTolvButton;

// The automatic backup on exit, "Cópia de segurança automática": the index and every declaration
// database into CopSeg/copsegauto.cmp of the program folder, in place of the previous one,
// without asking anything. Enter, Esc and the space bar cancel it; the previous archive then
// stays as it was.
class TFormCopSegAuto : public QDialog {
  Q_OBJECT
 public:
  explicit TFormCopSegAuto(QWidget* dono = nullptr);
  ~TFormCopSegAuto() override;

  // The whole work: shows the window, writes the archive and, once it replaced the previous one,
  // points the registry value DirCsDefault at its folder. A database that cannot be read or a
  // failed writing is told and leaves the previous archive; a cancel is not. Returns 1 done,
  // 2 cancelled, 0 failed.
  int GravaCopiaAutomatica();
  void BotaoCancelarClick();

  int64_t TamanhoTotal() const { return m_total; }
  static QString PastaCopias();
  static QString Arquivo();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void reject() override;

 private:
  QLabel* m_lbDiretorio = nullptr;
  QProgressBar* m_gaugeTotal = nullptr;
  TTolvButton* m_botaoCancelar = nullptr;
  compressao::Compressor m_compressor;
  int64_t m_total = 0;
  bool m_cancelar = false;
};

// The exit's automatic backup, in a window owned by `dono` (the main window, disabled meanwhile).
void ExecutaCopiaAutomatica(QWidget* dono);
