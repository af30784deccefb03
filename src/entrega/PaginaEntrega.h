#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

// How the pages of the delivery wizards are laid out: a title in the program's blue at the top,
// the page's controls below it, the program's margins.
namespace PaginaEntrega {

// The page's layout with the title first (none when the title is empty).
QVBoxLayout* Prepara(QWidget* painel, const QString& titulo);
// A label that wraps its plain text, named when a name is given.
QLabel* Texto(QWidget* pai, const QString& texto, const char* nome = nullptr);
// The link LbSite to the tax authority's web site: navy, blue under the mouse; a click opens it
// in the user's browser.
QLabel* LinkSite(QWidget* pai, QRgb fundo);

}  // namespace PaginaEntrega
