#pragma once

#include "controles/TModeloGridMesesDeducoes.h"
#include "controles/TTolvGridMeses.h"

// The base of the month grids of a taxable series with its deductions (see
// TModeloGridMesesDeducoes). The beneficiary-lines page sets which columns show from the revenue
// code's flags.
class TTolvGridMesesDeducoes : public TTolvGridMeses {
  Q_OBJECT
 public:
  explicit TTolvGridMesesDeducoes(QWidget* pai = nullptr);

  TModeloGridMesesDeducoes& ModeloDeducoes() const { return static_cast<TModeloGridMesesDeducoes&>(Modelo()); }

  bool Molestia() const { return ModeloDeducoes().Molestia(); }
  void SetMolestia(bool v) { ModeloDeducoes().SetMolestia(v); }
  bool Deducao() const { return ModeloDeducoes().Deducao(); }
  void SetDeducao(bool v) { ModeloDeducoes().SetDeducao(v); }
  bool DeducaoPO() const { return ModeloDeducoes().DeducaoPO(); }
  void SetDeducaoPO(bool v) { ModeloDeducoes().SetDeducaoPO(v); }
  bool DeducaoPP() const { return ModeloDeducoes().DeducaoPP(); }
  void SetDeducaoPP(bool v) { ModeloDeducoes().SetDeducaoPP(v); }
  bool DeducaoDP() const { return ModeloDeducoes().DeducaoDP(); }
  void SetDeducaoDP(bool v) { ModeloDeducoes().SetDeducaoDP(v); }
  bool DeducaoPA() const { return ModeloDeducoes().DeducaoPA(); }
  void SetDeducaoPA(bool v) { ModeloDeducoes().SetDeducaoPA(v); }
  bool VisaoMolestia() const { return ModeloDeducoes().VisaoMolestia(); }
  void SetVisaoMolestia(bool v) { ModeloDeducoes().SetVisaoMolestia(v); }
  // The caption of a data column (TModeloGridMesesDeducoes::Coluna).
  void SetTituloColuna(int colDados, const QString& titulo) { ModeloDeducoes().SetTituloColuna(colDados, titulo); }

 protected:
  TTolvGridMesesDeducoes(QWidget* pai, TModeloGridMesesDeducoes* modelo);
  bool CabecalhoAlto() const override { return true; }
};
