#pragma once

#include <QTreeView>

class QFileSystemModel;
class QSortFilterProxyModel;

// The list of the program's file dialogs: the folders and files of one folder in columns (name,
// size, type, date), folders first, sorted by a click on a column title and reversed by a second
// click; files can be narrowed to one extension. Hidden entries are left out.
class ListaArquivos : public QTreeView {
  Q_OBJECT
 public:
  explicit ListaArquivos(QWidget* pai = nullptr);
  ~ListaArquivos() override;

  void MostraPasta(const QString& pasta);
  QString Pasta() const { return m_pasta; }
  // Files shown: those whose extension (".txt") equals this one without regard to case; an
  // empty extension shows every file. Folders are always shown.
  void SetExtensao(const QString& extensao);
  QString Extensao() const { return m_extensao; }

  // The selected entry's full path, or empty.
  QString CaminhoSelecionado() const;
  // The entries shown, in their order (names).
  QStringList Nomes() const;
  // Selects the entry of this name; false when it is not shown.
  bool Seleciona(const QString& nome);
  // Reads the folder from the disk again.
  void Atualiza();

 signals:
  // A click of any mouse button on the list, once the selection followed it.
  void Clicada();
  // A double click on an entry, or Enter in the list.
  void Ativada();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void focusInEvent(QFocusEvent* evento) override;

 private:
  void criaModelo();
  QModelIndex fonte(const QModelIndex& i) const;

  QString m_pasta;
  QString m_extensao;
  QFileSystemModel* m_modelo = nullptr;
  QSortFilterProxyModel* m_proxy = nullptr;
};
