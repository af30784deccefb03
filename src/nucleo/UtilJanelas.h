#pragma once

#include <QString>

#include <functional>

// The main window's caption: "Tolv 2014 - " + text + " - Versão 1.5", or "Tolv 2014 - Versão 1.5"
// for an empty text.
QString TextoTitulo(const QString& texto);
// Gives the main window the caption of TextoTitulo. The main window installs the hook that sets
// its caption and the application's title; without one nothing happens.
void AtualizaTitulo(const QString& texto);
void DefineGanchoTitulo(std::function<void(const QString& titulo)> gancho);

// The wait window shown while a declaration opens. The wait form installs itself at start.
class IJanelaAguarde {
 public:
  virtual ~IJanelaAguarde() = default;
  virtual void mostra() = 0;  // creates the window when missing, shows and paints it at once
  virtual void fecha() = 0;   // closes and frees it when it exists
};
// Installs the wait window (not owned); nullptr removes it. Returns the one installed before.
IJanelaAguarde* InstalaJanelaAguarde(IJanelaAguarde* janela);
void MostraAguarde();
void FechaAguarde();

// Keeps the windows alive during long work of the model: the pending events of the program run
// here. The program's controls install the hook (DefineGanchoEventos); without it nothing runs.
void ProcessaEventos();
void DefineGanchoEventos(std::function<void()> gancho);
