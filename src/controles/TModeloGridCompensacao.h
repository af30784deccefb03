#pragma once

#include "controles/TModeloGridMeses.h"

// The tax compensated by judicial decision of a line: beside the tax withheld of each month, the
// compensation of the calendar year and of previous years, and the month's total (withheld plus
// both compensations). Only the two compensation columns take values.
class TModeloGridCompensacao : public TModeloGridMeses {
  Q_OBJECT
 public:
  enum Coluna { kMes, kRetido, kAnoAtual, kAnoAnterior, kTotal };

  explicit TModeloGridCompensacao(QObject* pai = nullptr);

  QString GetTituloColuna(int colDados) const override;
  TMonetario* MonetarioDados(int colDados, int mes) const override;
  TMonetario* TotalDados(int colDados) const override;
  bool CelulaEditavel(int col, int lin) const override;
  QRect GetAreaEditavel() const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;

 protected:
  bool BloqueiaMeses() const override { return true; }
  void ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const override;
};
