#pragma once

#include "controles/TModeloGrid.h"

class TMonetario;
class TzuqRra;

// The cells of the month grid of income received cumulatively over one item: the caption row,
// the twelve months and the totals row, with column 0 holding the row captions and one column
// per series of the item. The illness column may be hidden; the columns after it then move one
// place left (displayed 2 shows logical 3, and so on), and its amounts stay in the item.
//
// Months after the special-situation event month of the item's declaration take no value and
// are painted as fixed cells.
class TModeloGridRra : public TModeloGrid {
  Q_OBJECT
 public:
  // Logical columns (as seen with the illness column shown).
  enum Coluna { kMes, kRendimento, kMolestia, kDeducaoPO, kDeducaoPA, kRetido, kCustas, kMeses };
  static constexpr int kColunas = 8;
  static constexpr int kLinhas = 14;
  static constexpr int kLinhaTotais = 13;

  explicit TModeloGridRra(QObject* pai = nullptr);
  ~TModeloGridRra() override;

  TzuqRra* Rra() const { return m_rra; }
  // The item whose values the grid shows (not owned; nullptr for none).
  void SetRra(TzuqRra* rra);

  bool HabilitarMolestia() const { return m_habilitarMolestia; }
  void SetHabilitarMolestia(bool habilitar);

  // The logical column a displayed column shows.
  int MapeiaColuna(int col) const;
  // The displayed column of a logical one; -1 while it is hidden.
  int ColunaExibida(int logica) const;

  // Logical coordinates; "0,00" without an item.
  QString GetTextoValor(int coluna, int mes, bool formatado) const;
  // Only with an item: the text cut after its second decimal, then the value's own setter,
  // which raises its TErro when it refuses the text (the value keeps what it had).
  void SetTextoValor(int coluna, int mes, const QString& texto);
  QString GetTextoTotal(int coluna) const;
  static QString GetTextoCabecalho(int coluna);
  static QString GetTextoMes(int linha);
  // The amount of a logical column in a month (1 to 12), and its total.
  TMonetario* Valor(int coluna, int mes) const;
  TMonetario* Total(int coluna) const;
  // The month (1 to 12) lies after the event month of the item's declaration.
  bool MesBloqueado(int mes) const;

  bool CelulaEditavel(int col, int lin) const override;
  QString GetTextoCelula(int col, int lin) const override;
  QString GetTextoEdicao(int col, int lin) const override;
  void SetTextoCelula(int col, int lin, const QString& texto) override;
  QRect GetAreaEditavel() const override;
  int MaxDigitosInteiros(int col, int lin) const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;
  const TMonetario* MonetarioCelula(int col, int lin) const override;
  // Only onto a stored item.
  bool AceitaArrasto(int col, int lin) const override;

 protected:
  void ValorLiberado() override;

 private:
  void Reobserva();

  TzuqRra* m_rra = nullptr;
  bool m_habilitarMolestia = true;
};
