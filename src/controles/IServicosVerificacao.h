#pragma once

#include <QString>

// What a pendency verification needs of the main window, which implements it (app registers
// it). Kept to the two calls the verification makes, so that the main window's wider services
// can stand behind it.
class IServicosVerificacao {
 public:
  virtual ~IServicosVerificacao() = default;

  // Activates the page of a finding and focuses its field: owner key (A_QUEM_PERTENCE), subject
  // key (QUEM_EH) and object number (OBJETO) of the result row.
  virtual void IrParaPendencia(const QString& dono, const QString& objeto, int secao) = 0;

  // A run starts (true) or ends (false) reading the declaration databases; every true is followed
  // by one false. In between the run processes pending events: the main window starts none of its
  // actions and holds its timers that touch a database, and afterwards returns to the state it had
  // (an action of its own that started the run is still running).
  virtual void VerificacaoEmExecucao(bool emExecucao) = 0;
};

namespace ServicosVerificacao {
// The main window's services, not owned; nullptr while there is none (tests, tools).
void Registra(IServicosVerificacao* servicos);
IServicosVerificacao* Atuais();
}  // namespace ServicosVerificacao
