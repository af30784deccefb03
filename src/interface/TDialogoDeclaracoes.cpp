#include "interface/TDialogoDeclaracoes.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controles/TTolvButton.h"
#include "controles/AparenciaDialogo.h"
#include "plataforma/gui/GuardaEventos.h"

TDialogoDeclaracoes::TDialogoDeclaracoes(TListaDeclaracoes::Modo modo, TColecaoTolv& indice, const QString& nomeOk,
                                         const QString& nomeCancelar, QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_indice(indice) {
  AparenciaDialogo::Aplica(this);
  m_lista = new TListaDeclaracoes(modo, indice, this);
  m_ok = new TBotaoOk(nomeOk, QStringLiteral("&OK"), this);
  m_cancelar = AparenciaDialogo::Botao(nomeCancelar, QStringLiteral("&Cancelar"), this);

  m_corpo = new QVBoxLayout(this);
  m_corpo->setContentsMargins(10, 10, 10, 10);
  m_corpo->setSpacing(8);
  m_corpo->addWidget(m_lista, 1);
  auto* botoes = new QHBoxLayout;
  botoes->setSpacing(8);
  botoes->addStretch(1);
  botoes->addWidget(m_ok);
  botoes->addWidget(m_cancelar);
  m_corpo->addLayout(botoes);

  connect(m_ok, &TBotaoOk::clicked, this, [this] { GuardaEventos::executa([this] { OKBtnClick(); }); });
  connect(m_cancelar, &TTolvButton::clicked, this, [this] { CancelBtnClick(); });
  connect(m_lista, &TListaDeclaracoes::HabilitaOk, this, [this](bool h) { HabilitaOk(h); });
}

TDialogoDeclaracoes::~TDialogoDeclaracoes() = default;

void TDialogoDeclaracoes::HabilitaOk(bool habilita) { m_ok->Habilita(habilita); }

bool TDialogoDeclaracoes::OkHabilitado() const { return m_ok->Habilitado(); }

void TDialogoDeclaracoes::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  qApp->installEventFilter(this);
  if (m_mostrado || evento->spontaneous()) return;
  m_mostrado = true;
  GuardaEventos::executa([this] { FormShow(); });
}

void TDialogoDeclaracoes::hideEvent(QHideEvent* evento) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(evento);
}

bool TDialogoDeclaracoes::AlimentaBusca(const QWidget*) const { return true; }

bool TDialogoDeclaracoes::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType()) return QDialog::eventFilter(objeto, evento);
  auto* alvo = static_cast<QWidget*>(objeto);
  // A key that a widget lets through reaches the filter again at its parent: only the focused
  // widget's counts.
  QWidget* foco = QApplication::focusWidget();
  if (alvo->window() != this || (foco && foco->window() == this && alvo != foco))
    return QDialog::eventFilter(objeto, evento);
  const auto* tecla = static_cast<QKeyEvent*>(evento);
  switch (tecla->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (OkHabilitado()) GuardaEventos::executa([this] { OKBtnClick(); });
      return true;
    case Qt::Key_Escape:
      CancelBtnClick();
      return true;
    default:
      if (!tecla->text().isEmpty() && AlimentaBusca(alvo))
        for (QChar c : tecla->text()) m_lista->RegistraTecla(c);
      return QDialog::eventFilter(objeto, evento);
  }
}
