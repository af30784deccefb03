#pragma once

// The print dispatch's emptiness checks, each an EXISTS in the database: nothing is loaded.

// Whether the declaration database that the declaration connection points at holds anything a
// declaration report prints: beneficiary lines, fund or process annexes, payments abroad,
// collective health plans, or accumulated income of either kind. False without a connected
// declaration database.
bool ExistemDadosDeclaracao();

// Whether the index lists any declaration. False without a connected index.
bool ExistemDeclaracoes();
