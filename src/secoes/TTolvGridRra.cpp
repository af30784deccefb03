#include "secoes/TTolvGridRra.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLargura = 589;
constexpr int kAltura = 269;
constexpr int kLimiteEdicao = 13;

// The nearest integer, halves to even.
int arredonda(double x) { return int(std::nearbyint(x)); }

}  // namespace

TTolvGridRra::TTolvGridRra(QWidget* pai) : TTolvCustomGrid(pai) {
  SetMonetario(true);
  SetEditLimit(kLimiteEdicao);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setShowGrid(false);
  resize(kLargura, kAltura);
  SetModelo(new TModeloGridRra);
}

void TTolvGridRra::SetRra(TzuqRra* rra) {
  // A refused text was shown and is given up: it belongs to the item that goes.
  if (!FechaEditor(true)) FechaEditor(false);
  ModeloRra().SetRra(rra);
}

void TTolvGridRra::SetHabilitarMolestia(bool habilitar) {
  if (habilitar == HabilitarMolestia()) return;
  ModeloRra().SetHabilitarMolestia(habilitar);
  viewport()->update();
}

TTolvGridRra::Dimensoes TTolvGridRra::CalculaDimensoes(int altura, int largura, int linhas, int colunas,
                                                       int larguraColuna0, int linhaGrade) {
  Dimensoes d{};
  d.alturaLinha = arredonda(double(altura - linhas * linhaGrade - 3) / linhas) - 1;
  const int sobra = altura - (linhaGrade + d.alturaLinha) * linhas - 3;
  d.alturaCabecalho = d.alturaLinha + arredonda(sobra / 2.0) + 7;
  d.alturaTotais = 2 * d.alturaLinha + sobra - d.alturaCabecalho;
  if (colunas > 1) {
    d.larguraColuna = arredonda(double(largura - larguraColuna0) / (colunas - 1));
    // Never wider than what is left: a rounded-up width would push the last column past the edge.
    d.larguraUltima = std::min(d.larguraColuna - 1, largura - larguraColuna0 - d.larguraColuna * (colunas - 2));
  }
  return d;
}

void TTolvGridRra::AjustaDimensoes() {
  const TModeloGrid& m = Modelo();
  if (m.RowCount() < TModeloGridRra::kLinhas || m.ColCount() < 2) return;
  const Dimensoes d = CalculaDimensoes(contentsRect().height(), contentsRect().width(), m.RowCount(), m.ColCount(),
                                       LarguraColuna(0), 0);
  SetAlturaPadrao(d.alturaLinha);
  SetAlturaLinha(0, d.alturaCabecalho);
  SetAlturaLinha(TModeloGridRra::kLinhaTotais, d.alturaTotais);
  for (int c = 1; c < m.ColCount() - 1; ++c) SetLarguraColuna(c, d.larguraColuna);
  SetLarguraColuna(m.ColCount() - 1, d.larguraUltima);
}
