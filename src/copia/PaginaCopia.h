#pragma once

#include <QString>

class QLabel;
class QProgressBar;
class QVBoxLayout;
class QWidget;

// How the pages of the backup windows are laid out: a title in the program's blue at the top, the
// page's controls below it, the program's margins.
namespace PaginaCopia {

QVBoxLayout* Prepara(QWidget* painel, const QString& titulo);
// A label that wraps its text, named when a name is given.
QLabel* Texto(QWidget* painel, const QString& texto, const char* nome = nullptr);
// The progress bar of the backup windows, 0 to 100.
QProgressBar* Progresso(QWidget* painel, const char* nome);
// Lets the window paint and take clicks while long work runs.
void ProcessaEventos();

}  // namespace PaginaCopia
