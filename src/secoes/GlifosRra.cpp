#include "secoes/GlifosRra.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace GlifosRra {

namespace {

const QColor kAzul(0x33, 0x6E, 0xB1);
const QColor kVerde(0x2E, 0x8B, 0x3C);
const QColor kVermelho(0xC0, 0x39, 0x2B);

QPolygonF triangulo(qreal x0, qreal x1, qreal alto, qreal baixo) {
  const qreal meio = (alto + baixo) / 2;
  return QPolygonF({QPointF(x0, alto), QPointF(x1, meio), QPointF(x0, baixo)});
}

}  // namespace

QImage desenha(Glifo glifo, int lado) {
  QImage imagem(lado, lado, QImage::Format_ARGB32_Premultiplied);
  imagem.fill(Qt::transparent);
  QPainter p(&imagem);
  p.setRenderHint(QPainter::Antialiasing);
  const qreal l = lado;
  const qreal a = l * 0.2, b = l * 0.8;
  switch (glifo) {
    case Glifo::Pesquisar: {
      p.setPen(QPen(kAzul, l / 8));
      p.drawEllipse(QRectF(l * 0.12, l * 0.12, l * 0.5, l * 0.5));
      p.setPen(QPen(kAzul, l / 6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(l * 0.56, l * 0.56), QPointF(l * 0.86, l * 0.86));
      break;
    }
    case Glifo::Primeiro:
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      p.drawRect(QRectF(a, a, l * 0.12, b - a));
      p.drawPolygon(triangulo(b, a + l * 0.14, a, b));
      break;
    case Glifo::Anterior:
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      p.drawPolygon(triangulo(l * 0.7, l * 0.28, a, b));
      break;
    case Glifo::Proximo:
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      p.drawPolygon(triangulo(l * 0.3, l * 0.72, a, b));
      break;
    case Glifo::Ultimo:
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      p.drawPolygon(triangulo(a, b - l * 0.14, a, b));
      p.drawRect(QRectF(b - l * 0.12, a, l * 0.12, b - a));
      break;
    case Glifo::Inclui:
      p.setPen(QPen(kVerde, l / 5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(l / 2, a), QPointF(l / 2, b));
      p.drawLine(QPointF(a, l / 2), QPointF(b, l / 2));
      break;
    case Glifo::Exclui:
      p.setPen(QPen(kVermelho, l / 5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(a + 1, a + 1), QPointF(b - 1, b - 1));
      p.drawLine(QPointF(b - 1, a + 1), QPointF(a + 1, b - 1));
      break;
    case Glifo::Desfaz: {
      p.setPen(QPen(kAzul, l / 8, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      QPainterPath arco;
      arco.moveTo(l * 0.3, l * 0.4);
      arco.cubicTo(l * 0.55, l * 0.15, l * 0.95, l * 0.35, l * 0.8, l * 0.65);
      arco.cubicTo(l * 0.72, l * 0.82, l * 0.5, l * 0.85, l * 0.35, l * 0.8);
      p.drawPath(arco);
      p.setPen(Qt::NoPen);
      p.setBrush(kAzul);
      p.drawPolygon(QPolygonF({QPointF(l * 0.1, l * 0.42), QPointF(l * 0.42, l * 0.2), QPointF(l * 0.42, l * 0.6)}));
      break;
    }
  }
  return imagem;
}

}  // namespace GlifosRra
