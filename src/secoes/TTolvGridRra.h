#pragma once

#include "controles/TTolvCustomGrid.h"
#include "secoes/TModeloGridRra.h"

class TzuqRra;

// The month grid of income received cumulatively (see TModeloGridRra): twelve months and a
// totals row, 589 by 269 pixels at creation, no scroll bars, amounts of at most 13 characters,
// the months column taking three integer digits. The rows and columns are fitted to the control
// whenever it changes size.
class TTolvGridRra : public TTolvCustomGrid {
  Q_OBJECT
 public:
  explicit TTolvGridRra(QWidget* pai = nullptr);

  TModeloGridRra& ModeloRra() const { return static_cast<TModeloGridRra&>(Modelo()); }

  TzuqRra* Rra() const { return ModeloRra().Rra(); }
  // Binds the item (not owned). What an open editor holds goes into the item it was typed for.
  void SetRra(TzuqRra* rra);
  bool HabilitarMolestia() const { return ModeloRra().HabilitarMolestia(); }
  void SetHabilitarMolestia(bool habilitar);

  // Row heights and column widths for a control of this size.
  struct Dimensoes {
    int alturaLinha;
    int alturaCabecalho;
    int alturaTotais;
    int larguraColuna;
    int larguraUltima;
  };
  static Dimensoes CalculaDimensoes(int altura, int largura, int linhas, int colunas, int larguraColuna0,
                                    int linhaGrade);

  void AjustaDimensoes() override;
};
