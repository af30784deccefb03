#include "controles/TFormMessageTolv.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

#include "controles/ArteTolv.h"
#include "controles/LinhasTexto.h"
#include "controles/PaletaTolv.h"
#include "controles/Posicao.h"

namespace {

constexpr int kLarguraBotao = 75;
constexpr int kAlturaBotao = 25;
constexpr int kIconeInformacao = 0;
constexpr int kIconeAviso = 1;
constexpr int kIconeDuvida = 2;
constexpr int kIconeErro = 3;

QPointer<TFormMessageTolv>& caixaAtual() {
  static QPointer<TFormMessageTolv> caixa;
  return caixa;
}

}  // namespace

TFormMessageTolv::TFormMessageTolv(const QString& texto, const QString& titulo, int flags,
                                   QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("FormMessageTolv"));
  montaComponentes();
  m_linhas = QuebraLinhas(texto, m_label1->font(), kLarguraQuebra, &m_maisLarga);
  m_label1->setText(m_linhas.join(u'\n'));
  setWindowTitle(titulo);
  dispoe(flags);
}

TFormMessageTolv::~TFormMessageTolv() = default;

TFormMessageTolv* TFormMessageTolv::atual() { return caixaAtual(); }

void TFormMessageTolv::montaComponentes() {
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, PaletaTolv::kFundo);

  m_panel2 = new QWidget(this);
  m_panel2->setObjectName(QStringLiteral("Panel2"));
  PaletaTolv::pinta(m_panel2, PaletaTolv::kFundo);
  const char* nomes[4] = {"ImageInformacao", "Imageaviso", "ImageDuvida", "ImageErro"};
  const ArteTolv::Icone icones[4] = {ArteTolv::Icone::Informacao, ArteTolv::Icone::Aviso,
                                     ArteTolv::Icone::Duvida, ArteTolv::Icone::Erro};
  for (int i = 0; i < 4; ++i) {
    m_imagens[i] = new QLabel(m_panel2);
    m_imagens[i]->setObjectName(QString::fromLatin1(nomes[i]));
    m_imagens[i]->setPixmap(ArteTolv::icone(icones[i]));
    m_imagens[i]->setAlignment(Qt::AlignCenter);
    m_imagens[i]->hide();
  }

  m_panel3 = new QWidget(this);
  m_panel3->setObjectName(QStringLiteral("Panel3"));
  PaletaTolv::pinta(m_panel3, PaletaTolv::kFundo);
  m_label1 = new QLabel(m_panel3);
  m_label1->setObjectName(QStringLiteral("Label1"));
  m_label1->setFont(PaletaTolv::arial(8));
  m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_label1->setTextFormat(Qt::PlainText);
  m_label1->setTextInteractionFlags(Qt::NoTextInteraction);
  PaletaTolv::pinta(m_label1, PaletaTolv::kFundo);

  m_panel1 = new QWidget(this);
  m_panel1->setObjectName(QStringLiteral("Panel1"));
  PaletaTolv::pinta(m_panel1, PaletaTolv::kFundo);
  m_shape1 = new QFrame(m_panel1);
  m_shape1->setObjectName(QStringLiteral("Shape1"));
  PaletaTolv::pinta(m_shape1, PaletaTolv::kMoldura);

  const auto botao = [this](const char* painel, const char* nome, const QString& texto,
                            QLabel*& suporte) {
    suporte = new QLabel(m_panel1);
    suporte->setObjectName(QString::fromLatin1(painel));
    suporte->setPixmap(ArteTolv::fundoBotao(QSize(kLarguraBotao, kAlturaBotao)));
    suporte->setScaledContents(true);
    suporte->resize(kLarguraBotao, kAlturaBotao);
    auto* b = new QPushButton(texto, suporte);
    b->setObjectName(QString::fromLatin1(nome));
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setFont(PaletaTolv::arial(8, true));
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; color: #336EB1; }"
                                    "QPushButton:pressed { background: rgba(185, 208, 222, 120); }"));
    b->setGeometry(0, 0, kLarguraBotao, kAlturaBotao);
    return b;
  };
  m_speedButton1 = botao("Panel4", "SpeedButton1", QStringLiteral("&Sim"), m_panel4);
  m_speedButton2 = botao("Panel5", "SpeedButton2", QStringLiteral("&Não"), m_panel5);
  m_speedButton3 = botao("Panel6", "SpeedButton3", QStringLiteral("&OK"), m_panel6);
  connect(m_speedButton1, &QPushButton::clicked, this, &TFormMessageTolv::SpeedButton1Click);
  connect(m_speedButton2, &QPushButton::clicked, this, &TFormMessageTolv::SpeedButton2Click);
  connect(m_speedButton3, &QPushButton::clicked, this, &TFormMessageTolv::SpeedButton3Click);
}

void TFormMessageTolv::dispoe(int flags) {
  const int maisLarga = m_maisLarga;
  const int n = m_linhas.size();

  // Widths follow the text; the label keeps its distances to the text area's sides.
  int largura = maisLarga + 90;
  int esquerdaRotulo = 0;
  int direitaRotulo = 10;
  const auto larguraRotulo = [&](int larguraArea) { return larguraArea - esquerdaRotulo - direitaRotulo; };
  int rotulo = larguraRotulo(largura - kLarguraIcones);
  largura = rotulo + 30 + kLarguraIcones;
  if (largura > 600) largura = 590;
  rotulo = larguraRotulo(largura - kLarguraIcones);

  int resto = flags;
  int icone = -1;
  if ((resto & 64) && resto >= 64) {
    icone = kIconeInformacao;
    resto -= 64;
  } else if ((resto & 48) == 48 && resto >= 48) {
    icone = kIconeAviso;
    resto -= 48;
  } else if ((resto & 32) && resto >= 32) {
    icone = kIconeDuvida;
    resto -= 32;
  } else if ((resto & 16) && resto >= 16) {
    icone = kIconeErro;
    resto -= 16;
  }
  m_temIcone = icone >= 0;
  for (int i = 0; i < 4; ++i) m_imagens[i]->setVisible(i == icone);
  m_panel2->setVisible(m_temIcone);

  m_simNao = (resto & 4) != 0;
  m_panel4->setVisible(m_simNao);
  m_panel5->setVisible(m_simNao);
  m_panel6->setVisible(!m_simNao);

  const int coluna = m_temIcone ? kLarguraIcones : 0;
  const int larguraArea = largura - coluna;
  esquerdaRotulo = (larguraArea - rotulo) / 2 - 5;
  direitaRotulo = larguraArea - esquerdaRotulo - rotulo;

  const int topoBotao = (kAlturaBotoes - kAlturaBotao) / 2;
  m_panel6->move((largura - kLarguraBotao) / 2, topoBotao);
  const int metade = largura / 2;
  m_panel4->move((metade - kLarguraBotao) / 2, topoBotao);
  m_panel5->move((metade - kLarguraBotao) / 2 + metade, topoBotao);

  largura = rotulo + 30 + kLarguraIcones;
  const int altura = n * kAlturaLinha + 90 + kAlturaBotoes;
  setFixedSize(largura, altura);

  const int alturaArea = altura - kAlturaBotoes;
  m_panel1->setGeometry(0, alturaArea, largura, kAlturaBotoes);
  m_shape1->setGeometry(0, 0, largura, 1);
  m_panel2->setGeometry(0, 0, kLarguraIcones, alturaArea);
  for (QLabel* imagem : m_imagens) imagem->setGeometry(0, 0, kLarguraIcones, alturaArea);
  m_panel3->setGeometry(coluna, 0, largura - coluna, alturaArea);

  // The text is drawn centred on the same span as the widest line, so no glyph is clipped:
  // the label is as wide as the text area less its left distance on both sides.
  const int topo = (alturaArea - n * kAlturaLinha) / 2;
  const int alturaLinha = std::max(kAlturaLinha, m_label1->fontMetrics().lineSpacing());
  m_label1->setGeometry(esquerdaRotulo, topo, std::max(maisLarga, m_panel3->width() - 2 * esquerdaRotulo),
                        std::max(1, n) * alturaLinha);
}

int TFormMessageTolv::resposta() const {
  const int r = result();
  return (r == 1 || r == 6 || r == 7) ? r : 0;
}

void TFormMessageTolv::SpeedButton1Click() { done(6); }
void TFormMessageTolv::SpeedButton2Click() { done(7); }
void TFormMessageTolv::SpeedButton3Click() { done(1); }

void TFormMessageTolv::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  CentraNaTela(this);
}

void TFormMessageTolv::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      m_simNao ? SpeedButton1Click() : SpeedButton3Click();
      return;
    case Qt::Key_Escape:
      m_simNao ? SpeedButton2Click() : SpeedButton3Click();
      return;
    default:
      QDialog::keyPressEvent(evento);
  }
}

int TFormMessageTolv::MostraMensagem(const QString& texto, const QString& titulo, int flags) {
  // Owned by the active window so that the window manager keeps it in front of it.
  const QPointer<QWidget> dona = QApplication::activeWindow();
  TFormMessageTolv caixa(texto, titulo, flags, dona);
  caixaAtual() = &caixa;
  const int r = caixa.exec();
  caixaAtual() = nullptr;
  // The window that had the keyboard gets it back at once: left to the window manager (or to no
  // manager at all), the keys typed right after the answer would reach no control.
  if (dona && dona->isVisible() && !QApplication::activeWindow()) {
    dona->activateWindow();
    QApplication::setActiveWindow(dona);
  }
  return (r == 1 || r == 6 || r == 7) ? r : 0;
}
