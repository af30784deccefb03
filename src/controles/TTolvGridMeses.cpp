#include "controles/TTolvGridMeses.h"

#include <cmath>

namespace {

constexpr int kLargura = 590;
constexpr int kAltura = 269;
constexpr int kLimiteEdicao = 13;

// The nearest integer, halves to even.
int arredonda(double x) { return int(std::nearbyint(x)); }

}  // namespace

TTolvGridMeses::TTolvGridMeses(QWidget* pai) : TTolvGridMeses(pai, new TModeloGridMeses) {}

TTolvGridMeses::TTolvGridMeses(QWidget* pai, TModeloGridMeses* modelo) : TTolvCustomGrid(pai) {
  SetMonetario(true);
  SetEditLimit(kLimiteEdicao);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  resize(kLargura, kAltura);
  SetModelo(modelo);
}

void TTolvGridMeses::SetTolvItem(TTolvItem* item) {
  // A refused text was shown and is given up: it belongs to the line that goes.
  if (!FechaEditor(true)) FechaEditor(false);
  ModeloMeses().SetTolvItem(item);
}

TTolvGridMeses::Dimensoes TTolvGridMeses::CalculaDimensoes(int altura, int largura, int linhas, int colunas,
                                                           int larguraColuna0, int linhaGrade, bool multiLinha) {
  Dimensoes d{};
  d.alturaLinha = arredonda(double(altura - linhas * linhaGrade - 3) / linhas);
  if (multiLinha) d.alturaLinha -= 1;
  const int sobra = altura - (linhaGrade + d.alturaLinha) * linhas - 3;
  d.alturaCabecalho = d.alturaLinha + arredonda(sobra / 2.0) + (multiLinha ? 7 : 0);
  d.alturaTotais = 2 * d.alturaLinha + sobra - d.alturaCabecalho;
  if (colunas > 1) {
    d.larguraDemais = arredonda(double(largura - larguraColuna0) / (colunas - 1));
    d.larguraColuna1 = largura - larguraColuna0 - d.larguraDemais * (colunas - 2);
  }
  return d;
}

TTolvGridMeses::Dimensoes TTolvGridMeses::AjustaLinhas() {
  const TModeloGrid& m = Modelo();
  const Dimensoes d = CalculaDimensoes(contentsRect().height(), contentsRect().width(), m.RowCount(), m.ColCount(),
                                       LarguraColuna(0), 0, CabecalhoAlto() && MultiLinha());
  SetAlturaPadrao(d.alturaLinha);
  SetAlturaLinha(0, d.alturaCabecalho);
  SetAlturaLinha(TModeloGridMeses::kLinhaTotais, d.alturaTotais);
  return d;
}

void TTolvGridMeses::AjustaDimensoes() {
  const TModeloGrid& m = Modelo();
  if (m.RowCount() < 14 || m.ColCount() < 2) return;
  const Dimensoes d = AjustaLinhas();
  SetLarguraColuna(1, d.larguraColuna1);
  for (int c = 2; c < m.ColCount(); ++c) SetLarguraColuna(c, d.larguraDemais);
}
