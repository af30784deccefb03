#pragma once

#include "controles/TModeloGridIsentos.h"
#include "controles/TTolvGridMeses.h"

// The exempt income of a line (see TModeloGridIsentos): two-line captions, and the shown columns
// sharing the width (a hidden column has none).
class TTolvGridIsentos : public TTolvGridMeses {
  Q_OBJECT
 public:
  explicit TTolvGridIsentos(QWidget* pai = nullptr);

  TModeloGridIsentos& ModeloIsentos() const { return static_cast<TModeloGridIsentos&>(Modelo()); }

  // Takes effect at the next layout (AtualizaLayout).
  void SetColunaVisivel(int col, bool visivel) { ModeloIsentos().SetColunaVisivel(col, visivel); }
  bool ColunaVisivel(int col) const { return ModeloIsentos().ColunaVisivel(col); }
  void AtualizaLayout() { AjustaDimensoes(); }

  // Widths of the data columns 1 to 6 from the shown ones: the first shown one takes what the
  // rounding leaves.
  static std::array<int, 7> LargurasColunas(int largura, int larguraColuna0, const std::array<bool, 7>& visiveis);

  void AjustaDimensoes() override;

 protected:
  bool CabecalhoAlto() const override { return true; }
};
