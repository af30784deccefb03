#pragma once

#include <QPoint>

#include <optional>

#include "controles/TTolvCustomInplaceEdit.h"

// The in-place editor of a grid that edits money: amounts typed with the integer digits that
// the grid's model allows in the cell (the second decimal, or with three integer digits the
// first, moves to the next cell), amounts dragged out with Shift and the left button, and
// amounts dropped on it taking the place of its text.
//
// A paste or a drop must leave an amount in the editor, whole: a text that is no amount is
// refused with "Valor inválido", an amount beyond the cap with the amount's own message, and one
// that the text limit would cut is refused too. The editor's text then stays as it was.
class TTolvInplaceEditMonetario : public TTolvCustomInplaceEdit {
  Q_OBJECT
 public:
  explicit TTolvInplaceEditMonetario(TTolvCustomGrid& grid);

  // An amount as people copy it ("1.234,56", "1234,5678", "R$ 12,00", " 7 "), in the form the
  // editor holds: integer digits, and "," with at most two decimals (further ones are cut).
  // Nothing for any other text: letters, a sign, a "." that is no thousands separator (1234.56).
  static std::optional<QString> LeValor(const QString& texto);

  // Puts an amount's text in place of the selection (or of the whole text): true when it went
  // in; false when refused, after showing why.
  bool ColocaValor(const QString& texto, bool substituiTudo);

 protected:
  int MaxDigitosInteiros() const override;
  void ColaLinha(const QString& linha) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void dragEnterEvent(QDragEnterEvent* evento) override;
  void dragMoveEvent(QDragMoveEvent* evento) override;
  void dropEvent(QDropEvent* evento) override;
};
