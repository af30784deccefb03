#pragma once

#include <QString>
#include <QWidget>

#include <functional>

class TColecaoTolv;
class TTolv;

// The way back from a finding or a search hit to the field it names: owner key, object key,
// section 0 to 60.
using IrParaCampo = std::function<void(const QString& dono, const QString& objeto, int secao)>;

// What a data-entry page receives when the open declaration is bound to it. Nothing is owned.
struct TContextoPagina {
  TTolv* declaracao = nullptr;
  TColecaoTolv* colecaoTolv = nullptr;
  IrParaCampo irParaCampo;
  QWidget* janelaPrincipal = nullptr;
  // The page container that hosts the page (the header page switches the annex pages on it).
  QWidget* conteiner = nullptr;
};

// A data-entry page of the open declaration, as the page container and the main window drive
// it. The container creates the page when the declaration's pages open and frees it when they
// close; in between the page is bound (Inicializa) and released (Finaliza), maybe more than
// once (the annex pages follow their indicators). The operations run on the window thread;
// a page reports its own failures.
class TPaginaDeclaracao : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  ~TPaginaDeclaracao() override;

  // Binds the page to the declaration; the context stays valid until Finaliza.
  virtual void Inicializa(const TContextoPagina& contexto) = 0;
  // Unbinds every control and forgets the declaration.
  virtual void Finaliza() = 0;
  // A node of the declaration tree that belongs to this page was chosen: show its sub-page and
  // focus what the node leads to.
  virtual void MostraFicha(int codigo) { Q_UNUSED(codigo); }
  // The focus entered the page.
  virtual void Entra() {}
  // Whether the user may leave the page now; a refusing page shows its own message and keeps
  // the focus.
  virtual bool PodeSair() { return true; }
  // Positions the page on a stored line, annex or record and focuses the field of the section.
  virtual void Posiciona(const QString& dono, const QString& objeto, int secao) {
    Q_UNUSED(dono);
    Q_UNUSED(objeto);
    Q_UNUSED(secao);
  }
  // Reads the shown record again (another page changed the database under it).
  virtual void Recarrega() {}
  // Pages that build their content on entry (the income statements): whether that long work
  // may run; set by the container before MostraFicha.
  virtual void PermiteGeracao(bool permitida) { Q_UNUSED(permitida); }
  // The title of the tree node chosen last, for pages with a title bar of their own.
  virtual void DefineTitulo(const QString& titulo) { Q_UNUSED(titulo); }
  // The fund and process pages: whether the page holds an annex collection, and the kind of the
  // annex of a source key in it (1 a process, any other a fund or club).
  virtual bool TemAnexos() const { return false; }
  virtual int TipoDoAnexo(int fonte) {
    Q_UNUSED(fonte);
    return 0;
  }
  // A key pressed with Alt on the page: the list keys (Backspace, Page Up, Left, Page Down,
  // Right, Home, End, Insert, Delete; keypad + and - with `tecladoNumerico`) press the page's
  // undo, move, add and delete buttons, each only while enabled; the statements' page also takes
  // N for its nature-of-income sub-page.
  virtual void TeclaAlt(int tecla, bool tecladoNumerico) {
    Q_UNUSED(tecla);
    Q_UNUSED(tecladoNumerico);
  }
  // Stores what the page keeps without checks (the statement's texts) before a print.
  virtual void GravaTextos() {}

 signals:
  // The beneficiary-lines pages: the shown line's revenue code admits (or not) compensation
  // and suspended exigibility, and exempt income; the serious-illness box changed.
  void MudouCodigo(bool compensacaoExigibilidade, bool rendimentosIsentos);
  void MudouMolestia(bool molestia);
  // The beneficiary-lines pages ask the main window for a search in their own scope (0 fund
  // annexes, 1 process annexes, 2 the declarant's lines).
  void PedePesquisa(int escopo);
};
