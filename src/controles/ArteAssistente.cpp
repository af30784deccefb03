#include "controles/ArteAssistente.h"

#include <QPainter>
#include <QPainterPath>

namespace ArteAssistente {

namespace {

constexpr int kLado = 16;

QImage cinza(const QImage& colorida) {
  QImage r = colorida.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < r.height(); ++y) {
    auto* linha = reinterpret_cast<QRgb*>(r.scanLine(y));
    for (int x = 0; x < r.width(); ++x) {
      const QRgb c = linha[x];
      // Light greys, so that the disabled twin reads as switched off.
      const int g = 140 + (qGray(c) * 100) / 255;
      linha[x] = qRgba(g, g, g, qAlpha(c));
    }
  }
  return r;
}

void seta(QPainter& p, bool paraDireita) {
  QPainterPath s;
  s.moveTo(2, 6);
  s.lineTo(8, 6);
  s.lineTo(8, 2);
  s.lineTo(14, 8);
  s.lineTo(8, 14);
  s.lineTo(8, 10);
  s.lineTo(2, 10);
  s.closeSubpath();
  if (!paraDireita) {
    p.translate(kLado, 0);
    p.scale(-1, 1);
  }
  p.setPen(QPen(QColor(0x1F, 0x4E, 0x8C), 1));
  p.setBrush(QColor(0x33, 0x6E, 0xB1));
  p.drawPath(s);
}

}  // namespace

QImage glifo(Glifo qual, bool ativo) {
  QImage img(kLado, kLado, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  switch (qual) {
    case Glifo::Cancelar:
    case Glifo::Fechar: {
      p.setPen(QPen(QColor(0xA0, 0x20, 0x20), 1));
      p.setBrush(QColor(0xD9, 0x44, 0x3A));
      if (qual == Glifo::Cancelar)
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
      else
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
      p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
      p.drawLine(QPointF(5.5, 10.5), QPointF(10.5, 5.5));
      break;
    }
    case Glifo::Voltar:
      seta(p, false);
      break;
    case Glifo::Avancar:
      seta(p, true);
      break;
    case Glifo::Concluir: {
      p.setPen(QPen(QColor(0x2E, 0x8B, 0x3A), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
      break;
    }
  }
  p.end();
  return ativo ? img : cinza(img);
}

}  // namespace ArteAssistente
