#pragma once

#include "controles/TModeloGridMeses.h"
#include "controles/TTolvCustomGrid.h"

class TTolvItem;

// The base of the month grids of a beneficiary line (see TModeloGridMeses): 590 by 269 pixels,
// no scroll bars, amounts of at most 13 characters, the rows and columns fitted to the control.
class TTolvGridMeses : public TTolvCustomGrid {
  Q_OBJECT
 public:
  explicit TTolvGridMeses(QWidget* pai = nullptr);

  TModeloGridMeses& ModeloMeses() const { return static_cast<TModeloGridMeses&>(Modelo()); }

  // The thirteenth-salary row.
  bool DecimoTerceiro() const { return ModeloMeses().DecimoTerceiro(); }
  void SetDecimoTerceiro(bool decimoTerceiro) { ModeloMeses().SetDecimoTerceiro(decimoTerceiro); }
  TTolvItem* TolvItem() const { return ModeloMeses().TolvItem(); }
  // Binds the line whose series the grid shows (not owned). What an open editor holds goes into
  // the line it was typed for.
  void SetTolvItem(TTolvItem* item);

  // Row heights and column widths of a month grid. Rounding halves to even.
  struct Dimensoes {
    int alturaLinha;
    int alturaCabecalho;
    int alturaTotais;
    int larguraColuna1;
    int larguraDemais;
  };
  // altura and largura: the cells' area; multiLinha: the taller two-line captions of the
  // deductions and exempt grids.
  static Dimensoes CalculaDimensoes(int altura, int largura, int linhas, int colunas, int larguraColuna0,
                                    int linhaGrade, bool multiLinha);

  void AjustaDimensoes() override;

 protected:
  TTolvGridMeses(QWidget* pai, TModeloGridMeses* modelo);
  // Two-line captions make the rows a pixel lower and the caption row taller.
  virtual bool CabecalhoAlto() const { return false; }
  // Fits the rows; the columns, unless AjustaDimensoes is overridden, from the same sizes.
  Dimensoes AjustaLinhas();
};
