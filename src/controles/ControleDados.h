#pragma once

class QWidget;

// Stores the typed value of a data control (the program's edits, memos and grids) now. False
// when the control refused it: its message was shown and the focus is back on it. Any other
// widget, or none, answers true.
bool ConfirmaControleDados(QWidget* controle);
