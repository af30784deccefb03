#pragma once

#include <QObject>

#include <functional>

// The verification of the open declaration, as the main window must see it before it frees
// that declaration. The verification window registers its close request while it exists and
// marks the time its run uses the declaration; the main window only asks.
class TVerificacaoEmCurso : public QObject {
  Q_OBJECT
 public:
  static TVerificacaoEmCurso& instancia();

  // The window's close request: asks a running verification to stop and answers true when
  // none runs (the window is then gone). Empty: no window.
  void DefinePedidoFechamento(std::function<bool()> pedido);
  bool ExisteJanela() const { return bool(m_pedidoFechamento); }
  // True without a window.
  bool PedeFechamento();

  // Set while a run reads the declaration; clear it only once the run touches it no more.
  void DefineEmExecucao(bool emExecucao);
  bool EmExecucao() const { return m_emExecucao; }

 signals:
  // The run stopped: the declaration is free.
  void Parou();

 private:
  TVerificacaoEmCurso() = default;

  std::function<bool()> m_pedidoFechamento;
  bool m_emExecucao = false;
};
