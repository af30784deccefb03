#pragma once

#include <QMainWindow>
#include <QString>

#include "interface/PassosPrincipal.h"

class IAmbienteSistema;
class QAction;
class QLabel;

// The action guard: true while one of the main window's actions (or the initial dialog) runs;
// an action started meanwhile does nothing.
extern bool AcaoEmAndamento;

// The main window. Creating it runs the program's start-up checks: Firebird.conf, the large-fonts
// warning, the short date format (refused: message 186, and the window must not be shown), the
// settings and the declarations index. Closing it asks "Confirma sair do programa?".
class TTolv2014 : public QMainWindow {
  Q_OBJECT
 public:
  TTolv2014(const IAmbienteSistema& ambiente, PassosPrincipal passos, QWidget* pai = nullptr);
  ~TTolv2014() override;

  // The system's short date format was refused at creation.
  bool formatoDataRecusado() const { return m_formatoDataRecusado; }
  PassosPrincipal& passos() { return m_passos; }

  // The first dialogs, once, after the window is shown: the news window and the backup-archive
  // notice until the news window is asked not to open again, then the initial dialog.
  void AbrirDialogoInicial();
  // Lists the backup archives of the folder of the registry value DirCsDefault, if any.
  void VerificaCopiaDeSeguranca();
  // The gate of every action that opens a window: false keeps the window closed.
  bool PodeAbrirForm(const QString& nomeForm);
  // Another copy of the program asked for this window.
  void trazParaFrente();

 protected:
  void showEvent(QShowEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;

 private:
  void FormCreate(const IAmbienteSistema& ambiente);
  bool FormCloseQuery();
  void FormClose();
  void Ouehdenovo1Execute();
  void criaComponentes();
  void criaAcoes();
  void leConfiguracoes();
  void posicionaPanel1();
  QAction* novaAcao(const char* nome, const QString& texto, bool marcavel);

  PassosPrincipal m_passos;
  bool m_formatoDataRecusado = false;
  QWidget* m_banda = nullptr;
  QWidget* m_panel1 = nullptr;
  QLabel* m_lbAnoRet = nullptr;
  QAction* m_miCopiaAuto = nullptr;
  QAction* m_actHabilitarAnalisador = nullptr;
  QAction* m_actAnalisarGravar = nullptr;
};
