#pragma once

#include <stdexcept>

#include "controles/ExibicaoErros.h"
#include "nucleo/EFalhaBanco.h"
#include "plataforma/gui/GuardaEventos.h"

// The program's guard as main installs it, while it lives (for tests that link controles): the
// failures of the database are shown in the message box installed; the end of the process
// raises FimDoProcesso instead, which the guard of the event that failed then logs.
class GuardaPrograma {
 public:
  struct FimDoProcesso : std::runtime_error {
    FimDoProcesso() : std::runtime_error("fim do processo") {}
  };

  GuardaPrograma() : m_fim(DefineEncerramento([this] {
                       ++m_fins;
                       throw FimDoProcesso();
                     })) {
    InstalaExibicaoErros();
  }
  ~GuardaPrograma() {
    GuardaEventos::defineExibidor({});
    GuardaEventos::defineFatal({});
    DefineTratadorFalhaBanco({});
    DefineEncerramento(std::move(m_fim));
  }
  GuardaPrograma(const GuardaPrograma&) = delete;
  GuardaPrograma& operator=(const GuardaPrograma&) = delete;

  // How many times the process would have ended.
  int fins() const { return m_fins; }

 private:
  Encerramento m_fim;
  int m_fins = 0;
};
