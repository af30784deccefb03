#pragma once

#include <QPoint>
#include <QPointer>
#include <QTableView>

#include <optional>

#include "controles/TModeloGrid.h"
#include "nucleo/Valor.h"

class QMimeData;
class QPainter;
class TRastreadorFoco;
class TTolvCustomInplaceEdit;

// The owner-drawn grid under every grid of amounts or lines: a view over a TModeloGrid (see
// there for how a new grid is built). It keeps no cell text of its own.
//
// Keyboard: Tab, Enter and the arrows move the current cell over the model's editable area,
// wrapping from row to row (the arrows up and down from column to column) and from the end of
// the area to its start, never onto a cell that takes no value. Tab past the last cell that
// takes a value (Shift+Tab before the first) leaves the grid for the next (previous) control of
// the window; Enter there raises OnPressEnter when something is connected to it. Leaving the grid
// brings the current cell back to the first one of the area.
//
// Editing: typing on a cell (or F2, or a double click) opens the in-place editor, an edit of the
// program (TTolvCustomEdit) bound to that cell: it filters the keys as the edits do (amounts with
// the model's integer digits when the grid edits money), starts from the model's edit text and
// stores through the model when it closes: when the current cell changes, when the focus leaves
// and on ConfirmaValor. A value that the model refuses is shown as the edits show it, and the
// editor keeps the text and the focus until it is corrected (or Esc gives it up).
//
// Ctrl+C copies the cell (its edit text where it takes a value); Ctrl+V pastes into the editor.
// A grid that edits money lets its amounts be dragged out and takes dropped amounts as if typed.
class TTolvCustomGrid : public QTableView {
  Q_OBJECT
 public:
  using Alinhamento = TModeloGrid::Pintura::Alinhamento;

  explicit TTolvCustomGrid(QWidget* pai = nullptr);
  ~TTolvCustomGrid() override;

  TModeloGrid& Modelo() const { return *m_modelo; }

  // Most characters of the in-place editor's text; 0 for no limit.
  int EditLimit() const { return m_editLimit; }
  void SetEditLimit(int limite) { m_editLimit = limite; }
  // No cell can be edited or take a drop.
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly);
  bool MultiLinha() const { return m_modelo->MultiLinha(); }
  void SetMultiLinha(bool multiLinha);
  // The grid edits amounts: money editor, amounts dragged out and in.
  bool Monetario() const { return m_monetario; }

  // The current cell, in grid coordinates.
  QPoint CelulaAtual() const;
  int Col() const { return CelulaAtual().x(); }
  int Row() const { return CelulaAtual().y(); }
  // Makes the cell current (an open editor stores its text first; nothing moves when the value
  // refuses it).
  void SelecionaCelula(int col, int lin);
  // Moves the current cell (TModeloGrid::MoveCelula); false when an open editor's text was
  // refused and nothing moved.
  bool MoveCelula(TModeloGrid::Direcao direcao);
  // The current cell may be edited now.
  bool PodeEditar() const;

  // Closes an open in-place editor, storing its text; false when the value refused it (the
  // message was shown and the editor keeps the focus).
  bool ConfirmaValor();
  // Puts the current cell on the clipboard: its edit text where it may be edited, else the text
  // shown.
  void CopiaCelula();

  bool EditorAberto() const { return m_celulaEditor.x() >= 0; }
  // The cell that the open editor is bound to; (-1, -1) when none is.
  QPoint CelulaEditor() const { return m_celulaEditor; }
  // Created on first use; lives as long as the grid.
  TTolvCustomInplaceEdit* Editor() const;
  // Opens the editor on the current cell, its edit text selected; false when the cell may not
  // be edited.
  bool AbreEditor();
  // Closes the editor; with `grava`, its text is stored first and a refusal keeps it open.
  bool FechaEditor(bool grava);
  // What the editor stores: through the model, into the cell it is bound to. Raises the
  // value's TErro.
  void GravaEditor(const QString& texto);

  // Stores a dropped amount into the cell as if typed; a refusal shows the value's message and
  // the cell keeps its value.
  void RecebeValor(QPoint celula, Valor valor);
  // Whether an amount dropped there is taken.
  bool AceitaSoltar(QPoint celula, const QMimeData* dados) const;

  // The cell under a point of the viewport; (-1, -1) for none.
  QPoint CelulaEm(QPoint ponto) const;
  // A cell's rectangle in viewport coordinates (the caption row lies above the viewport).
  QRect RetanguloCelula(int col, int lin) const;

  int LarguraColuna(int col) const;
  void SetLarguraColuna(int col, int largura);
  int AlturaLinha(int lin) const;
  void SetAlturaLinha(int lin, int altura);
  void SetAlturaPadrao(int altura);

  // Fits rows and columns to the control: after every resize and every change of the number of
  // rows or columns. Base: nothing.
  virtual void AjustaDimensoes() {}
  // Paints one cell with the painter that the model chooses.
  virtual void DesenhaCelula(QPainter& p, int col, int lin, const QRect& r, TModeloGrid::Estado estado) const;

  // Painters. Alignment 0 left, 1 right, 2 centre; `lin` chooses the alternating fill.
  void PintaCabecalho(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const;
  void PintaTituloTotal(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const;
  void PintaCelula(QPainter& p, const QRect& r, Alinhamento a, int lin, const QString& texto) const;
  void PintaCelulaFixa(QPainter& p, const QRect& r, Alinhamento a, int lin, const QString& texto) const;
  void PintaCelulaTotal(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const;
  void PintaCelulaFocada(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const;
  void PintaCelulaFocadaLinha(QPainter& p, const QRect& r, Alinhamento a, int lin, const QString& texto) const;
  void PintaCelulaLinhaAtual(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const;
  void EscreveTexto(QPainter& p, const QRect& r, const QString& texto, Alinhamento a) const;
  void EscreveTextoMultiLinha(QPainter& p, const QRect& r, const QString& texto, Alinhamento a) const;
  void DesenhaBorda(QPainter& p, const QRect& r) const;

  // Prepares the hint of the cell under `ponto` (viewport coordinates): the grid's tool tip,
  // which OnHint may change or forbid. Shown over the cell's rectangle grown by one pixel.
  void MontaDica(QPoint ponto, QPoint global);
  // The same for a cell whose rectangle is given in the coordinates of `area`.
  void MontaDicaCelula(QPoint celula, QPoint global, QWidget* area, const QRect& retangulo);

  static constexpr int kLimiarArrasto = 12;  // pixels

 signals:
  // Enter on the last cell of the editable area.
  void OnPressEnter(TTolvCustomGrid* sender);
  // A hint is about to be shown for the cell: change the text, or clear `mostra`.
  void OnHint(int col, int lin, QString& texto, bool& mostra);

 protected:
  // Replaces the model; the grid owns it.
  void SetModelo(TModeloGrid* modelo);
  void SetMonetario(bool monetario) { m_monetario = monetario; }

  void keyPressEvent(QKeyEvent* evento) override;
  bool focusNextPrevChild(bool proximo) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void mouseDoubleClickEvent(QMouseEvent* evento) override;
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dragMoveEvent(QDragMoveEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;
  bool viewportEvent(QEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;
  void updateEditorGeometries() override;

 private:
  friend class TTolvCustomInplaceEdit;
  void trataTecla(QKeyEvent* evento);
  bool saiDaGrade(bool proximo);
  void aoSair();
  void aoMudarDimensoes();
  void defineAtual(QPoint celula);
  QModelIndex indice(QPoint celula) const;
  void criaEditor();
  void posicionaEditor();
  void arrasta(QPoint celula);

  TModeloGrid* m_modelo = nullptr;
  QPointer<TTolvCustomInplaceEdit> m_editor;
  QPointer<TRastreadorFoco> m_rastreador;
  QPoint m_celulaEditor{-1, -1};
  int m_editLimit = 0;
  bool m_readOnly = false;
  bool m_monetario = false;
  bool m_saindo = false;
  struct InicioArrasto {
    QPoint ponto;
    QPoint celula;
  };
  std::optional<InicioArrasto> m_inicioArrasto;
};
