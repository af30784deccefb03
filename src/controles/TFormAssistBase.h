#pragma once

#include <QDialog>

#include <memory>
#include <vector>

#include "controles/TEstadoBase.h"

// The state machine shared by the program's two wizard forms (TFormAssistNovo, TFormAssist).
// A wizard is a modal dialog that runs a list of states, one page each; derive from one of the two.
//
// How a derived wizard defines itself:
//  1. Its constructor creates one state per page (a class of its own derived from TEstadoNovo or
//     TEstado, created with (this, page)) and adds them with AdicionaEstado in page order, so that
//     a state's index equals its page; it ends by calling ExecutaEstado(), which shows the first
//     state's page and runs its Entra. The caller then runs exec() and reads the result:
//     Accepted when a state routed to 0, Rejected when one routed to -1 or the wizard was cancelled.
//  2. It overrides MostraPagina(page) (show the page, set texts and buttons) and
//     ProcessaPasso(step) (the work of a step; true on success), and PodeAvancar(index) where a
//     page's input must be checked before leaving it.
//
// Buttons: Avançar and Concluir hand the event 3 or 4 to the current state (TrataEvento), move to
// the index it chose, record where they came from (SetAnterior) and execute that state, and repeat
// while the state answers true; the loop stops as soon as the wizard ends, is cancelled or the
// index names no state. Voltar goes back to the state recorded on arrival and only shows its page;
// on the first state it does nothing. Cancelar marks the wizard cancelled and ends it. The three
// moving buttons ignore clicks while one of them runs, so a long step that processes events can
// poll Cancelado() and stop when the user cancels.
//
// Handlers raise freely: the buttons run them through the program's guard, which shows the error.
class TFormAssistBase : public QDialog {
  Q_OBJECT
 public:
  ~TFormAssistBase() override;

  // Cancelled, or index -1: ends the dialog Rejected; index 0: Accepted; a state's index: makes
  // that state current and runs its Executa; any other index: nothing.
  virtual void ExecutaEstado();
  // Whether the page of the current state may be left (called with the current index).
  virtual bool PodeAvancar(int indice);
  virtual void MostraPagina(int pagina) = 0;
  virtual void Cancela();
  virtual bool ProcessaPasso(int passo) = 0;
  // Marks (or clears) the current state in error.
  virtual void MarcaErro(bool erro);

  // Clears the re-entry guards of the buttons.
  void FormCreate();

  // The handlers of Cancelar, Voltar, Avançar and Concluir. An override calls the base.
  virtual void CancelBtnClick();
  virtual void BtnRetornarClick();
  virtual void BtnAvancarClick();
  virtual void BtnOKClick();

  bool Cancelado() const { return m_cancelado; }
  bool Ocupado() const { return m_ocupado; }
  int IndiceAtual() const { return m_indiceAtual; }
  TEstadoBase* EstadoAtual() const { return m_estadoAtual; }
  int QuantidadeEstados() const { return int(m_estados.size()); }
  // The state of an index (1 to QuantidadeEstados()), or nullptr.
  TEstadoBase* Estado(int indice) const;
  int PaginaAtual() const { return m_paginaAtual; }
  bool Continua() const { return m_continua; }

  // Closing the window (or Esc in the old form) is Cancelar.
  void reject() override;

 protected:
  explicit TFormAssistBase(QWidget* dono);

  void adicionaEstado(std::unique_ptr<TEstadoBase> estado);
  // Kept for MostraPagina: the page shown last.
  void SetPaginaAtual(int pagina) { m_paginaAtual = pagina; }
  void SetIndiceAtual(int indice) { m_indiceAtual = indice; }
  // A step may ask the Avançar/Concluir loop to go on (or stop) after its state ran.
  void SetContinua(bool continua) { m_continua = continua; }
  // The cancelled mark, for a wizard that goes on after a cancelled step (the base only sets it).
  void SetCancelado(bool cancelado) { m_cancelado = cancelado; }
  // Run after Voltar, whether or not it moved.
  virtual void aposVoltar() {}
  // Runs one of the handlers through the program's guard (for the buttons' signals and keys).
  void guardado(void (TFormAssistBase::*handler)());

 private:
  void avanca(int evento);

  bool m_ocupado = false;
  bool m_cancelando = false;
  bool m_continua = false;
  int m_paginaAtual = 1;
  bool m_cancelado = false;
  TEstadoBase* m_estadoAtual = nullptr;
  int m_indiceAtual = 1;
  std::vector<std::unique_ptr<TEstadoBase>> m_estados;
};
