#include "controles/TZUQFolderDialogBox.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controles/ArvorePastas.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr QRgb kTextoBotoes = 0x336EB1;

QPointer<TZUQFolderDialogBox>& emCurso() {
  static QPointer<TZUQFolderDialogBox> dialogo;
  return dialogo;
}

TTolvButton* botao(const QString& nome, const QString& caption, QWidget* pai) {
  auto* b = new TTolvButton(caption, pai);
  b->setObjectName(nome);
  b->Scheme().SetSchemeColor(TSchemeColor::scTolv);
  b->setFixedSize(75, 25);
  return b;
}

}  // namespace

TZUQFolderDialogBox::TZUQFolderDialogBox(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("ZUQFolderDialogBox"));
  setWindowTitle(QStringLiteral("Selecione uma Pasta"));
  resize(380, 420);

  auto* topo = new QWidget(this);
  topo->setObjectName(QStringLiteral("Panel1"));
  auto* rotulo = new QLabel(QStringLiteral("Nome da Pasta:"), topo);
  rotulo->setObjectName(QStringLiteral("Label1"));
  m_lbFolder = new QLabel(topo);
  m_lbFolder->setObjectName(QStringLiteral("lbFolder"));
  m_lbFolder->setTextFormat(Qt::PlainText);
  m_lbFolder->setMinimumWidth(1);
  auto* topoLayout = new QVBoxLayout(topo);
  topoLayout->setContentsMargins(0, 0, 0, 0);
  topoLayout->setSpacing(2);
  topoLayout->addWidget(rotulo);
  topoLayout->addWidget(m_lbFolder);

  auto* moldura = new MolduraTolv(PaletaTolv::cor(PaletaTolv::kMoldura), PaletaTolv::cor(PaletaTolv::kCaixa), this);
  moldura->setObjectName(QStringLiteral("GroupBox1"));
  m_stv = new ArvorePastas(moldura);
  m_stv->setObjectName(QStringLiteral("stv"));
  m_stv->OcultaNomes(NomesOcultos());
  moldura->layoutInterno(6)->addWidget(m_stv);

  m_selecionar = botao(QStringLiteral("TolvButton1"), QStringLiteral("Selecionar"), this);
  m_cancelar = botao(QStringLiteral("TolvButton2"), QStringLiteral("Cancelar"), this);
  auto* botoes = new QHBoxLayout;
  botoes->addStretch(1);
  botoes->addWidget(m_selecionar);
  botoes->addWidget(m_cancelar);

  auto* raiz = new QVBoxLayout(this);
  raiz->setContentsMargins(10, 8, 10, 10);
  raiz->setSpacing(8);
  raiz->addWidget(topo);
  raiz->addWidget(moldura, 1);
  raiz->addLayout(botoes);

  connect(m_selecionar, &TTolvButton::clicked, this, &QDialog::accept);
  connect(m_cancelar, &TTolvButton::clicked, this, &QDialog::reject);
  connect(m_stv, &ArvorePastas::Clicada, this, [this] { GuardaEventos::executa([this] { stvClick(); }); });
  // The keys move through the tree as clicks do.
  connect(m_stv, &ArvorePastas::PastaMudou, this, [this] { GuardaEventos::executa([this] { stvClick(); }); });
  FormCreate();
}

TZUQFolderDialogBox::~TZUQFolderDialogBox() = default;

void TZUQFolderDialogBox::FormCreate() {
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(findChild<QWidget*>(QStringLiteral("Panel1")), PaletaTolv::kFundo);
  for (QLabel* l : findChildren<QLabel*>()) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, PaletaTolv::cor(PaletaTolv::kTexto));
    l->setPalette(p);
    l->setAutoFillBackground(false);
  }
  // The tree's frame in the tree's own colour: no line shows around it.
  QPalette p = m_stv->palette();
  p.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kFundo));
  p.setColor(QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
  m_stv->setPalette(p);
  m_stv->setFrameShape(QFrame::NoFrame);
  for (TTolvButton* b : {m_selecionar, m_cancelar})
    for (int i : {TSchemeColors::ColorText, TSchemeColors::OverColorText, TSchemeColors::DownColorText,
                  TSchemeColors::DisabledColorText})
      b->Scheme().SetCor(i, PaletaTolv::cor(kTextoBotoes));
}

const QStringList& TZUQFolderDialogBox::NomesOcultos() {
  static const QStringList nomes = {
      QStringLiteral("RECYCLE BIN"), QStringLiteral("CONTROL PANEL"), QStringLiteral("NETWORK NEIGHBORHOOD"),
      QStringLiteral("MY NETWORK PLACES"), QStringLiteral("LIXEIRA"), QStringLiteral("PAINEL DE CONTROLE"),
      QStringLiteral("AMBIENTE DE REDE"), QStringLiteral("MEUS LOCAIS DE REDE")};
  return nomes;
}

void TZUQFolderDialogBox::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  if (evento->spontaneous()) return;
  CentraNaTela(this);
  GuardaEventos::executa([this] { FormShow(); });
}

void TZUQFolderDialogBox::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  mostraPasta(m_selecionada);
}

void TZUQFolderDialogBox::FormShow() {
  if (QFileInfo(m_initialDir).isDir()) m_stv->VaiPara(m_initialDir);
  mostraPasta(m_stv->TemSelecionada() ? m_stv->PastaAtual() : QString());
}

void TZUQFolderDialogBox::stvClick() {
  const QString pasta = m_stv->TemSelecionada() ? m_stv->PastaAtual() : QString();
  mostraPasta(QFileInfo(pasta).isDir() ? pasta : QString());
}

void TZUQFolderDialogBox::mostraPasta(const QString& pasta) {
  m_selecionada = pasta;
  m_lbFolder->setToolTip(pasta);
  // A long path loses its middle, not its end: the folder's own name is what the user checks.
  m_lbFolder->setText(m_lbFolder->fontMetrics().elidedText(pasta, Qt::ElideMiddle, std::max(50, m_lbFolder->width())));
}

bool TZUQFolderDialogBox::Execute(const QString& pastaInicial, QString& escolhida) {
  if (emCurso()) return false;
  TZUQFolderDialogBox dialogo;
  emCurso() = &dialogo;
  dialogo.SetInitialDir(pastaInicial);
  if (dialogo.exec() != QDialog::Accepted || dialogo.PastaSelecionada().isEmpty()) return false;
  escolhida = dialogo.PastaSelecionada();
  return true;
}
