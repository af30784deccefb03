#include "controles/TfrmAguarde.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

#include "controles/ArteTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"

namespace {

constexpr QSize kTamanho(792, 536);

QPointer<TfrmAguarde>& formAtual() {
  static QPointer<TfrmAguarde> form;
  return form;
}

}  // namespace

TfrmAguarde::TfrmAguarde(QWidget* dono) : QDialog(dono, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmAguarde"));
  setWindowTitle(QStringLiteral("Aguarde..."));
  setFixedSize(kTamanho);

  auto* painel = new QWidget(this);
  painel->setObjectName(QStringLiteral("Panel1"));
  painel->setGeometry(rect());
  auto* fundo = new QLabel(painel);
  fundo->setObjectName(QStringLiteral("Image1"));
  fundo->setPixmap(ArteTolv::fundoAguarde(kTamanho));
  fundo->setScaledContents(true);
  fundo->setGeometry(painel->rect());

  auto* caixa = new QFrame(painel);
  caixa->setObjectName(QStringLiteral("Shape1"));
  caixa->setGeometry((kTamanho.width() - 320) / 2, (kTamanho.height() - 100) / 2, 320, 100);
  auto* layout = new QVBoxLayout(caixa);
  layout->setContentsMargins(20, 16, 20, 16);
  auto* rotulo = new QLabel(QStringLiteral("Aguarde, abrindo a declaração"), caixa);
  rotulo->setObjectName(QStringLiteral("Label1"));
  rotulo->setFont(PaletaTolv::arial(10, true));
  rotulo->setAlignment(Qt::AlignCenter);
  layout->addWidget(rotulo);
  // The busy indicator stands where a film played: it says the program works, not how far.
  auto* animacao = new QProgressBar(caixa);
  animacao->setObjectName(QStringLiteral("Animate1"));
  animacao->setRange(0, 0);
  animacao->setTextVisible(false);
  animacao->setFixedHeight(14);
  layout->addWidget(animacao);
}

void TfrmAguarde::showEvent(QShowEvent* evento) {
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("Panel1")), PaletaTolv::kFundo);
  auto* caixa = findChild<QFrame*>(QStringLiteral("Shape1"));
  caixa->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: #DFE8ED; border: 1px solid #B9D0DE; }"));
  PaletaTolv::pinta(findChild<QLabel*>(QStringLiteral("Label1")), PaletaTolv::kCaixa);
  PaletaTolv::pinta(findChild<QProgressBar*>(QStringLiteral("Animate1")), PaletaTolv::kCaixa);
  if (parentWidget()) CentraSobre(this, parentWidget());
  QDialog::showEvent(evento);
}

TfrmAguarde* TfrmAguarde::instancia() { return formAtual(); }

void TfrmAguarde::MostraAguarde(QWidget* dono) {
  if (!formAtual()) formAtual() = new TfrmAguarde(dono);
  formAtual()->show();
  formAtual()->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmAguarde::FechaAguarde() {
  if (!formAtual()) return;
  formAtual()->close();
  delete formAtual().data();
}
