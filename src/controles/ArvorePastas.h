#pragma once

#include <QStringList>
#include <QTreeView>

class QFileSystemModel;
class QSortFilterProxyModel;

// The folder tree of the program's file and folder dialogs: the folders under a root folder
// (hidden ones left out), loaded as they are opened and followed as they change on disk.
class ArvorePastas : public QTreeView {
  Q_OBJECT
 public:
  explicit ArvorePastas(QWidget* pai = nullptr);
  ~ArvorePastas() override;

  // The folder whose sub-folders make the top of the tree; AreaTrabalho::raiz() at first.
  void SetRaiz(const QString& pasta);
  QString Raiz() const { return m_raiz; }
  // Folders of these names (compared in upper case) are never shown.
  void OcultaNomes(const QStringList& nomes);

  // Selects the folder and opens the tree down to it. False, leaving the tree as it was, when
  // the folder does not exist, lies outside the root or is one of the hidden names.
  bool VaiPara(const QString& pasta);
  // The selected folder; the root while none is selected.
  QString PastaAtual() const;
  bool TemSelecionada() const { return currentIndex().isValid(); }
  // Reads the folders from the disk again, keeping the selected one.
  void Atualiza();

 signals:
  void PastaMudou(const QString& pasta);
  // A click of any mouse button on the tree, once the selection followed it.
  void Clicada();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;

 private:
  void criaModelo();
  void aoMudarAtual();

  QString m_raiz;
  QStringList m_ocultos;
  QFileSystemModel* m_modelo = nullptr;
  QSortFilterProxyModel* m_proxy = nullptr;
};
