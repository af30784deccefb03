#include "controles/TfmSobre.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTimer>

#include "controles/AnimacaoSobre.h"
#include "controles/ArteTolv.h"
#include "controles/PaletaTolv.h"

namespace {

constexpr int kLadoPintura = 281;

// Paints the animation's current picture.
class PainelPintura : public QWidget {
 public:
  explicit PainelPintura(QWidget* pai) : QWidget(pai) {}
  void mostra(const QImage& img) {
    m_imagem = img;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, m_imagem);
  }

 private:
  QImage m_imagem;
};

QStringList linhasCreditos() {
  return {QStringLiteral("Tolv 2014"),
          QString(),
          QStringLiteral("<F2>Declaração do imposto sobre a renda"),
          QStringLiteral("<F2>retido na fonte"),
          QStringLiteral("Ano-calendário 2013"),
          QString(),
          QStringLiteral("<F3>Realização"),
          QStringLiteral("Duzudadez BVD"),
          QString(),
          QStringLiteral("<F3>Desenvolvimento"),
          QStringLiteral("Equipe Tolv 2014"),
          QString(),
          QStringLiteral("<F5>Feito com Qt e Firebird")};
}

}  // namespace

TfmSobre::TfmSobre(const QString& versao, QWidget* dono)
    : QDialog(dono, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                        Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName(QStringLiteral("fmSobre"));
  setWindowTitle(QStringLiteral("Sobre a Tolv 2014"));
  setFixedSize(560, 330);
  PaletaTolv::pinta(this, PaletaTolv::kFundo);

  auto* painel = new PainelPintura(this);
  painel->setObjectName(QStringLiteral("PaintBox1"));
  painel->setGeometry(12, 12, kLadoPintura, kLadoPintura);
  painel->setCursor(Qt::PointingHandCursor);
  painel->installEventFilter(this);
  m_paintBox = painel;

  const auto rotulo = [this](const char* nome, const QString& texto, int topo, const QFont& fonte) {
    auto* l = new QLabel(texto, this);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFont(fonte);
    l->setGeometry(306, topo, 242, QFontMetrics(fonte).height() + 2);
    return l;
  };
  rotulo("LbTolv", QStringLiteral("Tolv 2014"), 16, PaletaTolv::arial(18, true));
  rotulo("LbPrograma", QStringLiteral("Programa Tolv 2014"), 56, PaletaTolv::arial(10, true));
  rotulo("LbDeclaracao", QStringLiteral("Declaração Tolv"), 86, PaletaTolv::arial(9));
  rotulo("LbRendimentos", QStringLiteral("de rendimentos pagos"), 104, PaletaTolv::arial(9));
  rotulo("LbValores", QStringLiteral("e valores retidos"), 122, PaletaTolv::arial(9));
  rotulo("LbVersao", versao, 150, PaletaTolv::arial(9, true));
  rotulo("LbOrgao", QStringLiteral("Duzudadez BVD"), 200, PaletaTolv::arial(9, true));
  rotulo("LbOrgao2", QStringLiteral("Equipe Tolv 2014"), 218, PaletaTolv::arial(8));

  const QFont fontes[5] = {PaletaTolv::arial(11, true), PaletaTolv::arial(9, true), PaletaTolv::arial(9),
                           PaletaTolv::arial(8), PaletaTolv::arial(7)};
  for (int i = 0; i < 5; ++i) {
    m_fontes[i] = new QLabel(QStringLiteral("Fonte %1").arg(i + 1), this);
    m_fontes[i]->setObjectName(QStringLiteral("LbFonte%1").arg(i + 1));
    m_fontes[i]->setFont(fontes[i]);
    m_fontes[i]->hide();
  }

  m_moldura = new QWidget(this);
  m_moldura->setObjectName(QStringLiteral("PnMoldura"));
  m_moldura->setGeometry(painel->geometry());
  PaletaTolv::pinta(m_moldura, PaletaTolv::kCaixa);
  m_moldura->installEventFilter(this);
  m_moldura->hide();
  m_creditos = new QWidget(m_moldura);
  m_creditos->setObjectName(QStringLiteral("PnCreditos"));
  PaletaTolv::pinta(m_creditos, PaletaTolv::kCaixa);
  m_creditos->installEventFilter(this);
  montaCreditos(linhasCreditos());

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("BtOk"));
  ok->setGeometry(width() - 87, height() - 37, 75, 25);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  m_animacao = std::make_unique<AnimacaoSobre>(ArteTolv::sobrePrimeira(), ArteTolv::sobreSegunda(),
                                               QSize(kLadoPintura, kLadoPintura),
                                               QRandomGenerator::global()->generate());
  m_timerAnimacao = new QTimer(this);
  m_timerAnimacao->setObjectName(QStringLiteral("TmAnimacao"));
  m_timerAnimacao->setInterval(30);
  connect(m_timerAnimacao, &QTimer::timeout, this, [this, painel] { painel->mostra(m_animacao->passo()); });
  m_timerAnimacao->start();
  m_timerCreditos = new QTimer(this);
  m_timerCreditos->setObjectName(QStringLiteral("TmCreditos"));
  m_timerCreditos->setInterval(35);
  connect(m_timerCreditos, &QTimer::timeout, this, &TfmSobre::rolaCreditos);
}

TfmSobre::~TfmSobre() = default;

void TfmSobre::Executa(const QString& versao, QWidget* dono) {
  TfmSobre sobre(versao, dono);
  sobre.exec();
}

TfmSobre::Credito TfmSobre::interpretaCredito(const QString& linha) {
  if (!linha.startsWith(u'<')) return {linha, 4};
  const QString marca = linha.left(4);
  int fonte = 4;
  if (marca == QStringLiteral("<F1>")) fonte = 1;
  else if (marca == QStringLiteral("<F2>")) fonte = 2;
  else if (marca == QStringLiteral("<F3>")) fonte = 3;
  else if (marca == QStringLiteral("<F5>")) fonte = 5;
  return {linha.mid(4), fonte};
}

void TfmSobre::montaCreditos(const QStringList& linhas) {
  QStringList l = linhas;
  if (!l.isEmpty()) l[0] = QStringLiteral("<F1>Programa Tolv 2014");
  const int largura = m_moldura->width();
  // An empty first label as tall as the frame lets the text come in from below.
  auto* vazio = new QLabel(m_creditos);
  vazio->setGeometry(0, 0, largura, m_moldura->height());
  int altura = vazio->height();
  for (const QString& linha : l) {
    const Credito c = interpretaCredito(linha);
    auto* rotulo = new QLabel(c.texto, m_creditos);
    rotulo->setObjectName(QStringLiteral("LbCredito"));
    rotulo->setFont(m_fontes[c.fonte - 1]->font());
    rotulo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    rotulo->setProperty("fonteCredito", c.fonte);
    const int h = QFontMetrics(rotulo->font()).height() + 2;
    rotulo->setGeometry(0, altura, largura, h);
    altura += h;
  }
  m_creditos->setGeometry(0, 1, largura, altura);
}

bool TfmSobre::creditosVisiveis() const { return m_moldura->isVisibleTo(this); }

void TfmSobre::alternaCreditos() {
  const bool mostrar = !creditosVisiveis();
  m_creditos->move(0, 1);
  m_moldura->setVisible(mostrar);
  if (mostrar) m_moldura->raise();
  if (mostrar) m_timerCreditos->start(); else m_timerCreditos->stop();
}

void TfmSobre::rolaCreditos() {
  m_creditos->move(0, m_creditos->y() - 1);
  if (m_creditos->y() < -(m_creditos->height() + 15)) m_creditos->move(0, 1);
}

void TfmSobre::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      accept();
      return;
    default:
      QDialog::keyPressEvent(evento);
  }
}

bool TfmSobre::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::MouseButtonRelease &&
      (objeto == m_paintBox || objeto == m_moldura || objeto == m_creditos)) {
    alternaCreditos();
    return true;
  }
  return QDialog::eventFilter(objeto, evento);
}
