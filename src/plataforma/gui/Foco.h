#pragma once

#include <initializer_list>

class QWidget;

// Gives the focus to the first of the buttons that can take it (shown, enabled, accepting focus);
// null entries are skipped. Returns that button, or nullptr when none could.
QWidget* FocaPrimeiroBotao(std::initializer_list<QWidget*> botoes);
