#pragma once

#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"

// Runs an event's work: a refused value is shown with its own kind, anything else as an error.
template <typename F>
void GuardaErros(F&& f) {
  GuardaEventos::executa([&] {
    try {
      f();
    } catch (const TErro& e) {
      e.Mostra();
    }
  });
}
