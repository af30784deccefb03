#pragma once

#include <QString>

// The print dispatch's emptiness checks, each an EXISTS in the database: nothing is loaded.

// Whether the declaration database DADOS/<arquivo> holds anything a declaration report prints:
// beneficiary lines, fund or process annexes, payments abroad, collective health plans, or
// accumulated income of either kind. Read through the declaration connection when it stands on
// that file, else through a connection of its own (the print wizard's choice is never opened in
// the main window). False for a file that is not there.
bool ExistemDadosDeclaracao(const QString& arquivo);

// Whether the index lists any declaration. False without a connected index.
bool ExistemDeclaracoes();
