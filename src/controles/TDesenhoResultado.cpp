#include "controles/TDesenhoResultado.h"

#include "controles/PaletaTolv.h"

void TDesenhoResultado::initStyleOption(QStyleOptionViewItem* opcao, const QModelIndex& indice) const {
  QStyledItemDelegate::initStyleOption(opcao, indice);
  const bool selecionada = opcao->state & QStyle::State_Selected;
  opcao->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  opcao->font.setBold(selecionada);
  opcao->palette.setColor(QPalette::Text, selecionada ? QColor(Qt::black) : PaletaTolv::cor(PaletaTolv::kTexto));
}
