#include "controles/TTolvGridIsentos.h"

#include <cmath>

TTolvGridIsentos::TTolvGridIsentos(QWidget* pai) : TTolvGridMeses(pai, new TModeloGridIsentos) { AjustaDimensoes(); }

std::array<int, 7> TTolvGridIsentos::LargurasColunas(int largura, int larguraColuna0,
                                                     const std::array<bool, 7>& visiveis) {
  std::array<int, 7> larguras{};
  larguras[0] = larguraColuna0;
  int v = 1;  // column 0 counts
  for (int c = 1; c < 7; ++c)
    if (visiveis[size_t(c)]) ++v;
  const int livre = largura - larguraColuna0;
  const int f = v < 2 ? livre : int(std::nearbyint(double(livre) / (v - 1)));
  bool primeira = true;
  for (int c = 1; c < 7; ++c) {
    if (!visiveis[size_t(c)]) continue;
    larguras[size_t(c)] = (v >= 3 && primeira) ? livre - f * (v - 2) : f;
    primeira = false;
  }
  return larguras;
}

void TTolvGridIsentos::AjustaDimensoes() {
  // Its captions need two lines.
  if (!MultiLinha()) Modelo().SetMultiLinha(true);
  const TModeloGrid& m = Modelo();
  if (m.RowCount() < 14 || m.ColCount() < 2) return;
  AjustaLinhas();
  std::array<bool, 7> visiveis{};
  for (int c = 0; c < 7; ++c) visiveis[size_t(c)] = ColunaVisivel(c);
  const std::array<int, 7> larguras = LargurasColunas(contentsRect().width(), LarguraColuna(0), visiveis);
  for (int c = 1; c < 7; ++c) SetLarguraColuna(c, larguras[size_t(c)]);
}
