#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <unordered_map>
#include <vector>

class QWidget;

// The exit and enter events of controls and of the containers around them. When the focus
// moves inside a window, the exit handlers run from the control that loses it outwards up to the
// container that holds both, then the enter handlers from the outside in down to the control
// that gains it. The focus going to another window (a message box, a pop-up list) and coming
// back is no move at all: each window keeps its own focused control.
//
// An exit handler that answers false refuses the move: the focus goes back to the control that
// had it, no enter handler runs for the way back, and the click that moved the focus is
// swallowed. A handler may also move the focus itself: the move under way stops where it
// stands and the new one starts from there, after the handler returns (never nested).
// Exceptions of a handler are shown in the message box and the move goes on. A handler may
// destroy any widget but the one gaining the focus, which Qt still uses once the handlers have
// run (deleteLater() it).
class TRastreadorFoco : public QObject {
  Q_OBJECT
 public:
  // destino: the control that is gaining the focus. false refuses the exit.
  using Saida = std::function<bool(QWidget* destino)>;
  // origem: the control that had the focus in the window (nullptr when none).
  using Entrada = std::function<void(QWidget* origem)>;

  explicit TRastreadorFoco(QObject* pai = nullptr);
  ~TRastreadorFoco() override;

  // The program's tracker, created on first use and owned by the application.
  static TRastreadorFoco& instancia();

  // The handlers of one widget run in the order of registration; the first refusal stops the
  // rest. A registration ends with its widget. Returns its number for cancela().
  int registra(QWidget* widget, Saida aoSair, Entrada aoEntrar = {});
  void cancela(int registro);
  void esquece(QWidget* widget);

  // The control that the window's handlers last saw entered; lags behind Qt's focus while the
  // handlers of a move run.
  QWidget* focoLogico(QWidget* janela) const;

 protected:
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct Registro {
    int id;
    Saida aoSair;
    Entrada aoEntrar;
  };
  using Cadeia = std::vector<QPointer<QWidget>>;  // from the control out to its window

  void aoMudarFoco(QWidget* antigo, QWidget* novo);
  void processa(QWidget* janela);
  void transita(QWidget* janela, QWidget* origem, QWidget* alvo, Qt::FocusReason razao);
  void recusa(QWidget* janela, QWidget* origem, QWidget* recusador, Qt::FocusReason razao);
  bool chamaSaidas(QWidget* widget, QWidget* destino);
  void chamaEntradas(QWidget* widget, QWidget* origem);
  std::vector<int> registrosDe(const QWidget* widget) const;
  const Registro* registro(const QWidget* widget, int id) const;
  void defineLogico(QWidget* janela, QWidget* widget);
  void acompanhaJanela(QWidget* janela);

  std::unordered_map<const QObject*, std::vector<Registro>> m_registros;
  std::unordered_map<const QObject*, Cadeia> m_logico;  // per window
  int m_proximoId = 1;
  std::vector<const QObject*> m_ocupadas;  // windows whose handlers are running
  Qt::FocusReason m_ultimaRazao = Qt::OtherFocusReason;
  bool m_engoleClique = false;
};
