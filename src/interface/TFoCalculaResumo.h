#pragma once

#include <QDialog>

#include <functional>

class QProgressBar;
class RecalculoResumo;
class TTolv;
class TTolvButton;

// "Resumo da Declaração": rebuilds the open declaration's summaries with a gauge and a cancel
// button, modal over the main window. The work starts once the window shows and the window
// closes when it ends; a cancelled run leaves the summaries as they were.
class TFoCalculaResumo : public QDialog {
  Q_OBJECT
 public:
  // 1 completed, 2 cancelled, 0 when a recalculation window is already open (nothing done).
  static int Executa(TTolv& tolv, QWidget* dono);
  // The window while it runs.
  static TFoCalculaResumo* Instancia();
  // The gauge's steps come at most this often (tests make it every line).
  static int DefineIntervaloProgresso(int ms);
  // Runs once the window is up, inside the walk, with the window and the lines read so far.
  static void DefineObservador(std::function<void(TFoCalculaResumo&, int linhas)> observador);

  QProgressBar* Gauge() const { return m_gauge; }
  TTolvButton* BtCancelar() const { return m_cancelar; }

 protected:
  // Closing the window (Escape, its close box) cancels.
  void reject() override;

 private:
  TFoCalculaResumo(TTolv& tolv, QWidget* dono);
  ~TFoCalculaResumo() override;
  int Calcula();

  TTolv& m_tolv;
  QProgressBar* m_gauge = nullptr;
  TTolvButton* m_cancelar = nullptr;
  RecalculoResumo* m_recalculo = nullptr;
};
