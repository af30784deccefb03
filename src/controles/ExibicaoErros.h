#pragma once

#include <functional>

class EFalhaBanco;

// What the guard of slots and event handlers (GuardaEventos) shows of a caught exception: a
// TErro as its own message (its kind, its buttons), any other exception as an error with its
// text, through the program's message box. It also takes the database's failures (EFalhaBanco,
// raised or handed to AvisaFalhaBanco) through TrataFalhaBanco. The program installs it at start,
// before any window.
void InstalaExibicaoErros();

// The program's policy for a failure of the database: its side was marked already; its message
// is shown as an error (OK button, no help), and a fatal one then ends the process.
void TrataFalhaBanco(const EFalhaBanco& falha);

// What ends the process after a fatal failure was shown; it must not return. The default is
// std::_Exit(1): nothing more is written, no window closes. Tests install one that throws.
// Returns the one it replaces.
using Encerramento = std::function<void()>;
Encerramento DefineEncerramento(Encerramento fim);
