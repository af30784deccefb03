#include "controles/ArteTolv.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "controles/PaletaTolv.h"

namespace ArteTolv {

namespace {

void circulo(QPainter& p, int lado, QColor claro, QColor escuro) {
  QRadialGradient g(lado * 0.35, lado * 0.3, lado * 0.8);
  g.setColorAt(0, claro);
  g.setColorAt(1, escuro);
  p.setPen(QPen(escuro.darker(130), 1));
  p.setBrush(g);
  p.drawEllipse(QRectF(1, 1, lado - 2, lado - 2));
}

void letra(QPainter& p, int lado, const QString& texto, QColor c) {
  QFont f = PaletaTolv::arial(1, true);
  f.setPixelSize(lado * 2 / 3);
  p.setFont(f);
  p.setPen(c);
  p.drawText(QRect(0, 0, lado, lado), Qt::AlignCenter, texto);
}

}  // namespace

QPixmap icone(Icone tipo, int lado) {
  QPixmap pm(lado, lado);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (tipo) {
    case Icone::Erro: {
      circulo(p, lado, QColor(0xF0, 0x70, 0x60), QColor(0xC0, 0x20, 0x20));
      p.setPen(QPen(Qt::white, lado / 9.0, Qt::SolidLine, Qt::RoundCap));
      const qreal a = lado * 0.32, b = lado * 0.68;
      p.drawLine(QPointF(a, a), QPointF(b, b));
      p.drawLine(QPointF(a, b), QPointF(b, a));
      break;
    }
    case Icone::Aviso: {
      QPainterPath tri;
      tri.moveTo(lado / 2.0, 1.5);
      tri.lineTo(lado - 1.5, lado - 2.5);
      tri.lineTo(1.5, lado - 2.5);
      tri.closeSubpath();
      QLinearGradient g(0, 0, 0, lado);
      g.setColorAt(0, QColor(0xFF, 0xE8, 0x70));
      g.setColorAt(1, QColor(0xF0, 0xB0, 0x10));
      p.setPen(QPen(QColor(0xA0, 0x70, 0x00), 1));
      p.setBrush(g);
      p.drawPath(tri);
      p.translate(0, lado / 12.0);
      letra(p, lado, QStringLiteral("!"), QColor(0x40, 0x30, 0x00));
      break;
    }
    case Icone::Informacao:
      circulo(p, lado, QColor(0x90, 0xC0, 0xF0), QColor(0x20, 0x60, 0xB0));
      letra(p, lado, QStringLiteral("i"), Qt::white);
      break;
    case Icone::Duvida:
      circulo(p, lado, QColor(0x90, 0xC0, 0xF0), QColor(0x20, 0x60, 0xB0));
      letra(p, lado, QStringLiteral("?"), Qt::white);
      break;
  }
  return pm;
}

QPixmap fundoBotao(QSize tamanho) {
  QPixmap pm(tamanho);
  QPainter p(&pm);
  QLinearGradient g(0, 0, 0, tamanho.height());
  g.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
  g.setColorAt(1, PaletaTolv::cor(PaletaTolv::kCaixa));
  p.fillRect(pm.rect(), g);
  p.setPen(PaletaTolv::cor(PaletaTolv::kMoldura));
  p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
  return pm;
}

QPixmap faixaNovidade(QSize tamanho) {
  QPixmap pm(tamanho);
  QPainter p(&pm);
  QLinearGradient g(0, 0, tamanho.width(), 0);
  g.setColorAt(0, PaletaTolv::cor(PaletaTolv::kCaixa));
  g.setColorAt(1, PaletaTolv::cor(PaletaTolv::kFundo));
  p.fillRect(pm.rect(), g);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PaletaTolv::cor(PaletaTolv::kDivisor));
  const int r = tamanho.height() / 4;
  p.drawEllipse(QPoint(tamanho.height() / 2, tamanho.height() / 2), r, r);
  return pm;
}

QPixmap imagemInicial() {
  QPixmap pm(360, 200);
  pm.fill(PaletaTolv::cor(PaletaTolv::kFundoImagem));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0x90), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(10, 10, 340, 180), 16, 16);
  QFont f = PaletaTolv::arial(1, true);
  f.setPixelSize(54);
  p.setFont(f);
  p.setPen(PaletaTolv::cor(PaletaTolv::kAnoRetencao));
  p.drawText(QRect(0, 30, 360, 80), Qt::AlignCenter, QStringLiteral("Tolv 2014"));
  f.setPixelSize(16);
  f.setBold(false);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 115, 360, 50), Qt::AlignCenter,
             QStringLiteral("Declaração do imposto sobre a renda\nretido na fonte"));
  return pm;
}

QPixmap fundoAguarde(QSize tamanho) {
  QPixmap pm(tamanho);
  QPainter p(&pm);
  QLinearGradient g(0, 0, 0, tamanho.height());
  g.setColorAt(0, PaletaTolv::cor(PaletaTolv::kFundoImagem));
  g.setColorAt(1, PaletaTolv::cor(PaletaTolv::kFundo));
  p.fillRect(pm.rect(), g);
  return pm;
}

QImage sobrePrimeira() {
  QImage img(161, 127, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(PaletaTolv::cor(PaletaTolv::kDivisor));
  p.drawRoundedRect(QRectF(8, 8, 145, 111), 14, 14);
  QFont f = PaletaTolv::arial(1, true);
  f.setPixelSize(34);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(0, 18, 161, 44), Qt::AlignCenter, QStringLiteral("Tolv"));
  p.setPen(PaletaTolv::cor(PaletaTolv::kAnoRetencao));
  p.drawText(QRect(0, 62, 161, 44), Qt::AlignCenter, QStringLiteral("2014"));
  return img;
}

QImage sobreSegunda() {
  // Dark top-left corner: the fade-in ends once it shows through the white background.
  QImage img(281, 281, QImage::Format_RGB32);
  QLinearGradient g(0, 0, 281, 281);
  g.setColorAt(0, QColor(0x60, 0x80, 0xA0));
  g.setColorAt(1, PaletaTolv::cor(PaletaTolv::kCaixa));
  QPainter p(&img);
  p.fillRect(img.rect(), g);
  p.setPen(QPen(QColor(0x00, 0x00, 0x80), 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRect(20, 20, 241, 241));  // the particles start on this ring
  return img;
}

}  // namespace ArteTolv
