#include "controles/AparenciaDialogo.h"

#include <QAbstractItemView>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStackedLayout>
#include <QTableView>

#include <cmath>

#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"

namespace AparenciaDialogo {

void PintaTexto(QWidget* w, QRgb cor) {
  QPalette p = w->palette();
  for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(grupo, QPalette::WindowText, QColor(cor));
    p.setColor(grupo, QPalette::Text, QColor(cor));
    p.setColor(grupo, QPalette::ButtonText, QColor(cor));
  }
  w->setPalette(p);
}

void Aplica(QDialog* dialogo) {
  dialogo->setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(dialogo, PaletaTolv::kFundo);
}

MolduraTolv* Moldura(QWidget* pai, const QString& nome) {
  auto* m = new MolduraTolv(QColor(kLinhaGrade), QColor(kGrade), pai);
  if (!nome.isEmpty()) m->setObjectName(nome);
  PintaTexto(m);
  return m;
}

TTolvButton* Botao(const QString& nome, const QString& texto, QWidget* pai) {
  auto* b = new TTolvButton(texto, pai);
  b->setObjectName(nome);
  b->Scheme().SetSchemeColor(TSchemeColor::scTolv);
  for (int i : {TSchemeColors::ColorText, TSchemeColors::OverColorText, TSchemeColors::DownColorText})
    b->Scheme().SetCor(i, QColor(kTextoBotao));
  b->Scheme().SetCor(TSchemeColors::DisabledColorText, QColor(kTextoInativo));
  b->setFont(PaletaTolv::arial(8));
  b->setFixedSize(85, 25);
  return b;
}

void PintaGrade(QAbstractItemView* grade) {
  QPalette p = grade->palette();
  for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(grupo, QPalette::Base, QColor(kGrade));
    p.setColor(grupo, QPalette::Window, QColor(kGrade));
    p.setColor(grupo, QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
    p.setColor(grupo, QPalette::Highlight, QColor(kDestaque));
    p.setColor(grupo, QPalette::HighlightedText, Qt::black);
  }
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x808080));
  p.setColor(QPalette::Disabled, QPalette::Base, QColor(kGrade));
  grade->setPalette(p);
  grade->setFont(PaletaTolv::arial(8));
  if (auto* tabela = qobject_cast<QTableView*>(grade)) {
    tabela->setGridStyle(Qt::SolidLine);
    tabela->setStyleSheet(QStringLiteral("QTableView { gridline-color: #B9D0DE; }"));
  }
}

void Posiciona(QWidget* dialogo, const QWidget* dono, int deslocamento, bool meio) {
  if (!dono || !dono->isVisible()) {
    CentraNaTela(dialogo);
    return;
  }
  // The client area: below the menu bar, which Qt keeps inside the window.
  QRect cliente(dono->mapToGlobal(QPoint(0, 0)), dono->size());
  if (const auto* principal = qobject_cast<const QMainWindow*>(dono)) {
    const QWidget* menu = principal->menuWidget();
    if (menu && menu->isVisible()) cliente.setTop(cliente.top() + menu->height());
  }
  const QScreen* tela = dono->screen() ? dono->screen() : QGuiApplication::primaryScreen();
  const double escala = tela ? tela->logicalDotsPerInch() / 96.0 : 1.0;
  int topo = cliente.top() + deslocamento;
  if (meio) topo += int(std::lround((cliente.height() - dialogo->height()) / 2.0 * escala));
  int esquerda = cliente.left() + (cliente.width() - dialogo->width()) / 2;
  if (tela) {
    const QRect area = tela->availableGeometry();
    esquerda = qBound(area.left(), esquerda, qMax(area.left(), area.right() - dialogo->width()));
    topo = qBound(area.top(), topo, qMax(area.top(), area.bottom() - dialogo->height()));
  }
  dialogo->move(esquerda, topo);
}

}  // namespace AparenciaDialogo

TBotaoOk::TBotaoOk(const QString& nomeBotao, const QString& texto, QWidget* pai, const QString& nomePainel,
                   const QString& nomeInativo)
    : QWidget(pai) {
  auto* pilha = new QStackedLayout(this);
  pilha->setStackingMode(QStackedLayout::StackOne);
  pilha->setContentsMargins(0, 0, 0, 0);
  m_painel = new QWidget(this);
  m_painel->setObjectName(nomePainel);
  m_painelInativo = new QWidget(this);
  m_painelInativo->setObjectName(nomeInativo);
  m_botao = AparenciaDialogo::Botao(nomeBotao, texto, m_painel);
  m_inativo = AparenciaDialogo::Botao(nomeBotao + QStringLiteral("Inativo"), texto, m_painelInativo);
  m_inativo->setEnabled(false);
  pilha->addWidget(m_painel);
  pilha->addWidget(m_painelInativo);
  setFixedSize(m_botao->size());
  connect(m_botao, &TTolvButton::clicked, this, [this] {
    if (m_habilitado) emit clicked();
  });
}

void TBotaoOk::Habilita(bool habilita) {
  m_habilitado = habilita;
  auto* pilha = static_cast<QStackedLayout*>(layout());
  pilha->setCurrentWidget(habilita ? m_painel : m_painelInativo);
}

QSize TBotaoOk::sizeHint() const { return m_botao->size(); }
