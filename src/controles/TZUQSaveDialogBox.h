#pragma once

#include "controles/TZUQDialogoArquivo.h"

// The program's save dialog, "Salvar arquivo" (fields and look: TZUQDialogoArquivo).
//
// On showing: the tree goes to InitialDir when it exists, else to CopSeg of the program folder;
// a proposed FileName moves the tree to its folder (a missing folder is said and CopSeg shown
// instead), puts the bare name in the name box and selects the type 1 for ".cmp" and 2 for
// ".dbk". Salvar takes the typed name (under the tree's folder when it has none) and asks before
// an existing file is replaced; a folder's name opens that folder instead.
//
// One instance serves the program: a caller takes a fresh one with Novo() (its fields at their
// initial values) before setting its fields, and later uses Instancia().
class TZUQSaveDialogBox : public TZUQDialogoArquivo {
  Q_OBJECT
 public:
  explicit TZUQSaveDialogBox(QWidget* dono = nullptr);
  ~TZUQSaveDialogBox() override;

  // The program-wide instance, made when there is none.
  static TZUQSaveDialogBox* Instancia();
  // Replaces the program-wide instance by a new one and returns it.
  static TZUQSaveDialogBox* Novo();
  // Frees the program-wide instance.
  static void Libera();

  // Whether Salvar asks before an existing file is replaced (on at first).
  void SetConfirmaSubstituicao(bool confirma) { m_confirmaSubstituicao = confirma; }
  bool ConfirmaSubstituicao() const { return m_confirmaSubstituicao; }

  void SpeedButton2Click() override;

 protected:
  void FormShow() override;
  void aoClicarLista(const QString& caminho) override;
  void tomaArquivo(const QString& caminho) override;

 private:
  void conclui(const QString& caminho);

  bool m_confirmaSubstituicao = true;
};
