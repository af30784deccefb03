#pragma once

#include <QString>

#include <exception>
#include <functional>

// Exceptions never cross Qt's event loop. Slots and event overrides that can raise run their
// body through GuardaEventos::executa; QApplication::notify (AplicacaoGuardada) catches the rest.
// A caught exception is shown through the display that the program installs (its message box)
// and the program goes on, unless it is one that ends the program (defineFatal).
namespace GuardaEventos {

// Shows a caught exception; e is null for one of unknown type.
using Exibidor = std::function<void(const std::exception* e)>;

// Installs the display of caught exceptions; empty restores the default (a log line).
void defineExibidor(Exibidor exibidor);

// Takes an exception that ends the program (shows it and ends the process) and answers true;
// false for any other, which the display then shows. It is asked first, of every caught
// exception of whatever type, also while another one is on screen: the end of the program is
// never left at a log line.
using Fatal = std::function<bool(std::exception_ptr e)>;
void defineFatal(Fatal fatal);

// The text of a caught exception, decoded here only: what() read as UTF-8; an exception of
// unknown type (null) has a text of its own.
QString texto(const std::exception* e);

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
