#include "controles/MolduraTolv.h"

#include <QPainter>
#include <QVBoxLayout>

MolduraTolv::MolduraTolv(QColor linha, QColor fundo, QWidget* pai) : QWidget(pai), m_linha(linha), m_fundo(fundo) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QBoxLayout* MolduraTolv::layoutInterno(int margem) {
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(margem + 1, margem + 1, margem + 1, margem + 1);
  l->setSpacing(0);
  return l;
}

void MolduraTolv::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), m_fundo);
  p.setPen(m_linha);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}
