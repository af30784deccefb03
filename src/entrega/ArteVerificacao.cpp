#include "entrega/ArteVerificacao.h"

#include <QPainter>
#include <QPainterPath>

#include "controles/ArteTolv.h"
#include "controles/TTolvButton.h"

namespace ArteVerificacao {

namespace {

constexpr int kLado = 16;

QPixmap vazio() {
  QPixmap pm(kLado, kLado);
  pm.fill(Qt::transparent);
  return pm;
}

void documento(QPainter& p) {
  QPainterPath folha;
  folha.moveTo(3.5, 1.5);
  folha.lineTo(10.5, 1.5);
  folha.lineTo(13.5, 4.5);
  folha.lineTo(13.5, 14.5);
  folha.lineTo(3.5, 14.5);
  folha.closeSubpath();
  p.setPen(QPen(QColor(0x2B, 0x55, 0x8C), 1));
  p.setBrush(QColor(0xF4, 0xF8, 0xFF));
  p.drawPath(folha);
  p.setBrush(QColor(0xC8, 0xD8, 0xF0));
  p.drawPolygon(QPolygonF({QPointF(10.5, 1.5), QPointF(10.5, 4.5), QPointF(13.5, 4.5)}));
  p.setPen(QPen(QColor(0x4A, 0x7E, 0xC0), 1));
  for (int y = 6; y <= 12; y += 2) p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
}

void clipe(QPainter& p) {
  QPainterPath c;
  c.moveTo(6, 12);
  c.lineTo(6, 4);
  c.arcTo(QRectF(6, 1.5, 5, 5), 180, -180);
  c.lineTo(11, 12.5);
  c.arcTo(QRectF(4, 10, 7, 5), 0, -180);
  c.lineTo(4, 5);
  p.setPen(QPen(QColor(0x1F, 0x7A, 0x7A), 1.4, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(c);
}

void balanca(QPainter& p) {
  const QColor cor(0x1F, 0x6E, 0x6E);
  p.setPen(QPen(cor, 1.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 2), QPointF(8, 13));
  p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
  p.drawLine(QPointF(5, 14), QPointF(11, 14));
  p.setBrush(QColor(0xB8, 0xE0, 0xE0));
  for (qreal x : {2.5, 13.5}) {
    p.drawLine(QPointF(x, 4), QPointF(x - 2, 9));
    p.drawLine(QPointF(x, 4), QPointF(x + 2, 9));
    p.drawChord(QRectF(x - 2.5, 7, 5, 4), 180 * 16, 180 * 16);
  }
}

void cruz(QPainter& p) {
  p.setPen(QPen(QColor(0x1F, 0x6E, 0x6E), 1));
  p.setBrush(QColor(0xFF, 0xFF, 0xFF));
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.5, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xD0, 0x30, 0x30));
  p.drawRect(QRectF(6.5, 3.5, 3, 9));
  p.drawRect(QRectF(3.5, 6.5, 9, 3));
}

void visto(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3C, 0xA0, 0x46));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5)}));
}

void relogio(QPainter& p) {
  p.setPen(QPen(QColor(0x2B, 0x55, 0x8C), 1.2));
  p.setBrush(QColor(0xFF, 0xFF, 0xFF));
  p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  p.setPen(QPen(QColor(0x2B, 0x55, 0x8C), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 8), QPointF(8, 4));
  p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
}

void parar(QPainter& p) {
  p.setPen(QPen(QColor(0x90, 0x18, 0x18), 1));
  p.setBrush(QColor(0xD8, 0x3A, 0x2E));
  p.drawRoundedRect(QRectF(2.5, 2.5, 11, 11), 2, 2);
}

void alvo(QPainter& p) {
  const QColor cor(0x33, 0x6E, 0xB1);
  p.setPen(QPen(cor, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
  p.setBrush(cor);
  p.drawEllipse(QRectF(6, 6, 4, 4));
  p.drawLine(QPointF(8, 0.5), QPointF(8, 3));
  p.drawLine(QPointF(8, 13), QPointF(8, 15.5));
  p.drawLine(QPointF(0.5, 8), QPointF(3, 8));
  p.drawLine(QPointF(13, 8), QPointF(15.5, 8));
}

void impressora(QPainter& p) {
  p.setPen(QPen(QColor(0x40, 0x4A, 0x55), 1));
  p.setBrush(QColor(0xFF, 0xFF, 0xFF));
  p.drawRect(QRectF(4.5, 1.5, 7, 5));
  p.setBrush(QColor(0x8A, 0x9A, 0xAA));
  p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);
  p.setBrush(QColor(0xFF, 0xFF, 0xFF));
  p.drawRect(QRectF(4.5, 10.5, 7, 4));
  p.setPen(QPen(QColor(0x33, 0x6E, 0xB1), 1));
  p.drawLine(QPointF(5.5, 12.5), QPointF(10.5, 12.5));
}

}  // namespace

namespace {

QPixmap desenhaIcone(Icone qual) {
  if (qual == Icone::Erro) return ArteTolv::icone(ArteTolv::Icone::Erro, kLado);
  if (qual == Icone::Aviso) return ArteTolv::icone(ArteTolv::Icone::Aviso, kLado);
  QPixmap pm = vazio();
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  switch (qual) {
    case Icone::Declaracao: documento(p); break;
    case Icone::Clipes: clipe(p); break;
    case Icone::Processo: balanca(p); break;
    case Icone::PlanoSaude: cruz(p); break;
    case Icone::Ok: visto(p); break;
    case Icone::Relogio: relogio(p); break;
    default: break;
  }
  return pm;
}

}  // namespace

QPixmap icone(Icone qual) {
  // Drawn once: the grid asks for them at every row it paints. Kept until the process ends, never
  // freed after the application that made them.
  static auto* const feitos = new QPixmap[int(Icone::Relogio) + 1];
  QPixmap& pm = feitos[int(qual)];
  if (pm.isNull()) pm = desenhaIcone(qual);
  return pm;
}

QPixmap glifo(Glifo qual, bool ativo) {
  QPixmap pm = vazio();
  {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (qual) {
      case Glifo::Parar: parar(p); break;
      case Glifo::Posicionar: alvo(p); break;
      case Glifo::Relatorio: impressora(p); break;
    }
  }
  if (ativo) return pm;
  return QPixmap::fromImage(TTolvButton::ConverteCinza(pm.toImage()));
}

}  // namespace ArteVerificacao
