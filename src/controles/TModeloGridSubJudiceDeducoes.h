#pragma once

#include "controles/TModeloGridRendimentosDeducoes.h"

// The taxable income under suspended exigibility of a line (its TSubJudice), with the
// deductions, the tax withheld and the judicial deposits. The illness and total-deduction
// columns show "0,00" and store nothing.
class TModeloGridSubJudiceDeducoes : public TModeloGridRendimentosDeducoes {
  Q_OBJECT
 public:
  explicit TModeloGridSubJudiceDeducoes(QObject* pai = nullptr);

  TMonetario* MonetarioDados(int colDados, int mes) const override;
  TMonetario* TotalDados(int colDados) const override;

 protected:
  TRendimentosTributaveis* Series() const override;
  QString TituloPadrao(int colDados) const override;
  void ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const override;
};
