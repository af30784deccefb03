#include "controles/TFoCalcula.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDrag>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include <cstdlib>

#include "controles/Calculadora.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TCLEDLabel.h"
#include "controles/TSchemeColors.h"
#include "controles/TTolvButton.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"

namespace {

QPointer<TFoCalcula> g_janela;

constexpr QRgb kFundo = 0xF2F2F2;
constexpr QRgb kPainel = 0xDFE8ED;
constexpr QRgb kMoldura = 0xB9D0DE;
constexpr QRgb kTexto = 0x525252;
constexpr int kLimiarArrasto = 20;

const char* const kOperacoes[4] = {"+", "-", "x", "/"};

}  // namespace

TFoCalcula* TFoCalcula::Instancia() { return g_janela; }

void TFoCalcula::AbreCalculadora(QWidget* dono) {
  if (g_janela) return;
  auto* janela = new TFoCalcula(Calculadora::doPrograma(), dono);
  janela->setAttribute(Qt::WA_DeleteOnClose);
  janela->MostraValor(false);
  g_janela = janela;
  janela->show();
  janela->raise();
  janela->activateWindow();
}

TFoCalcula::TFoCalcula(Calculadora& calculadora, QWidget* dono) : QWidget(dono), m_calc(calculadora) {
  setObjectName(QStringLiteral("FoCalcula"));
  setWindowTitle(QStringLiteral("Calculadora"));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFocusPolicy(Qt::StrongFocus);
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, kFundo, kTexto);
  setProperty("contextoAjuda", 11080);

  auto* raiz = new QHBoxLayout(this);
  raiz->setContentsMargins(8, 8, 8, 8);
  raiz->setSpacing(8);
  auto* esquerda = new QVBoxLayout;
  esquerda->setSpacing(6);
  raiz->addLayout(esquerda);

  auto* painel = new MolduraTolv(QColor(kMoldura), QColor(kPainel), this);
  m_painelDisplay = painel;
  painel->setObjectName(QStringLiteral("PaDisplay"));
  painel->setToolTip(
      QStringLiteral("Clique e arraste com mouse o valor do visor para o campo onde se deseja transportar o valor."));
  painel->setAcceptDrops(true);
  painel->installEventFilter(this);
  auto* noPainel = painel->layoutInterno(4);
  m_display = new TCLEDLabel(painel);
  m_display->setObjectName(QStringLiteral("LlDisplay"));
  m_display->SetBackGroundColor(QColor(kPainel));
  m_display->SetOffColor(QColor(0xD3DDE3));
  m_display->setFixedSize(m_display->sizeHint());
  m_display->setAcceptDrops(true);
  m_display->installEventFilter(this);
  noPainel->addWidget(m_display, 0, Qt::AlignHCenter);
  auto* indicadores = new QHBoxLayout;
  indicadores->setSpacing(10);
  m_lbMemoria = new QLabel(QStringLiteral("M"), painel);
  m_lbMemoria->setObjectName(QStringLiteral("LbMemoria"));
  indicadores->addWidget(m_lbMemoria);
  const char* nomes[4] = {"LbSom", "LbSub", "LbMult", "LbDiv"};
  for (int i = 0; i < 4; ++i) {
    m_lbOperacao[i] = new QLabel(QString::fromLatin1(kOperacoes[i]), painel);
    m_lbOperacao[i]->setObjectName(QString::fromLatin1(nomes[i]));
    indicadores->addWidget(m_lbOperacao[i]);
  }
  for (QLabel* l : {m_lbMemoria, m_lbOperacao[0], m_lbOperacao[1], m_lbOperacao[2], m_lbOperacao[3]}) {
    l->setFont(PaletaTolv::arial(8, true));
    l->setFixedHeight(14);
    PaletaTolv::pinta(l, kPainel, kTexto);
    l->installEventFilter(this);
    // Hidden until used, but holding their place.
    QSizePolicy politica = l->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    l->setSizePolicy(politica);
    l->hide();
  }
  indicadores->addStretch();
  noPainel->addLayout(indicadores);
  esquerda->addWidget(painel);

  auto* grade = new QGridLayout;
  grade->setSpacing(4);
  struct Tecla {
    const char* nome;
    const char* texto;
    int linha, coluna;
  };
  static const Tecla kTeclas[] = {
      {"BtMC", "MC", 0, 0},     {"BtMR", "MR", 0, 1}, {"BtMSom", "M+", 0, 2}, {"BtMSub", "M--", 0, 3}, {"BtAC", "AC", 0, 4},
      {"Bt7", "7", 1, 0},       {"Bt8", "8", 1, 1},   {"Bt9", "9", 1, 2},     {"BtDiv", "/", 1, 3},    {"BtCE", "CE", 1, 4},
      {"Bt4", "4", 2, 0},       {"Bt5", "5", 2, 1},   {"Bt6", "6", 2, 2},     {"BtMul", "x", 2, 3},    {"BtSinal", "+/--", 2, 4},
      {"Bt1", "1", 3, 0},       {"Bt2", "2", 3, 1},   {"Bt3", "3", 3, 2},     {"BtSub", "--", 3, 3},   {"BtRes", "=", 3, 4},
      {"Bt0", "0", 4, 0},       {"BtVirgula", ",", 4, 2}, {"BtSom", "+", 4, 3},
  };
  for (const Tecla& t : kTeclas) {
    const QString nome = QString::fromLatin1(t.nome);
    const bool zero = nome == u"Bt0";
    const bool igual = nome == u"BtRes";
    TTolvButton* b = botao(nome, QString::fromLatin1(t.texto), zero ? 84 : 40);
    if (igual) b->setFixedHeight(60);
    grade->addWidget(b, t.linha, t.coluna, igual ? 2 : 1, zero ? 2 : 1, Qt::AlignLeft | Qt::AlignTop);
    if (nome.size() == 3 && nome[2].isDigit()) {
      const int digito = nome[2].digitValue();
      b->setProperty("tag", digito);
      connect(b, &TTolvButton::clicked, this, [this, digito] {
        m_calc.Digito(digito);
        Atualiza();
      });
      continue;
    }
    connect(b, &TTolvButton::clicked, this, [this, nome, b] {
      if (nome == u"BtVirgula") m_calc.Virgula();
      else if (nome == u"BtSom" || nome == u"BtSub" || nome == u"BtMul" || nome == u"BtDiv") m_calc.Operacao(b->text()[0]);
      else if (nome == u"BtRes") m_calc.Resultado();
      else if (nome == u"BtSinal") m_calc.Sinal();
      else if (nome == u"BtAC") m_calc.LimpaTudo();
      else if (nome == u"BtCE") m_calc.Corrige();
      else if (nome == u"BtMC") m_calc.MemoriaLimpa();
      else if (nome == u"BtMR") m_calc.MemoriaLe();
      else if (nome == u"BtMSom") m_calc.MemoriaSoma();
      else if (nome == u"BtMSub") m_calc.MemoriaSubtrai();
      Atualiza();
    });
  }
  esquerda->addLayout(grade);
  esquerda->addStretch();

  auto* direita = new QVBoxLayout;
  direita->setSpacing(6);
  raiz->addLayout(direita);
  m_fita = new QPlainTextEdit(this);
  m_fita->setObjectName(QStringLiteral("MeFita"));
  m_fita->setReadOnly(true);
  m_fita->setFocusPolicy(Qt::NoFocus);
  m_fita->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  m_fita->setFixedWidth(140);
  m_fita->setProperty("contextoAjuda", 11080);
  PaletaTolv::pinta(m_fita, 0xFFFFFF, kTexto);
  direita->addWidget(m_fita, 1);
  auto* modos = new MolduraTolv(QColor(kMoldura), QColor(kPainel), this);
  modos->setObjectName(QStringLiteral("PaModos"));
  modos->setProperty("contextoAjuda", 11080);
  auto* noModos = modos->layoutInterno(4);
  auto* linhaModos = new QHBoxLayout;
  noModos->addLayout(linhaModos);
  m_rbFixa2 = new QRadioButton(QStringLiteral("0,00"), modos);
  m_rbFixa2->setObjectName(QStringLiteral("RbFixa2"));
  m_rbFixa4 = new QRadioButton(QStringLiteral("0,0000"), modos);
  m_rbFixa4->setObjectName(QStringLiteral("RbFixa4"));
  m_rbLivre = new QRadioButton(QStringLiteral("&Livre"), modos);
  m_rbLivre->setObjectName(QStringLiteral("RbLivre"));
  for (QRadioButton* rb : {m_rbFixa2, m_rbFixa4, m_rbLivre}) {
    rb->setFocusPolicy(Qt::NoFocus);
    PaletaTolv::pinta(rb, kPainel, kTexto);
    linhaModos->addWidget(rb);
  }
  m_rbFixa2->setChecked(true);
  m_calc.DefineModo(Calculadora::ModoDecimais::Fixa2);
  auto modo = [this](QRadioButton* rb, Calculadora::ModoDecimais m) {
    connect(rb, &QRadioButton::toggled, this, [this, m](bool marcado) {
      if (!marcado) return;
      m_calc.DefineModo(m);
      Atualiza();
    });
  };
  modo(m_rbFixa2, Calculadora::ModoDecimais::Fixa2);
  modo(m_rbFixa4, Calculadora::ModoDecimais::Fixa4);
  modo(m_rbLivre, Calculadora::ModoDecimais::Livre);
  direita->addWidget(modos);
  TTolvButton* transportar = botao(QStringLiteral("BtTransportar"), QStringLiteral("&Transportar"), 140);
  transportar->setToolTip(QStringLiteral(
      "Após acionar este botão, clique no campo para onde o valor do visor deve ser transportado."));
  connect(transportar, &TTolvButton::clicked, this, [this] { arrasta(); });
  direita->addWidget(transportar);

  setFixedSize(sizeHint());
  m_linhasFita = m_calc.Fita().size();
  // The tape of this opening only.
}

TFoCalcula::~TFoCalcula() {
  if (g_janela == this) g_janela = nullptr;
}

TTolvButton* TFoCalcula::botao(const QString& nome, const QString& texto, int largura) {
  auto* b = new TTolvButton(texto, this);
  b->setObjectName(nome);
  b->Scheme().SetSchemeColor(TSchemeColor::scTolv);
  b->setFont(PaletaTolv::arial(9, true));
  b->setFixedSize(largura, 28);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

void TFoCalcula::MostraValor(bool digitando) {
  m_calc.MostraValor(digitando);
  Atualiza();
}

void TFoCalcula::Atualiza() {
  m_display->SetErro(m_calc.Erro());
  m_display->SetOnColor(m_calc.VisorNegativo() ? QColor(255, 0, 0) : QColor(Qt::black));
  m_display->SetText(m_calc.Visor());
  m_lbMemoria->setVisible(m_calc.MostraMemoria());
  for (int i = 0; i < 4; ++i) m_lbOperacao[i]->setVisible(m_calc.IndicadorOperacao() == QLatin1Char(kOperacoes[i][0]));
  const QStringList& fita = m_calc.Fita();
  for (; m_linhasFita < fita.size(); ++m_linhasFita) {
    m_fita->appendPlainText(fita[m_linhasFita]);
    QTextBlock bloco = m_fita->document()->lastBlock();
    QTextCursor cursor(bloco);
    QTextBlockFormat formato = bloco.blockFormat();
    formato.setAlignment(Qt::AlignRight);
    cursor.setBlockFormat(formato);
  }
  m_fita->verticalScrollBar()->setValue(m_fita->verticalScrollBar()->maximum());
}

void TFoCalcula::keyPressEvent(QKeyEvent* evento) {
  if (evento->modifiers() & Qt::ControlModifier) {
    if (evento->key() == Qt::Key_C) CopiaValor();
    else if (evento->key() == Qt::Key_V) ColaValor();
    else QWidget::keyPressEvent(evento);
    return;
  }
  QChar tecla;
  switch (evento->key()) {
    case Qt::Key_Backspace: tecla = u'\b'; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: tecla = u'\r'; break;
    case Qt::Key_Escape: tecla = u'\x1b'; break;
    default:
      if (!evento->text().isEmpty()) tecla = evento->text()[0].toUpper();
  }
  if (!tecla.isNull() && m_calc.Tecla(tecla)) {
    Atualiza();
    return;
  }
  QWidget::keyPressEvent(evento);
}

void TFoCalcula::CopiaValor() { QApplication::clipboard()->setText(m_calc.Digitado()); }

void TFoCalcula::ColaValor() {
  for (QChar c : QApplication::clipboard()->text()) m_calc.Tecla(c.toUpper());
  Atualiza();
}

std::unique_ptr<TDragMonetario> TFoCalcula::CriaArrasto() const {
  const auto valor = m_calc.ValorArrastavel();
  if (!valor) return nullptr;
  QString inteiros, fracao;
  valor->digitos(4, inteiros, fracao);
  try {
    return std::make_unique<TDragMonetario>((inteiros.isEmpty() ? QStringLiteral("0") : inteiros) + u',' + fracao);
  } catch (const TErro&) {
    // Beyond what an amount field takes: nothing is offered.
    return nullptr;
  }
}

void TFoCalcula::arrasta() {
  std::unique_ptr<TDragMonetario> dados = CriaArrasto();
  if (!dados) return;
  auto* arrasto = new QDrag(this);
  arrasto->setMimeData(dados.release());
  arrasto->exec(Qt::CopyAction);
}

bool TFoCalcula::eventFilter(QObject* objeto, QEvent* evento) {
  switch (evento->type()) {
    case QEvent::MouseButtonPress: {
      auto* e = static_cast<QMouseEvent*>(evento);
      if (e->button() == Qt::LeftButton) m_inicioArrasto = e->globalPosition().toPoint();
      break;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(evento);
      if (!m_inicioArrasto || !(e->buttons() & Qt::LeftButton)) break;
      const QPoint d = e->globalPosition().toPoint() - *m_inicioArrasto;
      if (std::abs(d.x()) >= kLimiarArrasto || std::abs(d.y()) >= kLimiarArrasto) {
        m_inicioArrasto.reset();
        arrasta();
        return true;
      }
      break;
    }
    case QEvent::MouseButtonRelease: m_inicioArrasto.reset(); break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* e = static_cast<QDragMoveEvent*>(evento);
      if (e->source() != this && TDragMonetario::ValorDe(e->mimeData())) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
      } else {
        e->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* e = static_cast<QDropEvent*>(evento);
      const auto valor = TDragMonetario::ValorDe(e->mimeData());
      if (!valor || e->source() == this) {
        e->ignore();
        return true;
      }
      e->setDropAction(Qt::CopyAction);
      e->accept();
      m_calc.Recebe(NumeroCalculadora::deBruto(NumeroCalculadora::Bruto(valor->dezMilesimos()) *
                                               (NumeroCalculadora::kEscala / 10000)));
      Atualiza();
      return true;
    }
    default: break;
  }
  return QWidget::eventFilter(objeto, evento);
}

void TFoCalcula::closeEvent(QCloseEvent* evento) {
  if (g_janela == this) g_janela = nullptr;
  QWidget::closeEvent(evento);
}
