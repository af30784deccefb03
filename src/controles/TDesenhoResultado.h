#pragma once

#include <QStyledItemDelegate>

class QTableView;

// How the search dialogs draw their hits: the selected row in bold black, the others in the
// palette's text colour, with no selection band (the rows keep their own colours).
class TDesenhoResultado : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The hits grid of a search dialog: whole rows, one at a time, read-only, drawn by this
  // delegate in the dialogs' colours. Its model is set first.
  static void PreparaGrade(QTableView* grade);

 protected:
  void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override;
};
