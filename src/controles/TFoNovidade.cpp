#include "controles/TFoNovidade.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>

#include "controles/ArteTolv.h"
#include "controles/LinhasTexto.h"
#include "controles/PaletaTolv.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "controles/Posicao.h"

namespace {

constexpr int kTopoFaixa[TFoNovidade::kTopicos] = {12, 49, 89, 129, 169};
constexpr int kTopoTexto[TFoNovidade::kTopicos] = {40, 76, 116, 156, 196};
constexpr int kEsquerda = 8;
constexpr int kLarguraFaixa = 436;
constexpr int kAlturaFaixa = 28;

QPointer<TFoNovidade>& janelaAtual() {
  static QPointer<TFoNovidade> janela;
  return janela;
}

}  // namespace

QString TFoNovidade::tituloTopico(int indice) {
  switch (indice) {
    case 0: return QStringLiteral("Rendimentos recebidos acumuladamente");
    case 1: return QStringLiteral("Copa das Confederações 2013 e Copa do Mundo 2014");
    case 2: return QStringLiteral("Entidades de Previdência Complementar – Atenção!");
    case 3: return QStringLiteral("Aposentadoria, Reserva, Reforma ou Pensão");
    default: return QStringLiteral("Participação nos Lucros ou Resultados (PLR)");
  }
}

QString TFoNovidade::textoTopico(int indice) {
  switch (indice) {
    case 0:
      return QStringLiteral(
          "Os rendimentos recebidos acumuladamente relativos a anos-calendário anteriores, pagos pela "
          "previdência social pública ou decorrentes do trabalho, inclusive os pagos em cumprimento de "
          "decisão judicial, são informados sob o código 1889. Se o pagamento foi feito sob outro código, "
          "deve ser providenciada a retificação do documento de arrecadação. Veja também os códigos "
          "1889, 1895, 5928 e 5936.");
    case 1:
      return QStringLiteral(
          "As pessoas jurídicas habilitadas aos benefícios fiscais relativos à realização da Copa das "
          "Confederações FIFA 2013 e da Copa do Mundo FIFA 2014 devem assinalar a opção correspondente "
          "na tela de identificação da declaração.");
    case 2:
      return QStringLiteral(
          "As entidades de previdência complementar que pagaram complementação de aposentadoria "
          "correspondente às contribuições feitas de 1989 a 1995 devem seguir as instruções dos "
          "códigos 3223, 3540, 3556 e 3579.");
    case 3:
      return QStringLiteral(
          "Os rendimentos de aposentadoria, reserva remunerada, reforma ou pensão pagos pelos regimes "
          "de previdência pública são informados sob o código 3533.");
    default:
      return QStringLiteral(
          "Os rendimentos de participação nos lucros ou resultados negociada com os empregados são "
          "informados sob o código 3562.");
  }
}

TFoNovidade::TFoNovidade(QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FoNovidade"));
  setWindowTitle(QStringLiteral("Novidades"));
  setFixedSize(452, 261);
  setFont(PaletaTolv::arial(8));

  for (int i = 0; i < kTopicos; ++i) {
    m_faixas[i] = new QLabel(this);
    m_faixas[i]->setObjectName(QStringLiteral("ImgTopico%1").arg(i + 1));
    m_faixas[i]->setPixmap(ArteTolv::faixaNovidade(QSize(kLarguraFaixa, kAlturaFaixa)));
    m_faixas[i]->setGeometry(kEsquerda, kTopoFaixa[i], kLarguraFaixa, kAlturaFaixa);
    m_faixas[i]->installEventFilter(this);
    m_topicos[i] = new QLabel(tituloTopico(i), this);
    m_topicos[i]->setObjectName(QStringLiteral("LbTopico%1").arg(i + 1));
    m_topicos[i]->setFont(PaletaTolv::arial(9, true));
    m_topicos[i]->setCursor(Qt::PointingHandCursor);
    m_topicos[i]->adjustSize();
    m_topicos[i]->move(kEsquerda + kAlturaFaixa, kTopoFaixa[i] + (kAlturaFaixa - m_topicos[i]->height()) / 2);
    m_topicos[i]->installEventFilter(this);
  }

  auto* nota = new QLabel(QStringLiteral("O conteúdo dos itens acima está disponível no menu Ajuda"), this);
  nota->setObjectName(QStringLiteral("LbNota"));
  nota->setGeometry(kEsquerda, 205, kLarguraFaixa, 16);

  m_chkNaoMostrar = new QCheckBox(QStringLiteral("Não exibir tela novamente"), this);
  m_chkNaoMostrar->setObjectName(QStringLiteral("chkNaoMostrar"));
  m_chkNaoMostrar->setGeometry(kEsquerda, 230, kLarguraFaixa, 20);
  m_chkNaoMostrar->setChecked(ConfiguracoesTolv::JahMostrou());
  connect(m_chkNaoMostrar, &QCheckBox::toggled, this, &TFoNovidade::chkNaoMostrarClick);

  m_memo = new QPlainTextEdit(this);
  m_memo->setObjectName(QStringLiteral("MemoTopico"));
  m_memo->setReadOnly(true);
  m_memo->setFrameShape(QFrame::NoFrame);
  m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_memo->setFont(PaletaTolv::arial(9, true));
  m_memo->viewport()->installEventFilter(this);
  m_memo->hide();

  // Any key closes the window, whichever child has the focus.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
  installEventFilter(this);
}

void TFoNovidade::showEvent(QShowEvent* evento) {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_chkNaoMostrar, PaletaTolv::kFundo);
  QPalette p = m_memo->palette();
  p.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kFundo));
  p.setColor(QPalette::Text, PaletaTolv::cor(PaletaTolv::kTexto));
  m_memo->setPalette(p);
  escondeTexto();
  CentraNaTela(this);
  QDialog::showEvent(evento);
}

void TFoNovidade::Executa(QWidget* dono) {
  if (janelaAtual()) return;
  TFoNovidade janela(dono);
  janelaAtual() = &janela;
  janela.exec();
}

void TFoNovidade::chkNaoMostrarClick() { ConfiguracoesTolv::GravaJahMostrou(m_chkNaoMostrar->isChecked()); }

int TFoNovidade::topicoAberto() const { return m_aberto; }

void TFoNovidade::escondeTexto() {
  m_memo->hide();
  m_memo->clear();
  m_aberto = -1;
}

void TFoNovidade::clicaTopico(int indice) {
  if (m_memo->isVisibleTo(this)) {
    escondeTexto();
    return;
  }
  m_memo->setPlainText(textoTopico(indice));
  m_memo->move(kEsquerda, kTopoTexto[indice]);
  // As tall as its lines, broken at the memo's own width.
  const int margem = int(m_memo->document()->documentMargin());
  const int linhas = QuebraLinhas(textoTopico(indice), m_memo->font(), kLarguraFaixa - 2 * margem).size();
  m_memo->resize(kLarguraFaixa, linhas * m_memo->fontMetrics().lineSpacing() + 2 * margem);
  m_memo->show();
  m_memo->raise();
  m_aberto = indice;
}

bool TFoNovidade::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress) {
    if (!static_cast<QKeyEvent*>(evento)->text().isEmpty()) {
      accept();
      return true;
    }
    return false;
  }
  if (evento->type() != QEvent::MouseButtonRelease) return QDialog::eventFilter(objeto, evento);
  if (objeto == m_memo->viewport()) {
    escondeTexto();
    return true;
  }
  // The first strip's picture writes the box's state, as its box does.
  if (objeto == m_faixas[0]) {
    chkNaoMostrarClick();
    return true;
  }
  for (int i = 0; i < kTopicos; ++i) {
    if (objeto == m_topicos[i]) {
      clicaTopico(i);
      return true;
    }
  }
  return QDialog::eventFilter(objeto, evento);
}
