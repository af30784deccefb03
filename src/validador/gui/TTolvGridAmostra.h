#pragma once

#include <QStringList>

#include <functional>
#include <vector>

#include "controles/TModeloGrid.h"
#include "controles/TTolvCustomGrid.h"

// The cells of a sample grid: a table of texts of its own (rows 1 up to the table's size, row 0
// the captions), each column with its alignment (0 left, 1 right, 2 centred).
class TModeloGridAmostra : public TModeloGrid {
  Q_OBJECT
 public:
  TModeloGridAmostra(QStringList titulos, std::function<int(int)> alinhamento, int linhasTabela, QObject* pai = nullptr);

  void SetLinhas(int linhas);
  // Every data row's texts emptied.
  void Limpa();
  // Nothing beyond the table.
  void SetTextoCelula(int col, int lin, const QString& texto) override;
  QString GetTextoCelula(int col, int lin) const override;
  Pintura PinturaDe(int col, int lin, Estado estado) const override;
  int LinhasTabela() const { return int(m_celulas.size()); }

 private:
  QStringList m_titulos;
  std::function<int(int)> m_alinhamento;
  std::vector<QStringList> m_celulas;
};

// A read-only grid that shows some lines of a file as they will be imported; both scroll bars,
// no fixed column, the captions row fixed.
class TTolvGridAmostra : public TTolvCustomGrid {
  Q_OBJECT
 public:
  TModeloGridAmostra& ModeloAmostra() const { return static_cast<TModeloGridAmostra&>(Modelo()); }
  // Puts the cells into columns 0 onwards of the row (1 up to the table's last row).
  void PoeCelulas(int linha, const QStringList& celulas);
  QString Celula(int col, int lin) const { return Modelo().GetTextoCelula(col, lin); }
  // A column of no width (-1), or back to its width.
  void EscondeColuna(int col, bool esconde);
  bool ColunaEscondida(int col) const { return isColumnHidden(col); }

  // The columns' widths, and the hidden ones kept hidden, after every change of shape.
  void AjustaDimensoes() override;

 protected:
  // `largura` gives a column's width in pixels (0: the grid's default).
  TTolvGridAmostra(QStringList titulos, std::function<int(int)> alinhamento, std::function<int(int)> largura,
                   int linhasTabela, int linhas, QWidget* pai);

 private:
  std::function<int(int)> m_largura;
  std::vector<bool> m_escondidas;
};

// The sample of an income-statement file (page 9 of the previous-years wizard), 13 columns,
// column c showing field c + 1 of a line.
class TTolvGridImpCompr : public TTolvGridAmostra {
  Q_OBJECT
 public:
  explicit TTolvGridImpCompr(QWidget* pai = nullptr);
  // The line's fields into the row; the grid grows to row + 1 rows, up to 21.
  void PreencheLinha(int linha, const QString& texto);
};

// The sample of an older-layout declaration file (page 5), 48 columns and 20 rows.
class TTolvGridImpDecl : public TTolvGridAmostra {
  Q_OBJECT
 public:
  explicit TTolvGridImpDecl(QWidget* pai = nullptr);
  void Limpa() { ModeloAmostra().Limpa(); }
};
