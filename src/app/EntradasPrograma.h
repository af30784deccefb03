#pragma once

struct PontosEntrada;

// Registers the windows of the program's parts that the main window's actions open. A window
// that this version does not build stays unregistered: its action says so.
void RegistraEntradas(PontosEntrada& entradas);
