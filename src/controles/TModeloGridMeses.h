#pragma once

#include "controles/TModeloGrid.h"

class TTolvItem;

// The cells of a month grid over a beneficiary line: a caption row, the twelve months, the
// totals row and, while DecimoTerceiro is on, the thirteenth salary as the last row (grid rows 13
// and 14 are data rows 14 and 13: the totals row stays under December). Column 0 holds the row
// captions. The data columns are answered by subclasses (MonetarioDados, TotalDados); as a class
// of its own it shows "0,00" everywhere and stores nothing.
//
// In the members (BloqueiaMeses), a month after the event month of the declaration's special
// situation takes no value, and is painted as a fixed cell.
class TModeloGridMeses : public TModeloGrid {
  Q_OBJECT
 public:
  static constexpr int kLinhaTotais = 13;  // grid row
  static constexpr int kLinhaDecimo = 14;  // grid row
  static constexpr int kDadoTotais = 14;   // data row of the totals
  static constexpr int kMesDecimo = 13;    // data row (month) of the thirteenth salary

  explicit TModeloGridMeses(QObject* pai = nullptr, int colunas = 4);
  ~TModeloGridMeses() override;

  bool DecimoTerceiro() const { return m_decimoTerceiro; }
  void SetDecimoTerceiro(bool decimoTerceiro);
  TTolvItem* TolvItem() const { return m_item; }
  // The line whose series the grid shows (not owned; nullptr for none).
  void SetTolvItem(TTolvItem* item);

  // Grid coordinates to data coordinates.
  virtual int MapeiaColuna(int col) const { return col; }
  static int MapeiaLinha(int lin);

  // Data coordinates. "0,00" without a line or for a column that has no series.
  QString GetValorCelula(int colDados, int mes, bool formatado) const;
  // Stores with a line only, the text cut after the second digit that follows its first ",";
  // the value's TErro passes on.
  virtual void SetValorCelula(int colDados, int mes, const QString& texto);
  QString GetTotalColuna(int colDados) const;
  virtual QString GetTituloColuna(int colDados) const;
  virtual QString GetTituloLinha(int linDados) const;
  // The amount of a data column in a month, and the column's total; nullptr for none.
  virtual TMonetario* MonetarioDados(int /*colDados*/, int /*mes*/) const { return nullptr; }
  virtual TMonetario* TotalDados(int /*colDados*/) const { return nullptr; }

  // The month (1 to 12) lies after the event month of the bound line's declaration.
  bool MesBloqueado(int mes) const;

  bool CelulaEditavel(int col, int lin) const override;
  QString GetTextoCelula(int col, int lin) const override;
  QString GetTextoEdicao(int col, int lin) const override;
  void SetTextoCelula(int col, int lin, const QString& texto) override;
  QRect GetAreaEditavel() const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;
  const TMonetario* MonetarioCelula(int col, int lin) const override;
  // Only into a line that has been stored.
  bool AceitaArrasto(int col, int lin) const override;

  static QString CortaDecimais(const QString& texto);

 protected:
  // The members lock the months after the event month.
  virtual bool BloqueiaMeses() const { return false; }
  // The values whose changes the grid shows: the totals and thirteenth-salary amounts of the
  // series it shows (a total follows months 1 to 12).
  virtual void ListaObservados(TTolvItem& /*item*/, std::vector<IObservavel*>& /*valores*/) const {}
  void SetColunas(int colunas);
  void ReobservaItem();
  void ValorLiberado() override;

 private:
  TTolvItem* m_item = nullptr;
  bool m_decimoTerceiro = true;
};
