#include "controles/TDesenhoResultado.h"

#include <QHeaderView>
#include <QTableView>

#include "controles/PaletaTolv.h"

void TDesenhoResultado::initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const {
  QStyledItemDelegate::initStyleOption(opcao, indice);
  const bool selecionada = opcao->state & QStyle::State_Selected;
  opcao->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  opcao->font.setBold(selecionada);
  opcao->palette.setColor(QPalette::Text, selecionada ? QColor(Qt::black) : PaletaTolv::cor(PaletaTolv::kTexto));
}

void TDesenhoResultado::PreparaGrade(QTableView* grade) {
  grade->setItemDelegate(new TDesenhoResultado(grade));
  grade->setSelectionBehavior(QAbstractItemView::SelectRows);
  grade->setSelectionMode(QAbstractItemView::SingleSelection);
  grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grade->verticalHeader()->hide();
  grade->verticalHeader()->setDefaultSectionSize(QFontMetrics(PaletaTolv::arial(8)).height() + 6);
  grade->setWordWrap(false);
  grade->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  grade->horizontalHeader()->setHighlightSections(false);
  grade->setStyleSheet(QStringLiteral("QTableView { background: #DFE8ED; gridline-color: #DCE5EC; color: #525252; }"
                                      "QHeaderView::section { background: #638FC0; color: white; border: 0px;"
                                      " border-right: 1px solid #DCE5EC; padding: 3px; }"));
}
