#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a kill, Ctrl+C, the end of the session) into a signal of the
// event loop. The handler only writes the signal's number into a socket pair that a notifier
// reads inside the loop, so the program ends in its own time, with nothing done inside the
// handler. Install it before the first database attachment: the embedded engine then leaves
// these signals to the program instead of shutting itself down. One at a time; the destructor
// puts the previous handlers back.
class PedidoTermino : public QObject {
  Q_OBJECT
 public:
  explicit PedidoTermino(QObject* pai = nullptr);
  ~PedidoTermino() override;

  PedidoTermino(const PedidoTermino&) = delete;
  PedidoTermino& operator=(const PedidoTermino&) = delete;

  // False when the socket pair could not be made: the signals keep their old handling.
  bool ativo() const { return m_ativo; }

  // Puts the handlers back in place, when an instance is active: a library that installed its
  // own over them (the database engine, at its first attachment) is overruled.
  static void retoma();
  // Whether an active instance handles the signals now.
  static bool instalado();

 signals:
  // The system asked the program to end; once per signal received.
  void pedido(int sinal);

 private:
  void le();

  struct Anteriores;
  std::unique_ptr<Anteriores> m_anteriores;
  QSocketNotifier* m_notificador = nullptr;
  bool m_ativo = false;
};
