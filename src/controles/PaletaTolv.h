#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The colours that the program's windows share, and its one typeface ("Arial", which is
// Liberation Sans here: the same widths).
namespace PaletaTolv {

inline constexpr QRgb kFundo = 0xF2F2F2;            // main window, page container, pages, dialogs
inline constexpr QRgb kBarraFerramentas = 0xBED0DC;  // tool bar and its disabled colour
inline constexpr QRgb kDivisor = 0x5CA0C7;          // splitter, thin panel under the tool bar
inline constexpr QRgb kAnoRetencao = 0x094181;      // calendar-year label, tree heads
inline constexpr QRgb kFundoImagem = 0x91AFD3;      // panel behind the start picture
inline constexpr QRgb kCaixa = 0xDFE8ED;            // boxes and panels inside pages
inline constexpr QRgb kMoldura = 0xB9D0DE;          // frames of boxes, selected tree node
inline constexpr QRgb kTexto = 0x525252;            // ordinary text
inline constexpr QRgb kRotuloGrupo = 0x57879F;      // captions of group labels
inline constexpr QRgb kDescricaoPagina = 0x002D52;  // page description panels
inline constexpr QRgb kNoArvore = 0x4E5C67;         // ordinary tree nodes
inline constexpr QRgb kTextoBotao = 0x336EB1;       // captions of the message box's buttons

QColor cor(QRgb rgb);

// "Arial" at a size in points.
QFont arial(qreal pontos, bool negrito = false);

// Background and text colours of one widget (and what it paints itself).
void pinta(QWidget* w, QRgb fundo, QRgb texto = kTexto);

// Palette and font of every window of the program, set once on the application.
void aplicaNaAplicacao();

}  // namespace PaletaTolv
