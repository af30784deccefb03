#pragma once

#include <functional>

// What the health-plan editor asks of the main window, wired in by the program at start; unwired
// they do nothing (tests, pictures). A refused entry also leaves its code where the program's
// edits leave theirs (TErroEdit).
namespace ServicosEditor {

// The main window's invalid-edit flag: raised by a refused entry, lowered by an accepted save.
void DefineEdicaoInvalida(std::function<void(bool)> marca);
// Selects a node of the declaration tree by its code.
void DefineSelecionaNo(std::function<void(int)> seleciona);

void RecusaEntrada(int codigo);
void AceitaEntrada();
void SelecionaNo(int codigo);

}  // namespace ServicosEditor
