#pragma once

#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

// How the delivery wizards lay out a page: a bold blue title over the page's texts.
namespace PaginaAssistente {

// The page's layout with the title first (none when the title is empty).
QVBoxLayout* Prepara(QWidget* painel, const QString& titulo);
// A plain text that wraps, named when a name is given.
QLabel* Texto(QWidget* pai, const QString& texto, const char* nome = nullptr);

}  // namespace PaginaAssistente
