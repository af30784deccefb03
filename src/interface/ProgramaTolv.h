#pragma once

#include <QString>

#include <memory>

#include "interface/PassosPrincipal.h"

class CaixaSilenciosa;
class IAmbienteSistema;
class InstanciaUnica;
class JanelaAguardeTolv;
class PedidoTermino;
class TTolv2014;

// The program's main block: one copy only, the main window with its start-up checks, the first
// dialogs and the message loop.
class ProgramaTolv {
 public:
  struct Opcoes {
    QString pastaInstancia;                       // empty: the user's runtime folder
    const IAmbienteSistema* ambiente = nullptr;   // nullptr: the real system
    PassosPrincipal passos;                       // empty members: the program's own parts
    bool executaLaco = true;                      // false: return once the window shows (tests)
  };

  explicit ProgramaTolv(Opcoes opcoes);
  ~ProgramaTolv();

  // Returns the exit status: 0 after a normal run, when another copy runs (it was asked to show
  // its window) and when the system asked the program to end (SIGTERM, SIGINT, SIGHUP: the
  // window ends its work without a question); 1 when the start was refused (date format,
  // unusable index).
  int executa();

  TTolv2014* janela() const { return m_janela.get(); }

 private:
  void terminoPedido();

  Opcoes m_opcoes;
  std::unique_ptr<IAmbienteSistema> m_ambienteReal;
  std::unique_ptr<InstanciaUnica> m_instancia;
  std::unique_ptr<TTolv2014> m_janela;
  std::unique_ptr<JanelaAguardeTolv> m_aguarde;
  std::unique_ptr<PedidoTermino> m_pedidoTermino;
  std::unique_ptr<CaixaSilenciosa> m_silenciosa;
};
