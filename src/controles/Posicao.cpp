#include "controles/Posicao.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentraNaTela(QWidget* janela) {
  const QScreen* tela = janela->screen() ? janela->screen() : QGuiApplication::primaryScreen();
  if (!tela) return;
  const QRect r = tela->geometry();
  janela->move(r.x() + (r.width() - janela->width()) / 2, r.y() + (r.height() - janela->height()) / 2);
}

void CentraSobre(QWidget* janela, const QWidget* dono) {
  const QRect r = dono->window()->frameGeometry();
  janela->move(r.x() + (r.width() - janela->width()) / 2, r.y() + (r.height() - janela->height()) / 2);
}
