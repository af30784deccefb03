#pragma once

class QPainter;
class QPicture;

namespace relatorio {

// Draws one of a report's pages with its top left corner at the painter's origin, at
// `pixelsPorUnidade` pixels of the painter's device per 1/96 inch (the report's unit). The
// page's own background is not painted.
void DesenhaPagina(QPainter& pintor, const QPicture& pagina, double pixelsPorUnidade);

// The device's natural scale: its pixels per 1/96 inch.
double PixelsPorUnidade(const QPainter& pintor);

}  // namespace relatorio
