#include "controles/PaletaTolv.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace PaletaTolv {

QColor cor(QRgb rgb) { return QColor(rgb); }

QFont arial(qreal pontos, bool negrito) {
  QFont f(QStringLiteral("Liberation Sans"));
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  f.setPointSizeF(pontos);
  f.setBold(negrito);
  return f;
}

void pinta(QWidget* w, QRgb fundo, QRgb texto) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, cor(fundo));
  p.setColor(QPalette::WindowText, cor(texto));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

void aplicaNaAplicacao() {
  QPalette p = QApplication::palette();
  p.setColor(QPalette::Window, cor(kFundo));
  p.setColor(QPalette::Button, cor(kFundo));
  p.setColor(QPalette::WindowText, cor(kTexto));
  p.setColor(QPalette::Text, cor(kTexto));
  p.setColor(QPalette::ButtonText, cor(kTexto));
  p.setColor(QPalette::Highlight, cor(kMoldura));
  p.setColor(QPalette::HighlightedText, cor(kTexto));
  QApplication::setPalette(p);
  QApplication::setFont(arial(8));
}

}  // namespace PaletaTolv
