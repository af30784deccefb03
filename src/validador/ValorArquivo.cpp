#include "validador/ValorArquivo.h"

#include <cstdint>

namespace {

// The digits as a whole number of units of 10^-decimais, scaled to ten-thousandths.
std::optional<Valor> ComDecimais(QStringView texto, int decimais) {
  int64_t escala = 1;
  for (int i = decimais; i < 4; ++i) escala *= 10;
  __int128 unidades = 0;
  for (QChar c : texto) {
    if (c < u'0' || c > u'9') return std::nullopt;
    unidades = unidades * 10 + (c.unicode() - u'0');
    if (unidades * escala > INT64_MAX) return std::nullopt;
  }
  return Valor::deDezMilesimos(int64_t(unidades * escala));
}

}  // namespace

namespace ValorArquivo {

std::optional<Valor> DeCentavos(QStringView texto) { return ComDecimais(texto, 2); }

std::optional<Valor> DeDecimos(QStringView texto) { return ComDecimais(texto, 1); }

}  // namespace ValorArquivo
