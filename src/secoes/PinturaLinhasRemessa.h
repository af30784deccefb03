#pragma once

#include <QStyledItemDelegate>

// How the grids of the payments abroad paint their rows: odd and even rows (counted from 1) in
// two light blues, the selected row in bold black, the others in the program's grey, the text
// on several lines when the view wraps it.
class PinturaLinhasRemessa : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  static constexpr QRgb kImpar = qRgb(209, 220, 226);
  static constexpr QRgb kPar = qRgb(220, 229, 236);

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
  // Room for the text in bold, as the selected row shows it.
  QSize sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
};
