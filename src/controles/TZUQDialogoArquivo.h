#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class ArvorePastas;
class ListaArquivos;
class QComboBox;
class QLabel;
class QLineEdit;
class TTolvButton;

// What the program's save and open dialogs share: a folder tree (ShellTreeView1) beside the list
// of the chosen folder (ShellListView1), the name box (Edit1) and the type list (ComboBox2), and
// two buttons (SpeedButton2, SpeedButton3 "Cancelar").
//
// Fields that callers set before Execute and read after it:
//  - FileName: in, a proposed name (save dialog); out, the chosen file's full path.
//  - InitialDir: the folder shown first.
//  - Filter: descriptions of file types, separated by "|" ("Texto (*.txt)|Declaração (*.dec)");
//    in the pairs form "description|mask|..." the masks are passed over. Given, it replaces the
//    type list after its first entry "Todos os arquivos (*.*)".
//  - FilterIndex: the entry of the type list selected when the dialog opens (0 the first);
//    the dialog does not change it.
// A type entry other than the first shows the folders and the files whose extension is the four
// characters before the entry's last one (".txt" for "Texto (*.txt)"), without regard to case.
//
// Paths use '/'. The tree starts at AreaTrabalho::raiz() unless SetRaiz roots it elsewhere.
class TZUQDialogoArquivo : public QDialog {
  Q_OBJECT
 public:
  ~TZUQDialogoArquivo() override;

  QString FileName() const { return m_fileName; }
  void SetFileName(const QString& nome) { m_fileName = nome; }
  QString InitialDir() const { return m_initialDir; }
  void SetInitialDir(const QString& pasta) { m_initialDir = pasta; }
  QString Filter() const { return m_filter; }
  void SetFilter(const QString& filtro) { m_filter = filtro; }
  int FilterIndex() const { return m_filterIndex; }
  void SetFilterIndex(int indice) { m_filterIndex = indice; }
  bool Executando() const { return m_executando; }
  // Roots the folder tree at a folder (a dialog rooted at the first drive is rooted at
  // AreaTrabalho::unidadePadrao()); empty: AreaTrabalho::raiz().
  void SetRaiz(const QString& pasta);
  QString Raiz() const;

  // Shows the dialog modally; true when it ended with OK (then FileName holds the choice).
  bool Execute();

  // The handlers of the buttons and of the list and tree, for the keys and the mouse.
  virtual void SpeedButton2Click() = 0;
  void SpeedButton3Click();
  void ShellListView1Click();
  void ShellListView1DblClick();
  virtual void ShellTreeView1Click();

  // The folder the tree is on.
  QString PastaArvore() const;

  // The extension of a type entry: the four characters before its last one.
  static QString ExtensaoDoTipo(const QString& entrada);
  // The folder and a bare name, with one separator between them.
  static QString JuntaPasta(const QString& pasta, const QString& nome);
  static QStringList DescricoesDoFiltro(const QString& filtro);
  // The default folder of backups: "CopSeg" in the program folder.
  static QString PastaCopSeg();

 protected:
  TZUQDialogoArquivo(const QString& caption, const QString& acao, const QStringList& tipos, QWidget* dono);

  void showEvent(QShowEvent* evento) override;
  virtual void FormShow() = 0;
  // The list's entry under the click (or none) reaches the name box.
  virtual void aoClicarLista(const QString& caminho) = 0;
  // A file chosen in the list by double click or Enter.
  virtual void tomaArquivo(const QString& caminho) = 0;

  // The type list refilled from Filter, keeping the selected entry when it is still there.
  void refazTipos();
  void selecionaTipo(int indice);
  // Nothing chosen: focus the list and say so.
  void pedeArquivo();
  // The text of the name box as a path: as typed when absolute, else under the tree's folder.
  QString caminhoDigitado() const;

  ArvorePastas* m_arvore = nullptr;
  ListaArquivos* m_lista = nullptr;
  QLineEdit* m_edit = nullptr;
  QComboBox* m_tipos = nullptr;
  TTolvButton* m_acao = nullptr;
  TTolvButton* m_cancelar = nullptr;

 private:
  void aoMudarTipo();

  QString m_fileName;
  QString m_initialDir;
  QString m_filter;
  int m_filterIndex = 0;
  bool m_executando = false;
};
