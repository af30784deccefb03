#pragma once

#include <QString>

#include <array>
#include <optional>

#include "controles/TModeloGridMeses.h"

// The month grid of a taxable series with its deductions: ten data columns, of which the
// serious-illness income and the five deduction columns can be hidden (a hidden column is no
// grid column at all: the columns to its right show the next data columns).
class TModeloGridMesesDeducoes : public TModeloGridMeses {
  Q_OBJECT
 public:
  // Data columns.
  enum Coluna { kMes, kRendimento, kMolestia, kDeducao, kDeducaoPO, kDeducaoPP, kDeducaoDP, kDeducaoPA, kRetido, kDeposito };

  // colunasDados: the data columns that the grid may show (9: month to tax withheld; 10 with the
  // judicial deposits). Built with the illness column hidden and the five deductions shown.
  explicit TModeloGridMesesDeducoes(QObject* pai = nullptr, int colunasDados = 9);

  bool Molestia() const { return m_molestia; }
  void SetMolestia(bool v) { mudaVisivel(m_molestia, v); }
  bool Deducao() const { return m_deducao; }
  void SetDeducao(bool v) { mudaVisivel(m_deducao, v); }
  bool DeducaoPO() const { return m_deducaoPO; }
  void SetDeducaoPO(bool v) { mudaVisivel(m_deducaoPO, v); }
  bool DeducaoPP() const { return m_deducaoPP; }
  void SetDeducaoPP(bool v) { mudaVisivel(m_deducaoPP, v); }
  bool DeducaoDP() const { return m_deducaoDP; }
  void SetDeducaoDP(bool v) { mudaVisivel(m_deducaoDP, v); }
  bool DeducaoPA() const { return m_deducaoPA; }
  void SetDeducaoPA(bool v) { mudaVisivel(m_deducaoPA, v); }
  // The serious-illness view of the beneficiary-lines page: other cells take values.
  bool VisaoMolestia() const { return m_visaoMolestia; }
  void SetVisaoMolestia(bool visao);

  int MapeiaColuna(int col) const override;
  QString GetTituloColuna(int colDados) const override;
  // Replaces the caption of a data column (the withheld column's, chosen by the revenue code).
  // It stays until replaced again, whatever the grid's layout does.
  void SetTituloColuna(int colDados, const QString& titulo);

 protected:
  // The caption of a data column, on two lines with MultiLinha.
  virtual QString TituloPadrao(int colDados) const;
  bool BloqueiaMeses() const override { return true; }

 private:
  void mudaVisivel(bool& flag, bool valor);
  int colunasVisiveis() const;

  int m_colunasDados;
  bool m_molestia = false;
  bool m_deducao = true;
  bool m_deducaoPO = true;
  bool m_deducaoPP = true;
  bool m_deducaoDP = true;
  bool m_deducaoPA = true;
  bool m_visaoMolestia = false;
  std::array<std::optional<QString>, 10> m_titulos;
};
