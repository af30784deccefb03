#pragma once

// Gives the model (nucleo) what it may ask of the windows without knowing them: the waiting
// cursor of CursorEspera and the pending events that ProcessaEventos runs during long work.
// The program installs them at start, before any window.
void InstalaGanchosNucleo();
