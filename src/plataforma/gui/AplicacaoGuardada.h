#pragma once

#include <QApplication>

// The program's application object: no exception raised while an event is delivered leaves
// notify(); it is shown through GuardaEventos and the event counts as not handled.
class AplicacaoGuardada : public QApplication {
  Q_OBJECT
 public:
  AplicacaoGuardada(int& argc, char** argv);

  bool notify(QObject* destino, QEvent* evento) override;
};
