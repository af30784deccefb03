#include "controles/TTolvGridComprPJ.h"

#include <algorithm>

namespace {

constexpr int kLargura = 590;
constexpr int kAlturaPorLinha = 20;
constexpr int kAlturaMaxima = 320;
// The rows drawn a little lower than their share of the height, so that the frame never hides
// the last one.
constexpr int kAlturaLinha = 19;

}  // namespace

TTolvGridComprPJ::TTolvGridComprPJ(QWidget* pai) : TTolvCustomGrid(pai) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  SetModelo(new TModeloGridComprPJ);
  SetAlturaPadrao(kAlturaLinha);
  resize(kLargura, kAlturaPorLinha);
  AjustaDimensoes();
}

void TTolvGridComprPJ::SetComprovante(TComprovantePJ* comprovante) {
  // What an open editor holds goes into the statement it was typed for.
  if (!FechaEditor(true)) FechaEditor(false);
  ModeloComprPJ().SetComprovante(comprovante);
  Atualiza();
}

void TTolvGridComprPJ::Atualiza() {
  if (!FechaEditor(true)) FechaEditor(false);
  ModeloComprPJ().Recarrega();
  const int linhas = Modelo().RowCount();
  int altura = kAlturaPorLinha * linhas;
  if (altura > 316) altura = kAlturaMaxima;
  resize(width(), altura);
  if (linhas < 2) {
    hide();
  } else {
    SelecionaCelula(TModeloGridComprPJ::kDescricao, 1);
    if (parentWidget()) show();
  }
  AjustaDimensoes();
  viewport()->update();
}

void TTolvGridComprPJ::AjustaDimensoes() {
  if (Modelo().ColCount() != 5) return;
  SetAlturaPadrao(kAlturaLinha);
  const int largura = contentsRect().width();
  const bool naoCabe = AlturaLinha(0) * Modelo().RowCount() > contentsRect().height();
  const int descricao = std::max(largura - (naoCabe ? 283 : 266), 320);
  const int larguras[] = {36, 46, descricao, 100, 84};
  for (int c = 0; c < 5; ++c) SetLarguraColuna(c, larguras[c]);
}
