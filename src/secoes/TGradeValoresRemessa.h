#pragma once

#include <QDate>
#include <QString>
#include <QTableView>

#include <functional>

class TEdicaoRemessa;
class TModeloValoresRemessa;
class QWidget;

// The grid of a beneficiary's payment lines (grdValores): one column per field, each edited
// through its own control: the date with its quick entry and a calendar (Alt+Down), the
// revenue code, income type and taxation form through drop-down lists of code and description
// (digits only), the amounts through edits that take at most eleven integer digits and two
// decimals. Enter moves to the next column and, at the end of a row, asks for the line to be
// saved; the Down arrow below the last line asks for a new one; Esc asks to give up the line.
// A footer shows the totals under the amounts.
class TGradeValoresRemessa : public QTableView {
  Q_OBJECT
 public:
  TGradeValoresRemessa(TEdicaoRemessa& edicao, QWidget* pai = nullptr);
  ~TGradeValoresRemessa() override;

  TModeloValoresRemessa& Modelo() const { return *m_modelo; }
  // The page's answers: whether the cursor may go to another line (a pending one is saved
  // first), the end of a row reached with Enter, the Down arrow below the last line, Esc.
  std::function<bool(int linha)> aoMudarDeLinha;
  std::function<void()> aoFimDaLinha;
  std::function<void()> aoDescerDaUltima;
  std::function<void()> aoEsc;
  // The revenue codes offered to a person ("F") or a company ("J"); empty for every code.
  void FiltraCodigos(const QString& tipo) { m_filtro = tipo; }
  const QString& Filtro() const { return m_filtro; }
  // The latest payment date the date's calendar offers.
  void SetDataMaxima(const QDate& data) { m_dataMaxima = data; }
  QDate DataMaxima() const { return m_dataMaxima; }

  // Reads the table again and puts the current cell on the table's line, in `coluna` (the
  // current one when negative).
  void Sincroniza(int coluna = -1);
  void SelecionaColuna(int coluna);
  // The footer's texts.
  void MostraTotais(const QString& rendimentoPago, const QString& irrf);
  QString TotalRendimentoPago() const { return m_totalPago; }
  QString TotalIrrf() const { return m_totalIrrf; }
  // Fits the columns to their widths in characters and the rows to the font.
  void AjustaColunas();

  TEdicaoRemessa& Edicao() const { return m_edicao; }

 protected:
  void keyPressEvent(QKeyEvent* evento) override;
  void currentChanged(const QModelIndex& atual, const QModelIndex& anterior) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint dica) override;
  void resizeEvent(QResizeEvent* evento) override;
  void updateGeometries() override;

 private:
  class Rodape;
  void avancaComEnter();

  TEdicaoRemessa& m_edicao;
  TModeloValoresRemessa* m_modelo = nullptr;
  Rodape* m_rodape = nullptr;
  QString m_filtro;
  QDate m_dataMaxima;
  QString m_totalPago;
  QString m_totalIrrf;
  bool m_revertendo = false;
  bool m_ajustando = false;
  int m_larguraAjustada = -1;
};
