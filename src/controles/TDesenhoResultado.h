#pragma once

#include <QStyledItemDelegate>

// How the search dialogs draw their hits: the selected row in bold black, the others in the
// palette's text colour, with no selection band (the rows keep their own colours).
class TDesenhoResultado : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const override;
};
