#pragma once

// What the guard of slots and event handlers (GuardaEventos) shows of a caught exception: a
// TErro as its own message (its kind, its buttons), any other exception as an error with its
// text, through the program's message box. The program installs it at start, before any window.
void InstalaExibicaoErros();
