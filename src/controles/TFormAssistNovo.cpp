#include "controles/TFormAssistNovo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

#include "controles/ArteAssistente.h"
#include "controles/PaletaTolv.h"

namespace {

constexpr QRgb kLinhaRodape = 0xB9D0DE;
constexpr QRgb kTextoAtivo = 0x336EB1;
constexpr QRgb kTextoInativo = 0xC6C6C6;
constexpr int kLarguraEsquerda = 120;
constexpr int kMargemBotao = 15;
constexpr int kMargemDireita = 25;

// The panel that holds a button's picture and its flat button.
class FundoBotao : public QWidget {
 public:
  FundoBotao(bool ativo, QWidget* pai) : QWidget(pai), m_ativo(ativo) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(m_ativo ? 0xB9D0DE : 0xD6D6D6));
    p.setBrush(QColor(m_ativo ? 0xFFFFFF : 0xF7F7F7));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  }

 private:
  bool m_ativo;
};

void pintaTexto(QToolButton* b, QRgb cor) {
  QPalette p = b->palette();
  for (auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(grupo, QPalette::ButtonText, PaletaTolv::cor(cor));
    p.setColor(grupo, QPalette::WindowText, PaletaTolv::cor(cor));
  }
  b->setPalette(p);
}

struct Nomes {
  const char* sufixo;
  const char* caption;
  ArteAssistente::Glifo glifo;
};

constexpr Nomes kNomes[] = {
    {"Cancel", "Cancelar", ArteAssistente::Glifo::Cancelar},
    {"Prior", "Voltar", ArteAssistente::Glifo::Voltar},
    {"Next", "Avançar", ArteAssistente::Glifo::Avancar},
    {"Finish", "Concluir", ArteAssistente::Glifo::Concluir},
};

}  // namespace

struct TFormAssistNovo::Par {
  QWidget* painel = nullptr;
  QToolButton* speed = nullptr;
  QWidget* inativo = nullptr;
};

TFormAssistNovo::TFormAssistNovo(QWidget* dono) : TFormAssistBase(dono), m_pares(new Par[4]) {
  setObjectName(QStringLiteral("FormAssistNovo"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(PaletaTolv::arial(8));
  resize(560, 380);

  m_areaPaginas = new QWidget(this);
  m_areaPaginas->setObjectName(QStringLiteral("PnPaginas"));
  m_pnInferior = new QWidget(this);
  m_pnInferior->setObjectName(QStringLiteral("PnInferior"));
  m_linhaRodape = new QWidget(m_pnInferior);
  m_linhaRodape->setObjectName(QStringLiteral("LinhaRodape"));
  m_pnEsquerda = new QWidget(m_pnInferior);
  m_pnEsquerda->setObjectName(QStringLiteral("PnEsquerda"));
  m_pnDireita = new QWidget(m_pnInferior);
  m_pnDireita->setObjectName(QStringLiteral("PnDireita"));

  for (int i = 0; i < 4; ++i) {
    const Nomes& n = kNomes[i];
    QWidget* dono = i == 0 ? m_pnEsquerda : m_pnDireita;
    const QPoint pos = i == 0 ? QPoint(kMargemBotao, 7) : QPoint(kMargemDireita + (i - 1) * kPassoBotoes, 7);
    Par& p = m_pares[i];
    // The twin first, so that the active panel starts in front.
    for (bool ativo : {false, true}) {
      const QString sufixo = QLatin1String(n.sufixo) + (ativo ? QString() : QStringLiteral("Inativo"));
      auto* painel = new FundoBotao(ativo, dono);
      painel->setObjectName(QStringLiteral("btn") + sufixo);
      painel->setGeometry(QRect(pos, QSize(kLarguraBotao, kAlturaBotao)));
      auto* speed = new QToolButton(painel);
      speed->setObjectName(QStringLiteral("SpeedBtn") + sufixo);
      speed->setText(QString::fromUtf8(n.caption));
      speed->setAutoRaise(true);
      speed->setFocusPolicy(Qt::NoFocus);
      speed->setFont(PaletaTolv::arial(8));
      speed->setGeometry(1, 1, kLarguraBotao - 2, kAlturaBotao - 2);
      speed->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; padding-left: 16px; }"
                                     "QToolButton:hover { text-decoration: underline; }"));
      pintaTexto(speed, ativo ? kTextoAtivo : kTextoInativo);
      // The picture lets the clicks through to the button under it.
      auto* imagem = new QLabel(painel);
      imagem->setObjectName(QStringLiteral("Img") + sufixo);
      imagem->setPixmap(QPixmap::fromImage(ArteAssistente::glifo(n.glifo, ativo)));
      imagem->setGeometry(6, (kAlturaBotao - 16) / 2, 16, 16);
      imagem->setAttribute(Qt::WA_TransparentForMouseEvents);
      if (ativo) {
        p.painel = painel;
        p.speed = speed;
      } else {
        p.inativo = painel;
        painel->setEnabled(false);
      }
    }
  }
  connect(m_pares[0].speed, &QToolButton::clicked, this, [this] { guardado(&TFormAssistBase::CancelBtnClick); });
  connect(m_pares[1].speed, &QToolButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnRetornarClick); });
  connect(m_pares[2].speed, &QToolButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnAvancarClick); });
  connect(m_pares[3].speed, &QToolButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnOKClick); });

  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_pnInferior, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_pnEsquerda, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_pnDireita, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_linhaRodape, kLinhaRodape);

  // Key preview: the form sees Enter and Esc before whatever control has the focus.
  qApp->installEventFilter(this);
  dispoe();
}

TFormAssistNovo::~TFormAssistNovo() = default;

void TFormAssistNovo::AdicionaEstado(std::unique_ptr<TEstadoNovo> estado) { adicionaEstado(std::move(estado)); }

TFormAssistNovo::Par& TFormAssistNovo::par(Botao botao) const { return m_pares[int(botao)]; }

QWidget* TFormAssistNovo::PainelBotao(Botao botao) const { return par(botao).painel; }
QWidget* TFormAssistNovo::PainelInativo(Botao botao) const { return par(botao).inativo; }
QToolButton* TFormAssistNovo::SpeedBtn(Botao botao) const { return par(botao).speed; }

void TFormAssistNovo::DefineAjudaBotoes(int contexto) {
  for (Botao b : {Botao::Cancelar, Botao::Voltar, Botao::Avancar, Botao::Concluir})
    SpeedBtn(b)->setProperty("HelpContext", contexto);
}

void TFormAssistNovo::habilita(Botao botao, bool habilita) {
  Par& p = par(botao);
  p.painel->setEnabled(habilita);
  p.inativo->setEnabled(false);
  if (habilita)
    p.painel->raise();
  else
    p.inativo->raise();
}

void TFormAssistNovo::HabilitaCancelar(bool h) { habilita(Botao::Cancelar, h); }
void TFormAssistNovo::HabilitaVoltar(bool h) { habilita(Botao::Voltar, h); }
void TFormAssistNovo::HabilitaConcluir(bool h) { habilita(Botao::Concluir, h); }

void TFormAssistNovo::HabilitaAvancar(bool h) {
  m_avancarHabilitado = h;
  habilita(Botao::Avancar, h);
}

void TFormAssistNovo::BtnAvancarClick() {
  if (!m_avancarHabilitado) return;
  TFormAssistBase::BtnAvancarClick();
}

void TFormAssistNovo::aposVoltar() { HabilitaAvancar(true); }

bool TFormAssistNovo::FormKeyDown(int tecla) {
  if (tecla == Qt::Key_Return || tecla == Qt::Key_Enter) {
    guardado(&TFormAssistBase::BtnAvancarClick);
    return true;
  }
  if (tecla == Qt::Key_Escape) {
    guardado(&TFormAssistBase::CancelBtnClick);
    return true;
  }
  return false;
}

bool TFormAssistNovo::eventFilter(QObject* objeto, QEvent* evento) {
  if (evento->type() == QEvent::KeyPress && objeto->isWidgetType() &&
      static_cast<QWidget*>(objeto)->window() == this && isVisible()) {
    if (!FormKeyDown(static_cast<QKeyEvent*>(evento)->key())) return false;
    // A key that arrives unaccepted goes on to every parent of its control, each time through
    // this filter: taken here, it ends here, or one Enter would step several pages.
    evento->accept();
    return true;
  }
  return TFormAssistBase::eventFilter(objeto, evento);
}

QWidget* TFormAssistNovo::CriaPainel(int pagina) {
  auto* painel = new QWidget(m_areaPaginas);
  painel->setObjectName(QStringLiteral("PnPagina%1").arg(pagina));
  painel->setGeometry(m_areaPaginas->rect());
  painel->hide();
  delete Painel(pagina);
  m_paineis[pagina] = painel;
  return painel;
}

QWidget* TFormAssistNovo::Painel(int pagina) const {
  const auto it = m_paineis.find(pagina);
  return it == m_paineis.end() ? nullptr : it->second;
}

void TFormAssistNovo::MostraPainel(int pagina) {
  if (QWidget* anterior = Painel(PaginaAtual()); anterior && PaginaAtual() != pagina) anterior->hide();
  if (QWidget* painel = Painel(pagina)) painel->show();
  SetPaginaAtual(pagina);
}

void TFormAssistNovo::resizeEvent(QResizeEvent* evento) {
  TFormAssistBase::resizeEvent(evento);
  dispoe();
}

void TFormAssistNovo::dispoe() {
  const int w = width();
  const int h = height();
  m_areaPaginas->setGeometry(0, 0, w, h - kAlturaRodape);
  for (const auto& [pagina, painel] : m_paineis) painel->setGeometry(m_areaPaginas->rect());
  m_pnInferior->setGeometry(0, h - kAlturaRodape, w, kAlturaRodape);
  m_linhaRodape->setGeometry(0, 0, w, 1);
  m_pnEsquerda->setGeometry(0, 1, kLarguraEsquerda, kAlturaRodape - 1);
  m_pnDireita->setGeometry(w - kLarguraDireita, 1, kLarguraDireita, kAlturaRodape - 1);
}
