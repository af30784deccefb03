#include "entrega/TFoPendencias.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "controles/TVerificacaoEmCurso.h"
#include "entrega/RelatorioPendencias.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"

namespace {

QPointer<TFoPendencias> g_janela;

}  // namespace

TFoPendencias::TFoPendencias(QWidget* principal, TTolv& declaracao)
    : QWidget(principal, Qt::Tool | Qt::WindowStaysOnTopHint), m_declaracao(declaracao) {
  setObjectName(QStringLiteral("FoPendencias"));
  setWindowTitle(QStringLiteral("Verificação de pendências"));
  setAttribute(Qt::WA_DeleteOnClose);
  setProperty("contextoAjuda", 11050);
  resize(610, 500);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_frame = new TFrTolvVerifica(this);
  m_frame->setObjectName(QStringLiteral("FrTolvVerifica"));
  layout->addWidget(m_frame);
  m_frame->SetImpressao([this](bool visualizar) { ImprimeRelPendencias(visualizar, m_frame->Verificacao(), this); });

  m_timer1 = new QTimer(this);
  m_timer1->setObjectName(QStringLiteral("Timer1"));
  m_timer1->setInterval(100);
  m_timer1->setSingleShot(true);
  connect(m_timer1, &QTimer::timeout, this, &TFoPendencias::Timer1Timer);
  m_timer2 = new QTimer(this);
  m_timer2->setObjectName(QStringLiteral("Timer2"));
  m_timer2->setInterval(100);
  connect(m_timer2, &QTimer::timeout, this, &TFoPendencias::Timer2Timer);

  g_janela = this;
  JanelasMensagem::DefineVerificacaoAberta(true);
  TVerificacaoEmCurso::instancia().DefinePedidoFechamento([this] { return FormCloseQuery(); });
}

TFoPendencias::~TFoPendencias() {
  if (g_janela == this || !g_janela) {
    JanelasMensagem::DefineVerificacaoAberta(false);
    TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
  }
}

TFoPendencias* TFoPendencias::Atual() { return g_janela; }

void TFoPendencias::Timer1Timer() {
  m_timer1->stop();
  const QString base = m_declaracao.GetContribuinte().GetBase();
  m_frame->SetDeclaracoes({m_declaracao.GetAnoCalendario() + base});
  int contador = 0;
  // The main window holds its actions through the run's services while the run works.
  m_frame->ExecutarVerificacao(contador);
}

bool TFoPendencias::FormCloseQuery() {
  m_frame->SetInterrompido(true);
  if (!m_frame->Verificacao().EmExecucao()) {
    m_frame->Encerra();
    m_timer1->stop();
    m_timer2->stop();
    FechaPendencias();
    return true;
  }
  m_timer2->start();
  return false;
}

void TFoPendencias::Timer2Timer() {
  if (m_frame->Verificacao().EmExecucao()) return;
  m_timer2->stop();
  close();
}

void TFoPendencias::showEvent(QShowEvent* evento) {
  QWidget::showEvent(evento);
  JanelasMensagem::DefineVerificacaoAberta(true);
  if (QWidget* principal = parentWidget()) {
    const QRect p = principal->frameGeometry();
    const qreal dpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
    move(p.left() + (p.width() - frameGeometry().width()) / 2,
         p.top() + p.height() - frameGeometry().height() - qRound(dpi / 96.0 * 12));
  }
}

void TFoPendencias::hideEvent(QHideEvent* evento) {
  QWidget::hideEvent(evento);
  // Out of sight (given way to a finding's field) the message box speaks again: what is keyed
  // there is checked with its messages.
  if (g_janela == this) JanelasMensagem::DefineVerificacaoAberta(false);
}

void TFoPendencias::closeEvent(QCloseEvent* evento) {
  // FormCloseQuery frees the window when it agrees; a refusal closes it later by itself.
  m_frame->SetInterrompido(true);
  if (m_frame->Verificacao().EmExecucao()) {
    m_timer2->start();
    evento->ignore();
    return;
  }
  m_frame->Encerra();
  evento->accept();
  g_janela = nullptr;
  JanelasMensagem::DefineVerificacaoAberta(false);
  TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
}

void TFoPendencias::keyPressEvent(QKeyEvent* evento) {
  // The menu accelerators of the window below do not reach through it.
  if ((evento->modifiers() & Qt::AltModifier) && evento->key() != Qt::Key_F4) return;
  if (evento->key() == Qt::Key_Alt) return;
  QWidget::keyPressEvent(evento);
}

void MostraPendencias(TTolv& declaracao, TFrTolvVerifica::Posicionador irPara, QWidget* principal) {
  if (!g_janela) new TFoPendencias(principal, declaracao);
  TFoPendencias* janela = g_janela;
  janela->FrTolvVerifica().SetAoPosicionar(std::move(irPara));
  janela->setWindowState(Qt::WindowNoState);
  janela->show();
  janela->raise();
  QTimer* timer1 = janela->findChild<QTimer*>(QStringLiteral("Timer1"));
  if (timer1) timer1->start();
}

void FechaPendencias() {
  TFoPendencias* janela = g_janela;
  if (!janela) return;
  g_janela = nullptr;
  JanelasMensagem::DefineVerificacaoAberta(false);
  TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
  janela->hide();
  janela->deleteLater();
}

void RelatorioPendencias(bool visualizar) {
  TFoPendencias* janela = g_janela;
  if (!janela) return;
  janela->FrTolvVerifica().SetVisualizar(visualizar);
  janela->FrTolvVerifica().BbImprimirClick();
}
