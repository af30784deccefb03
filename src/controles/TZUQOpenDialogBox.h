#pragma once

#include "controles/TZUQDialogoArquivo.h"

// The program's open dialog, "Abrir arquivo" (fields and look: TZUQDialogoArquivo).
//
// On showing: the tree goes to InitialDir, the type list is refilled from Filter and FilterIndex
// selected. A click on a file puts its name in the name box (a folder or a click in the tree
// empties it). Abrir ends with OK only for a file that exists, typed with its folder or under the
// tree's folder; a folder's name opens that folder; anything else is said and the dialog stays.
//
// One instance serves the program: Novo() before setting the fields, Instancia() afterwards.
class TZUQOpenDialogBox : public TZUQDialogoArquivo {
  Q_OBJECT
 public:
  explicit TZUQOpenDialogBox(QWidget* dono = nullptr);
  ~TZUQOpenDialogBox() override;

  static TZUQOpenDialogBox* Instancia();
  static TZUQOpenDialogBox* Novo();
  static void Libera();

  void SpeedButton2Click() override;
  void ShellTreeView1Click() override;

 protected:
  void FormShow() override;
  void aoClicarLista(const QString& caminho) override;
  void tomaArquivo(const QString& caminho) override;
};
