#pragma once

#include "controles/TModeloGridMesesDeducoes.h"

class TRendimentosTributaveis;

// The taxable income of a line with its deductions and the tax withheld. Storing one of the four
// kinds of deduction of a month makes the month's total deduction their sum. Which cells take
// values depends on the serious-illness flags (see CelulaEditavel).
class TModeloGridRendimentosDeducoes : public TModeloGridMesesDeducoes {
  Q_OBJECT
 public:
  explicit TModeloGridRendimentosDeducoes(QObject* pai = nullptr, int colunasDados = 9);

  // Besides the months after the event: with VisaoMolestia, grid column 3 under code 5565 (and
  // under 5928 with Molestia) and grid columns 1, 5 and 7 with Molestia; without it, grid column 2
  // with Molestia.
  bool CelulaEditavel(int col, int lin) const override;
  void SetValorCelula(int colDados, int mes, const QString& texto) override;
  TMonetario* MonetarioDados(int colDados, int mes) const override;
  TMonetario* TotalDados(int colDados) const override;

 protected:
  // The series the grid shows.
  virtual TRendimentosTributaveis* Series() const;
  void ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const override;
};
