#include "secoes/PinturaLinhasRemessa.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QTableView>

#include <algorithm>

#include "controles/PaletaTolv.h"

void PinturaLinhasRemessa::paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
  const auto* tabela = qobject_cast<const QTableView*>(opcao.widget);
  const bool selecionada = tabela ? tabela->selectionModel() && tabela->selectionModel()->isRowSelected(indice.row())
                                  : bool(opcao.state & QStyle::State_Selected);
  p->save();
  p->fillRect(opcao.rect, PaletaTolv::cor(indice.row() % 2 == 0 ? kImpar : kPar));
  QFont fonte = opcao.font;
  fonte.setBold(selecionada);
  p->setFont(fonte);
  p->setPen(selecionada ? QColor(Qt::black) : PaletaTolv::cor(PaletaTolv::kTexto));
  const QVariant alinhamento = indice.data(Qt::TextAlignmentRole);
  int flags = alinhamento.isValid() ? alinhamento.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
  const QRect area = opcao.rect.adjusted(4, 2, -4, -2);
  const QString texto = indice.data().toString();
  if (tabela && tabela->wordWrap()) {
    flags = (flags & ~Qt::AlignVCenter) | Qt::AlignTop | Qt::TextWordWrap;
    p->drawText(area, flags, texto);
  } else {
    p->drawText(area, flags, QFontMetrics(fonte).elidedText(texto, Qt::ElideRight, area.width()));
  }
  p->restore();
}

QSize PinturaLinhasRemessa::sizeHint(const QStyleOptionViewItem& opcao, const QModelIndex& indice) const {
  QFont fonte = opcao.font;
  fonte.setBold(true);
  const QFontMetrics medida(fonte);
  const QString texto = indice.data().toString();
  const auto* tabela = qobject_cast<const QTableView*>(opcao.widget);
  if (!tabela || !tabela->wordWrap()) return {medida.horizontalAdvance(texto) + 8, medida.height() + 4};
  const int largura = std::max(1, tabela->columnWidth(indice.column()) - 8);
  const QRect r = medida.boundingRect(QRect(0, 0, largura, 10000), Qt::TextWordWrap, texto);
  return {largura + 8, r.height() + 4};
}
