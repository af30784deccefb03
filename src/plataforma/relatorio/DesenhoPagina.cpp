#include "plataforma/relatorio/DesenhoPagina.h"

#include <QPaintDevice>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPicture>

namespace relatorio {

double PixelsPorUnidade(const QPainter& pintor) { return pintor.device()->logicalDpiX() / 96.0; }

void DesenhaPagina(QPainter& pintor, const QPicture& pagina, double pixelsPorUnidade) {
  // Playing a picture already scales it from its own resolution to the device's.
  const double natural = PixelsPorUnidade(pintor);
  pintor.save();
  // A picture records only the state changes it saw: it starts from a painter's defaults.
  pintor.setPen(QPen(Qt::black));
  pintor.setBrush(Qt::NoBrush);
  pintor.setFont(QFont());
  pintor.setBackgroundMode(Qt::TransparentMode);
  if (natural > 0) pintor.scale(pixelsPorUnidade / natural, pixelsPorUnidade / natural);
  pintor.drawPicture(0, 0, pagina);
  pintor.restore();
}

}  // namespace relatorio
