#pragma once

#include <QDialog>
#include <QStringList>

class ArvorePastas;
class QLabel;
class TTolvButton;

// The program's folder dialog, "Selecione uma Pasta": the folder tree (stv) under the name of the
// folder chosen (lbFolder), and "Selecionar" (TolvButton1) and "Cancelar" (TolvButton2).
// The recycle bin, the control panel and the network places are never listed, by their English
// or Portuguese names.
class TZUQFolderDialogBox : public QDialog {
  Q_OBJECT
 public:
  explicit TZUQFolderDialogBox(QWidget* dono = nullptr);
  ~TZUQFolderDialogBox() override;

  // Shows a dialog on the initial folder; when the user selects a folder, puts it in `escolhida`
  // and answers true; otherwise leaves `escolhida` as it was. The dialog is freed in every case.
  // False at once while another runs.
  static bool Execute(const QString& pastaInicial, QString& escolhida);

  QString InitialDir() const { return m_initialDir; }
  void SetInitialDir(const QString& pasta) { m_initialDir = pasta; }
  // The folder that lbFolder shows: empty when the tree is on none.
  QString PastaSelecionada() const { return m_selecionada; }

  void stvClick();
  static const QStringList& NomesOcultos();

 protected:
  void showEvent(QShowEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  void FormCreate();
  void FormShow();
  void mostraPasta(const QString& pasta);

  QString m_initialDir;
  QString m_selecionada;
  ArvorePastas* m_stv = nullptr;
  QLabel* m_lbFolder = nullptr;
  TTolvButton* m_selecionar = nullptr;
  TTolvButton* m_cancelar = nullptr;
};
