#pragma once

#include <QString>

#include <exception>
#include <functional>

// Exceptions never cross Qt's event loop. Slots and event overrides that can raise run their
// body through GuardaEventos::executa; QApplication::notify (AplicacaoGuardada) catches the rest.
// A caught exception's text is shown through the display that the program installs (its message
// box, as an error) and the program goes on.
namespace GuardaEventos {

using Exibidor = std::function<void(const QString& texto)>;

// Installs the display of caught exceptions; empty restores the default (a log line).
void defineExibidor(Exibidor exibidor);

// Shows a caught exception: what() read as UTF-8; unknown exceptions get a text of their own.
void mostra(const std::exception& e);
void mostraDesconhecida();

// Runs f; an exception it raises is shown and swallowed. False when one was raised.
template <typename F>
bool executa(F&& f) noexcept {
  try {
    f();
    return true;
  } catch (const std::exception& e) {
    mostra(e);
  } catch (...) {
    mostraDesconhecida();
  }
  return false;
}

}  // namespace GuardaEventos
