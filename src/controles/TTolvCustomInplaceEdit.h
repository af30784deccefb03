#pragma once

#include "controles/TTolvCustomEdit.h"

class TTolvCustomGrid;

// The plain in-place editor of a grid: an edit of the program bound to the grid's current cell
// instead of a value object, so that its key filter, its exit validation (through the focus
// tracker) and its recovery from a refused value are the edits' own. Enter and the arrows up and
// down are handed to the grid, which moves the current cell; Tab reaches the grid through the
// focus chain; Esc gives the typed text up and closes the editor. Right-aligned in a grid that
// edits money.
class TTolvCustomInplaceEdit : public TTolvCustomEdit {
  Q_OBJECT
 public:
  explicit TTolvCustomInplaceEdit(TTolvCustomGrid& grid);

  TTolvCustomGrid& Grid() const { return m_grid; }

  bool EstaAssociado() const override;
  QString GetValorDado(bool formatado) const override;
  void SetValorDado(const QString& texto) override;

  // Shows the edit text of the cell it is now bound to, all selected, as not modified.
  void Carrega();

 protected:
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  TTolvCustomGrid& m_grid;
};
