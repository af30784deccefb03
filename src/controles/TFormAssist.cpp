#include "controles/TFormAssist.h"

#include <QLabel>
#include <QPushButton>

#include "controles/ArteAssistente.h"
#include "controles/PaletaTolv.h"
#include "controles/TFormAssistNovo.h"

namespace {

constexpr QRgb kLinhaRodape = 0xB9D0DE;
constexpr int kLarguraEsquerda = 120;

QPushButton* botao(const QString& nome, const QString& caption, ArteAssistente::Glifo glifo, QWidget* pai) {
  auto* b = new QPushButton(caption, pai);
  b->setObjectName(nome);
  b->setIcon(QIcon(QPixmap::fromImage(ArteAssistente::glifo(glifo))));
  b->resize(TFormAssistNovo::kLarguraBotao, TFormAssistNovo::kAlturaBotao);
  return b;
}

}  // namespace

TFormAssist::TFormAssist(QWidget* dono) : TFormAssistBase(dono) {
  setObjectName(QStringLiteral("FormAssist"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(PaletaTolv::arial(8));
  resize(560, 380);

  m_areaPaginas = new QWidget(this);
  m_areaPaginas->setObjectName(QStringLiteral("PnPaginas"));
  m_pnInferior = new QWidget(this);
  m_pnInferior->setObjectName(QStringLiteral("PnInferior"));
  m_shape2 = new QWidget(m_pnInferior);
  m_shape2->setObjectName(QStringLiteral("Shape2"));
  m_pnEsquerda = new QWidget(m_pnInferior);
  m_pnEsquerda->setObjectName(QStringLiteral("PnEsquerda"));
  m_pnDireita = new QWidget(m_pnInferior);
  m_pnDireita->setObjectName(QStringLiteral("PnDireita"));

  using G = ArteAssistente::Glifo;
  m_cancelBtn = botao(QStringLiteral("CancelBtn"), QStringLiteral("&Cancelar"), G::Cancelar, m_pnEsquerda);
  m_cancelBtn->move(15, 7);
  m_btnRetornar = botao(QStringLiteral("BtnRetornar"), QStringLiteral("&Voltar"), G::Voltar, m_pnDireita);
  m_btnRetornar->move(25, 7);
  m_btnRetornar->setEnabled(false);
  m_btnAvancar = botao(QStringLiteral("BtnAvancar"), QStringLiteral("&Avançar"), G::Avancar, m_pnDireita);
  m_btnAvancar->move(125, 7);
  m_btnAvancar->setDefault(true);
  m_btnOK = botao(QStringLiteral("BtnOK"), QStringLiteral("C&oncluir"), G::Concluir, m_pnDireita);
  m_btnOK->move(225, 7);
  m_imgFechar = new QLabel(m_btnOK);
  m_imgFechar->setObjectName(QStringLiteral("ImgFechar"));
  m_imgFechar->setPixmap(QPixmap::fromImage(ArteAssistente::glifo(G::Fechar)));
  m_imgFechar->setGeometry(6, (TFormAssistNovo::kAlturaBotao - 16) / 2, 16, 16);
  m_imgFechar->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_imgFechar->hide();

  connect(m_cancelBtn, &QPushButton::clicked, this, [this] { guardado(&TFormAssistBase::CancelBtnClick); });
  connect(m_btnRetornar, &QPushButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnRetornarClick); });
  connect(m_btnAvancar, &QPushButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnAvancarClick); });
  connect(m_btnOK, &QPushButton::clicked, this, [this] { guardado(&TFormAssistBase::BtnOKClick); });

  PaletaTolv::pinta(m_pnInferior, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_pnEsquerda, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_pnDireita, PaletaTolv::kFundo);
  PaletaTolv::pinta(m_shape2, kLinhaRodape);
  dispoe();
}

TFormAssist::~TFormAssist() = default;

void TFormAssist::AdicionaEstado(std::unique_ptr<TEstado> estado) { adicionaEstado(std::move(estado)); }

void TFormAssist::resizeEvent(QResizeEvent* evento) {
  TFormAssistBase::resizeEvent(evento);
  dispoe();
}

void TFormAssist::dispoe() {
  const int w = width();
  const int h = height();
  const int rodape = TFormAssistNovo::kAlturaRodape;
  m_areaPaginas->setGeometry(0, 0, w, h - rodape);
  m_pnInferior->setGeometry(0, h - rodape, w, rodape);
  m_shape2->setGeometry(0, 0, w, 1);
  m_pnEsquerda->setGeometry(0, 1, kLarguraEsquerda, rodape - 1);
  m_pnDireita->setGeometry(w - TFormAssistNovo::kLarguraDireita, 1, TFormAssistNovo::kLarguraDireita, rodape - 1);
}
