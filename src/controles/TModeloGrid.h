#pragma once

#include <QAbstractTableModel>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

#include "nucleo/Observadores.h"

class TMonetario;

// What a TTolvCustomGrid shows: the cells of one grid, read from and stored into the value
// objects of the declaration (amounts stay TMonetario, never double). The grid paints, moves
// and edits; the model answers what each cell holds, whether it takes a value, how it is
// painted and where the current cell may go.
//
// Coordinates are the grid's: column first, the fixed rows and columns included (row 0 of a grid
// with one fixed row is its caption row). Underneath, the Qt model leaves the fixed rows out of
// its rows and answers them as the horizontal header, so a grid that scrolls keeps its captions.
//
// A new grid (the month grid of income received cumulatively, the sample grids of the import) is
// a subclass of this model and a small TTolvCustomGrid subclass that makes it:
// - the model sets its shape with SetDimensoes and overrides what differs from the base:
//   GetTextoCelula (shown text), GetTextoEdicao (what the in-place editor starts from; the raw
//   amount "1234,50" rather than "1.234,50"), SetTextoCelula (stores an edited text and raises
//   the value's TErro when it refuses it), CelulaEditavel, GetAreaEditavel (the block that the
//   keyboard walks), MaxDigitosInteiros (digits of the money editor in a cell), PinturaDe
//   (painter and alignment of a cell), AceitaArrasto (conditions of its own for a dropped
//   amount) and MonetarioCelula (the amount object of a cell, for the role of raw amounts);
//   a model that shows value objects lists them in ObservaValores, so that a change made by
//   code shows at once and a value that goes away unbinds the model (ValorLiberado);
// - a month grid derives from TModeloGridMeses, which already has the months, the totals row,
//   the thirteenth salary as an optional last row and the lock of the months after the
//   special-situation event: it answers the value and total of each data column;
// - the grid subclass creates the model (TTolvCustomGrid::SetModelo), sets the money flag,
//   EditLimit and ReadOnly, and fits rows and columns in AjustaDimensoes.
class TModeloGrid : public QAbstractTableModel, public IObservador {
  Q_OBJECT
 public:
  // Roles of our own, besides Qt::DisplayRole (the shown text).
  enum Papel {
    PapelTextoEdicao = Qt::UserRole + 1,  // QString: what the in-place editor starts from
    PapelDezMilesimos,                    // qint64: the cell's amount; none for other cells
  };
  // Moves of the current cell (MoveCelula).
  enum Direcao { Proxima = 1, Anterior = 2, Abaixo = 3, Acima = 4 };

  // The painter that draws a cell and the alignment of its text.
  struct Pintura {
    enum Pintor : uint8_t {
      Celula,
      CelulaFixa,
      Cabecalho,
      TituloTotal,
      CelulaTotal,
      CelulaFocada,
      CelulaFocadaLinha,
      CelulaLinhaAtual,
    };
    enum Alinhamento : uint8_t { Esquerda = 0, Direita = 1, Centro = 2 };
    Pintor pintor = Celula;
    Alinhamento alinhamento = Esquerda;
    friend bool operator==(const Pintura&, const Pintura&) = default;
  };
  // The cell is the grid's current one; the grid has the focus as well.
  struct Estado {
    bool selecionada = false;
    bool focada = false;
  };

  explicit TModeloGrid(QObject* pai = nullptr);
  ~TModeloGrid() override;

  int ColCount() const { return m_colunas; }
  int RowCount() const { return m_linhas; }
  int FixedCols() const { return m_colunasFixas; }
  int FixedRows() const { return m_linhasFixas; }
  bool EhFixa(int col, int lin) const { return col < m_colunasFixas || lin < m_linhasFixas; }
  bool Contem(int col, int lin) const { return col >= 0 && lin >= 0 && col < m_colunas && lin < m_linhas; }

  // Whether the cell takes a value; only such a cell may become current. Base: not fixed.
  virtual bool CelulaEditavel(int col, int lin) const;
  // Whether the in-place editor opens on the cell. Base: CelulaEditavel.
  virtual bool CelulaAceitaEdicao(int col, int lin) const { return CelulaEditavel(col, lin); }
  virtual QString GetTextoCelula(int col, int lin) const;
  virtual QString GetTextoEdicao(int col, int lin) const { return GetTextoCelula(col, lin); }
  // Stores an edited text; raises the value's TErro when the value refuses it, and the value
  // then keeps its content. Base: stores nothing.
  virtual void SetTextoCelula(int col, int lin, const QString& texto);
  // Left column, top row, right column and bottom row of the block that the keyboard walks.
  // Base: the first cell after the fixed ones to the last cell.
  virtual QRect GetAreaEditavel() const;
  virtual int MaxDigitosInteiros(int /*col*/, int /*lin*/) const { return 11; }
  virtual Pintura PinturaDe(int col, int lin, Estado estado) const;
  // The amount object that a cell shows, when it shows one.
  virtual const TMonetario* MonetarioCelula(int /*col*/, int /*lin*/) const { return nullptr; }
  // Conditions of the model's own for an amount dropped on a cell, besides the grid's.
  virtual bool AceitaArrasto(int /*col*/, int /*lin*/) const { return true; }
  // A column that the grid shows with no width.
  virtual bool ColunaVisivel(int /*col*/) const { return true; }

  // Captions drawn on several lines, split at each carriage return.
  bool MultiLinha() const { return m_multiLinha; }
  void SetMultiLinha(bool multiLinha);

  // The cell that a move from `atual` reaches over the editable area: wrapping from the end of
  // a row (or column) to the next one and from the end of the area to its start, skipping the
  // cells that take no value; `atual` itself when no other cell of the area takes a value.
  QPoint MoveCelula(QPoint atual, Direcao direcao) const;
  // The move from `atual` wraps past the end (or, backwards, the start) of the area: Tab there
  // leaves the grid, and Enter there raises the grid's OnPressEnter.
  bool MovimentoVolta(QPoint atual, Direcao direcao) const;
  // The top-left cell of the area when it takes a value, else the first one after it that does;
  // (-1, -1) when none does.
  QPoint PrimeiraCelula() const;

  // Stores the text (SetTextoCelula) and tells the views; the value's TErro passes on.
  void Grava(int col, int lin, const QString& texto);
  // Every cell may have changed: the views read them again.
  void Atualiza();

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;

  void Alterado(IObservavel* observavel) override;
  void Liberado(IObservavel* observavel) override;

 signals:
  // The number of rows or columns is about to change: an open editor stores its text while its
  // cell is still the same.
  void DimensoesVaoMudar();
  // The number of rows or columns changed: the grid fits them again.
  void DimensoesAlteradas();

 protected:
  // Changes the shape; the views start again from the first editable cell.
  void SetDimensoes(int colunas, int linhas, int colunasFixas, int linhasFixas);
  // Observes these values instead of those observed until now.
  void ObservaValores(const std::vector<IObservavel*>& valores);
  // One of the observed values is going away: the model lets go of what holds it. The other
  // observed values are no longer observed.
  virtual void ValorLiberado() {}

 private:
  void deixaDeObservar();

  int m_colunas = 0;
  int m_linhas = 0;
  int m_colunasFixas = 0;
  int m_linhasFixas = 0;
  bool m_multiLinha = false;
  bool m_atualizacaoPendente = false;
  std::vector<IObservavel*> m_observados;
};
