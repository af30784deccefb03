#include "secoes/GlifosRemessa.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace GlifosRemessa {

QImage Desenha(Glifo glifo) {
  constexpr int kLado = 16;
  QImage imagem(kLado, kLado, QImage::Format_ARGB32);
  // The corner's colour is the one the button leaves out.
  imagem.fill(QColor(255, 0, 255));
  QPainter p(&imagem);
  const QColor azul(0x33, 0x6E, 0xB1);
  const QColor vermelho(0xC0, 0x30, 0x30);
  const QColor verde(0x2E, 0x8B, 0x3A);
  p.setPen(Qt::NoPen);
  p.setBrush(azul);
  const auto triangulo = [&p](double x0, bool direita) {
    const QPolygonF t = direita ? QPolygonF{{x0, 3.0}, {x0 + 6.0, 8.0}, {x0, 13.0}}
                                : QPolygonF{{x0 + 6.0, 3.0}, {x0, 8.0}, {x0 + 6.0, 13.0}};
    p.drawPolygon(t);
  };
  switch (glifo) {
    case Glifo::Primeiro:
      p.drawRect(QRectF(3, 3, 2, 10));
      triangulo(6, false);
      break;
    case Glifo::Anterior:
      triangulo(5, false);
      break;
    case Glifo::Proximo:
      triangulo(5, true);
      break;
    case Glifo::Ultimo:
      triangulo(4, true);
      p.drawRect(QRectF(11, 3, 2, 10));
      break;
    case Glifo::Incluir:
      p.setBrush(verde);
      p.drawRect(QRectF(7, 2, 2.5, 12));
      p.drawRect(QRectF(2, 6.75, 12, 2.5));
      break;
    case Glifo::Excluir:
      p.setPen(QPen(vermelho, 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
      p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
      break;
    case Glifo::Desfazer: {
      p.setPen(QPen(azul, 2.0, Qt::SolidLine, Qt::RoundCap));
      p.setBrush(Qt::NoBrush);
      QPainterPath arco;
      arco.moveTo(5, 6);
      arco.cubicTo(9, 2, 15, 5, 13, 10);
      arco.cubicTo(12, 13, 8, 14, 6, 12);
      p.drawPath(arco);
      p.setPen(Qt::NoPen);
      p.setBrush(azul);
      p.drawPolygon(QPolygonF{{2.0, 3.0}, {8.0, 4.0}, {4.0, 9.0}});
      break;
    }
    case Glifo::Pesquisar:
      p.setPen(QPen(azul, 2.0));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(2.5, 2.5, 8, 8));
      p.setPen(QPen(azul, 3.0, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(10, 10), QPointF(13.5, 13.5));
      break;
  }
  return imagem;
}

}  // namespace GlifosRemessa
