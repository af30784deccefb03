#include "interface/TFrBeneficiarios.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QProgressDialog>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <optional>

#include "controles/ControleDados.h"
#include "controles/MolduraTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "controles/TTolvGridCompensacao.h"
#include "controles/TTolvGridIsentos.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "controles/TTolvGridSubJudiceDeducoes.h"
#include "interface/MontagemArvore.h"
#include "interface/TfrmPesquisarFundo.h"
#include "interface/TfrmPesquisarProcesso.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTzuqTree.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/CursorEspera.h"
#include "nucleo/Erros.h"
#include "nucleo/Ni.h"
#include "nucleo/TAdvogadoAnexo.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr int kOutrosInvalido = 235;
constexpr int kOutrosSemValor = 236;
const QString kSemLaudo = QStringLiteral("30/12/1899");
const QString kFormatoData = QStringLiteral("dd/MM/yyyy");
const QDate kDataVazia(1899, 12, 30);
constexpr QRgb kSomenteLeitura = 0xE1E1E1;
constexpr QRgb kFundoEntrada = 0xDFE8ED;
constexpr int kAlturaSubPaginas = 268;

bool podeFocar(const QWidget* w) { return w && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus; }

enum class Glifo { Pesquisar, Primeiro, Anterior, Proximo, Ultimo, Inclui, Exclui, Desfaz };

// The buttons' pictures, drawn in the colour of the page's headings.
QImage desenha(Glifo g) {
  QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor cor(0x57, 0x87, 0x9F);
  p.setPen(QPen(cor, 1.6));
  p.setBrush(cor);
  const auto triangulo = [&p](bool direita, double x) {
    QPainterPath t;
    if (direita) {
      t.moveTo(x, 3);
      t.lineTo(x + 6, 8);
      t.lineTo(x, 13);
    } else {
      t.moveTo(x + 6, 3);
      t.lineTo(x, 8);
      t.lineTo(x + 6, 13);
    }
    t.closeSubpath();
    p.drawPath(t);
  };
  switch (g) {
    case Glifo::Pesquisar:
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QRectF(2, 2, 8, 8));
      p.drawLine(QPointF(9, 9), QPointF(14, 14));
      break;
    case Glifo::Primeiro:
      p.drawLine(QPointF(3, 3), QPointF(3, 13));
      triangulo(false, 5);
      break;
    case Glifo::Anterior:
      triangulo(false, 5);
      break;
    case Glifo::Proximo:
      triangulo(true, 5);
      break;
    case Glifo::Ultimo:
      triangulo(true, 5);
      p.drawLine(QPointF(13, 3), QPointF(13, 13));
      break;
    case Glifo::Inclui:
      p.setPen(QPen(cor, 2.2));
      p.drawLine(QPointF(8, 3), QPointF(8, 13));
      p.drawLine(QPointF(3, 8), QPointF(13, 8));
      break;
    case Glifo::Exclui:
      p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 2.2));
      p.drawLine(QPointF(4, 4), QPointF(12, 12));
      p.drawLine(QPointF(12, 4), QPointF(4, 12));
      break;
    case Glifo::Desfaz: {
      p.setBrush(Qt::NoBrush);
      p.drawArc(QRectF(3, 4, 10, 9), 90 * 16, -270 * 16);
      QPainterPath ponta;
      ponta.moveTo(8, 1.5);
      ponta.lineTo(4.5, 4);
      ponta.lineTo(8, 6.5);
      p.setBrush(cor);
      p.drawPath(ponta);
      break;
    }
  }
  return img;
}

// Whether any amount of month 13 is there to lose.
bool temDecimoTerceiro(TTolvItem& l) {
  using R = TRendimentosTributaveis;
  for (int s = 0; s < R::kSeries; ++s)
    if (!l.GetTributaveis().GetSerie(R::Serie(s)).Mes(13).GetValorInterno().ehZero() ||
        !l.GetSubJudice().GetSerie(R::Serie(s)).Mes(13).GetValorInterno().ehZero())
      return true;
  for (int s = 0; s < TRendimentosIsentos::kSeries; ++s)
    if (!l.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s)).Mes(13).GetValorInterno().ehZero()) return true;
  return !l.GetSubJudice().GetDepositos().Mes(13).GetValorInterno().ehZero() ||
         !l.GetCompensacao().GetSerieAnoAtual().Mes(13).GetValorInterno().ehZero() ||
         !l.GetCompensacao().GetSerieAnoAnterior().Mes(13).GetValorInterno().ehZero();
}

// A caption on the page's input panels.
QLabel* rotulo(const QString& texto, QWidget* pai) {
  auto* l = new QLabel(texto, pai);
  PaletaTolv::pinta(l, PaletaTolv::kCaixa, PaletaTolv::kTexto);
  l->setAutoFillBackground(false);
  return l;
}

// A tool button of the page's bars: no tab stop, so Tab walks the fields only.
TTolvButton* botao(const char* nome, QWidget* pai, Glifo g, const QString& dica) {
  auto* b = new TTolvButton(pai);
  b->setObjectName(QString::fromLatin1(nome));
  b->SetGlyph(desenha(g));
  b->setToolTip(dica);
  b->SetTabStop(false);
  b->setFixedSize(26, 24);
  return b;
}

}  // namespace

// The title bar: a long title is cut with an ellipsis at the page's width instead of widening the
// page; the whole title stays in its hint.
class RotuloTituloLinhas : public QLabel {
 public:
  using QLabel::QLabel;
  void define(const QString& texto) {
    m_texto = texto;
    setToolTip(texto);
    ajusta();
  }
  const QString& texto() const { return m_texto; }
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void resizeEvent(QResizeEvent* evento) override {
    QLabel::resizeEvent(evento);
    ajusta();
  }

 private:
  void ajusta() {
    const int largura = contentsRect().width() - indent() - 2;
    setText(largura > 0 ? fontMetrics().elidedText(m_texto, Qt::ElideRight, largura) : m_texto);
  }
  QString m_texto;
};

template <typename F>
void TFrBeneficiarios::acao(F&& f) {
  GuardaEventos::executa([&] {
    try {
      f();
    } catch (const TErro& e) {
      e.Mostra();
    }
  });
}

TFrBeneficiarios::TFrBeneficiarios(Modo modo, QWidget* pai) : TPaginaDeclaracao(pai), m_modo(modo) {
  setObjectName(modo == Modo::Declarante ? QStringLiteral("FrBeneficiariosTolv")
                : modo == Modo::Fundo    ? QStringLiteral("FrBeneficiariosAnexo")
                                         : QStringLiteral("FrBeneficiariosAdv"));
  criaControles();
}

TFrBeneficiarios::~TFrBeneficiarios() { associa(false); }

void TFrBeneficiarios::criaControles() {
  PaletaTolv::pinta(this, PaletaTolv::kFundo);
  setFont(PaletaTolv::arial(8));
  const QColor moldura = PaletaTolv::cor(0xDED0B9);
  const QColor caixa = PaletaTolv::cor(0xEDE8DF);

  const auto secao = [](const QString& texto, QWidget* pai) {
    auto* l = new QLabel(texto, pai);
    l->setFont(PaletaTolv::arial(8, true));
    PaletaTolv::pinta(l, PaletaTolv::kFundo, 0x57879F);
    l->setAutoFillBackground(false);
    return l;
  };
  const auto edit = [](const char* nome, QWidget* pai, TTipoDeDado tipo, int limite) {
    auto* e = new TTolvEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->SetTipoDeDado(tipo);
    e->SetLimiteTexto(limite);
    return e;
  };
  const auto somenteLeitura = [](QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, PaletaTolv::cor(kSomenteLeitura));
    w->setPalette(p);
  };

  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(0, 0, 0, 0);
  principal->setSpacing(0);

  m_pnlDesc = new RotuloTituloLinhas(this);
  m_pnlDesc->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  m_pnlDesc->setObjectName(QStringLiteral("pnlDesc"));
  m_pnlDesc->setFont(PaletaTolv::arial(11));
  PaletaTolv::pinta(m_pnlDesc, PaletaTolv::kFundo, 0x002D52);
  m_pnlDesc->setIndent(6);
  m_pnlDesc->setFixedHeight(21);
  principal->addWidget(m_pnlDesc);
  principal->addSpacing(3);
  if (m_modo != Modo::Declarante) criaIdentificacaoAnexo(principal);

  m_grpBeneficiario = new QWidget(this);
  m_grpBeneficiario->setObjectName(QStringLiteral("grpBeneficiario"));
  auto* lBenef = new QVBoxLayout(m_grpBeneficiario);
  lBenef->setContentsMargins(6, 0, 6, 2);
  lBenef->setSpacing(2);
  lBenef->addWidget(secao(QStringLiteral("  Identificação do beneficiário"), m_grpBeneficiario));
  auto* chave = new MolduraTolv(moldura, caixa, m_grpBeneficiario);
  m_pnChave = chave;
  m_pnChave->setObjectName(QStringLiteral("PnChaveTolvItem"));
  auto* lChave = chave->layoutInterno(5);
  lChave->setSpacing(4);

  m_panel2 = new QWidget(chave);
  m_panel2->setObjectName(QStringLiteral("Panel2"));
  auto* l2 = new QHBoxLayout(m_panel2);
  l2->setContentsMargins(0, 0, 0, 0);
  l2->setSpacing(6);
  m_pnlNiBenef = new QWidget(m_panel2);
  m_pnlNiBenef->setObjectName(QStringLiteral("pnlNiBenef"));
  auto* lNi = new QHBoxLayout(m_pnlNiBenef);
  lNi->setContentsMargins(0, 0, 0, 0);
  lNi->setSpacing(6);
  lNi->addWidget(rotulo(QStringLiteral("CPF/CNPJ"), m_pnlNiBenef));
  m_deCpfCnpj = edit("DeCpfCnpjBenef", m_pnlNiBenef, TTipoDeDado::ApenasNumeros, 14);
  m_deCpfCnpj->setFixedWidth(120);
  lNi->addWidget(m_deCpfCnpj);
  l2->addWidget(m_pnlNiBenef);
  l2->addWidget(rotulo(QStringLiteral("Nome/Nome empresarial"), m_panel2));
  m_deNome = edit("DeNomeBenef", m_panel2, TTipoDeDado::AlfaNumerico, 60);
  l2->addWidget(m_deNome, 1);
  m_lblContador = rotulo(QString(), m_panel2);
  m_lblContador->setObjectName(QStringLiteral("lblContador"));
  m_lblContador->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_lblContador->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("999999/999999")) + 4);
  l2->addWidget(m_lblContador);
  lChave->addWidget(m_panel2);

  auto* linhaCodigo = new QHBoxLayout;
  linhaCodigo->setSpacing(6);
  linhaCodigo->addWidget(rotulo(QStringLiteral("Código de receita"), chave));
  m_dblcCodRet = new QComboBox(chave);
  m_dblcCodRet->setObjectName(QStringLiteral("DblcCodRet"));
  m_dblcCodRet->setEditable(true);
  m_dblcCodRet->setInsertPolicy(QComboBox::NoInsert);
  m_dblcCodRet->setMaxVisibleItems(12);
  m_dblcCodRet->setFixedWidth(70);
  m_dblcCodRet->setToolTip(QStringLiteral("Código de receita.  Para descrição completa consulte a ajuda."));
  m_dblcCodRet->lineEdit()->setMaxLength(4);
  m_dblcCodRet->lineEdit()->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), m_dblcCodRet));
  m_dblcCodRet->setCompleter(nullptr);
  m_modeloCodigos = new QStandardItemModel(0, 2, m_dblcCodRet);
  m_modeloCodigos->setHorizontalHeaderLabels({QStringLiteral("  Código"), QStringLiteral("Descrição")});
  auto* lista = new QTreeView(m_dblcCodRet);
  lista->setRootIsDecorated(false);
  lista->setAllColumnsShowFocus(true);
  lista->header()->setStretchLastSection(true);
  m_dblcCodRet->setModel(m_modeloCodigos);
  m_dblcCodRet->setView(lista);
  lista->setMinimumWidth(560);
  lista->setColumnWidth(0, 60);
  linhaCodigo->addWidget(m_dblcCodRet);
  m_edtDescricao = new QLineEdit(chave);
  m_edtDescricao->setObjectName(QStringLiteral("edtCdDescricao"));
  m_edtDescricao->setReadOnly(true);
  m_edtDescricao->setFocusPolicy(Qt::NoFocus);
  somenteLeitura(m_edtDescricao);
  linhaCodigo->addWidget(m_edtDescricao, 1);
  lChave->addLayout(linhaCodigo);
  lBenef->addWidget(chave);

  m_panel10 = new QWidget(m_grpBeneficiario);
  m_panel10->setObjectName(QStringLiteral("Panel10"));
  auto* l10 = new QHBoxLayout(m_panel10);
  l10->setContentsMargins(0, 2, 0, 0);
  l10->setSpacing(2);
  m_btnPesqBen = botao("btnPesqBen", m_panel10, Glifo::Pesquisar, QStringLiteral("Pesquisa beneficiário"));
  m_bbFirst = botao("BbFirst", m_panel10, Glifo::Primeiro, QStringLiteral("Primeiro beneficiário"));
  m_bbPrior = botao("BbPrior", m_panel10, Glifo::Anterior, QStringLiteral("Beneficiário anterior"));
  m_bbNext = botao("BbNext", m_panel10, Glifo::Proximo, QStringLiteral("Próximo beneficiário"));
  m_bbLast = botao("BbLast", m_panel10, Glifo::Ultimo, QStringLiteral("Último beneficiário"));
  m_bbAdd = botao("BbAdd", m_panel10, Glifo::Inclui, QStringLiteral("Inclui beneficiário"));
  m_bbDelete = botao("BbDelete", m_panel10, Glifo::Exclui, QStringLiteral("Exclui o beneficiário"));
  m_bbDesfazer =
      botao("BbDesfazer", m_panel10, Glifo::Desfaz, QStringLiteral("Desfaz as últimas alterações do beneficiário"));
  l10->addWidget(m_btnPesqBen);
  l10->addSpacing(8);
  for (TTolvButton* b : {m_bbFirst, m_bbPrior, m_bbNext, m_bbLast}) l10->addWidget(b);
  l10->addSpacing(8);
  for (TTolvButton* b : {m_bbAdd, m_bbDelete, m_bbDesfazer}) l10->addWidget(b);
  l10->addStretch(1);
  lBenef->addWidget(m_panel10);

  auto* fMolestia = new MolduraTolv(moldura, caixa, m_grpBeneficiario);
  m_pnlMolestia = fMolestia;
  m_pnlMolestia->setObjectName(QStringLiteral("pnlMolestia"));
  auto* lMolestia = new QHBoxLayout;
  lMolestia->setSpacing(6);
  fMolestia->layoutInterno(4)->addLayout(lMolestia);
  m_pnlChkMolestia = new QWidget(fMolestia);
  m_pnlChkMolestia->setObjectName(QStringLiteral("pnlChkMolestia"));
  auto* lChk = new QHBoxLayout(m_pnlChkMolestia);
  lChk->setContentsMargins(0, 0, 0, 0);
  m_chkMolestia = new QCheckBox(QStringLiteral("Beneficiário é portador de moléstia grave atestada por laudo médico"),
                                m_pnlChkMolestia);
  m_chkMolestia->setObjectName(QStringLiteral("chkMolestia"));
  lChk->addWidget(m_chkMolestia);
  lMolestia->addWidget(m_pnlChkMolestia);
  m_pnlDtMolestia = new QWidget(fMolestia);
  m_pnlDtMolestia->setObjectName(QStringLiteral("pnlDtMolestia"));
  auto* lData = new QHBoxLayout(m_pnlDtMolestia);
  lData->setContentsMargins(0, 0, 0, 0);
  lData->setSpacing(6);
  lData->addWidget(rotulo(QStringLiteral("Data atribuída pelo laudo"), m_pnlDtMolestia));
  m_edtDataMolestia = new QDateEdit(m_pnlDtMolestia);
  m_edtDataMolestia->setObjectName(QStringLiteral("edtDataMolestia"));
  m_edtDataMolestia->setDisplayFormat(kFormatoData);
  m_edtDataMolestia->setCalendarPopup(true);
  m_edtDataMolestia->setMinimumDate(kDataVazia);
  m_edtDataMolestia->setSpecialValueText(QStringLiteral(" "));
  m_edtDataMolestia->setDate(kDataVazia);
  m_edtDataMolestia->setFixedWidth(105);
  m_edtDataMolestia->setContextMenuPolicy(Qt::NoContextMenu);
  m_edtDataMolestia->calendarWidget()->installEventFilter(this);
  m_edtDataMolestia->installEventFilter(this);
  connect(m_edtDataMolestia, &QDateEdit::dateChanged, this, [this] { m_dataAlterada = true; });
  lData->addWidget(m_edtDataMolestia);
  lMolestia->addWidget(m_pnlDtMolestia);
  lMolestia->addStretch(1);
  lBenef->addWidget(fMolestia);
  principal->addWidget(m_grpBeneficiario);

  m_pcTolvItem = new QStackedWidget(this);
  m_pcTolvItem->setObjectName(QStringLiteral("PCTolvItem"));
  const auto folha = [this](const char* nome, QWidget* grade) {
    auto* f = new QWidget(m_pcTolvItem);
    f->setObjectName(QString::fromLatin1(nome));
    auto* l = new QHBoxLayout(f);
    l->setContentsMargins(6, 2, 6, 0);
    grade->setParent(f);
    grade->setFixedSize(590, 269);
    l->addWidget(grade);
    l->addStretch(1);
    m_pcTolvItem->addWidget(f);
  };
  m_dgrRendimentos = new TTolvGridRendimentosDeducoes(this);
  m_dgrRendimentos->setObjectName(QStringLiteral("DgrRendimentosDeducoes"));
  m_dgcCompensacao = new TTolvGridCompensacao(this);
  m_dgcCompensacao->setObjectName(QStringLiteral("DgcCompensacao"));
  m_dgsSubJudice = new TTolvGridSubJudiceDeducoes(this);
  m_dgsSubJudice->setObjectName(QStringLiteral("DgsSubJudiceDeducoes"));
  m_dgsIsentos = new TTolvGridIsentos(this);
  m_dgsIsentos->setObjectName(QStringLiteral("DgsRendimentosIsentos"));
  folha("TSRendimentosTrib", m_dgrRendimentos);
  folha("TSCompensacao", m_dgcCompensacao);
  folha("TSSubJudice", m_dgsSubJudice);
  folha("TsRendimentosIsentos", m_dgsIsentos);
  m_pcTolvItem->setFixedHeight(kAlturaSubPaginas + 4);
  principal->addWidget(m_pcTolvItem);

  m_panel6 = new QWidget(this);
  m_panel6->setObjectName(QStringLiteral("Panel6"));
  auto* l6 = new QVBoxLayout(m_panel6);
  l6->setContentsMargins(6, 4, 6, 0);
  l6->setSpacing(2);
  auto* titulo6 = secao(QStringLiteral("  Rendimentos isentos anuais"), m_panel6);
  titulo6->setObjectName(QStringLiteral("Panel7"));
  l6->addWidget(titulo6);
  auto* grp = new MolduraTolv(moldura, caixa, m_panel6);
  grp->setObjectName(QStringLiteral("grpRendimentosAnuais"));
  auto* lGrp = grp->layoutInterno(5);
  lGrp->setSpacing(3);
  const auto painelAnual = [&](const char* nome, const QString& texto, TTolvEdit*& valor, const char* nomeValor,
                               TTolvEdit** descricao) {
    auto* p = new QWidget(grp);
    p->setObjectName(QString::fromLatin1(nome));
    auto* l = new QHBoxLayout(p);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(6);
    auto* r = rotulo(texto, p);
    r->setWordWrap(true);
    l->addWidget(r, 1);
    if (descricao) {
      *descricao = edit("edtAnualEspecificarOutros", p, TTipoDeDado::AlfaNumerico, 60);
      (*descricao)->setToolTip(QStringLiteral("Especificação dos demais rendimentos isentos."));
      (*descricao)->setMinimumWidth(260);
      l->addWidget(*descricao, 1);
    }
    valor = edit(nomeValor, p, TTipoDeDado::Numerico, 0);
    valor->setFixedWidth(120);
    valor->SetAlignment(Qt::AlignRight);
    l->addWidget(valor);
    lGrp->addWidget(p);
    return p;
  };
  m_pnlLucros = painelAnual("pnlLucros", QStringLiteral("Lucros e dividendos pagos a partir de 1996"), m_edtAnualLucros,
                            "edtAnualLucrosDiv96", nullptr);
  m_pnlTitular = painelAnual("pnlTitular",
                             QStringLiteral("Valores pagos a titular ou sócio de microempresa ou empresa de pequeno "
                                            "porte, exceto pró-labore e aluguéis"),
                             m_edtAnualTitular, "edtAnualTitularSocio", nullptr);
  m_pnlOutros = painelAnual("pnlOutros", QStringLiteral("Outros (especificar)"), m_edtAnualOutros, "edtAnualOutros",
                            &m_edtAnualDescricao);
  m_edtAnualOutros->setToolTip(QStringLiteral("Total dos demais rendimentos isentos."));
  l6->addWidget(grp);
  principal->addWidget(m_panel6);
  principal->addStretch(1);

  setTabOrder(m_deCpfCnpj, m_deNome);
  setTabOrder(m_deNome, m_dblcCodRet);
  setTabOrder(m_dblcCodRet, m_chkMolestia);
  setTabOrder(m_chkMolestia, m_edtDataMolestia);
  setTabOrder(m_edtDataMolestia, m_dgrRendimentos);

  // Buttons.
  const auto liga = [this](TTolvButton* b, void (TFrBeneficiarios::*f)()) {
    connect(b, &QAbstractButton::clicked, this, [this, f] { (this->*f)(); });
  };
  liga(m_bbFirst, &TFrBeneficiarios::BbFirstClick);
  liga(m_bbPrior, &TFrBeneficiarios::BbPriorClick);
  liga(m_bbNext, &TFrBeneficiarios::BbNextClick);
  liga(m_bbLast, &TFrBeneficiarios::BbLastClick);
  liga(m_bbAdd, &TFrBeneficiarios::BbAddClick);
  liga(m_bbDelete, &TFrBeneficiarios::BbDeleteClick);
  liga(m_bbDesfazer, &TFrBeneficiarios::BbDesfazerClick);
  connect(m_btnPesqBen, &QAbstractButton::clicked, this, [this] {
    emit PedePesquisa(m_modo == Modo::Processo ? 1 : m_modo == Modo::Declarante ? 2 : 0);
  });

  // The code box.
  connect(m_dblcCodRet, &QComboBox::editTextChanged, this, [this](const QString& t) { codigoMudou(t); });
  connect(m_dblcCodRet, qOverload<int>(&QComboBox::activated), this, [this] {
    // A typed code that matches an item is "activated" too as the box loses the focus: its exit
    // applies it then, and a refusal keeps the focus there.
    QWidget* foco = QApplication::focusWidget();
    if (foco != m_dblcCodRet && foco != m_dblcCodRet->lineEdit()) return;
    acao([this] { codigoEscolhido(); });
  });
  m_dblcCodRet->lineEdit()->installEventFilter(this);
  m_dblcCodRet->installEventFilter(this);
  m_chkMolestia->installEventFilter(this);
  connect(m_chkMolestia, &QCheckBox::toggled, this, [this](bool marcado) {
    if (!m_redesenhando) acao([this, marcado] { aoMarcarMolestia(marcado); });
  });
  connect(m_dgrRendimentos, &TTolvCustomGrid::OnPressEnter, this, [this] { BbAddClick(); });
  // A number typed to its last character moves on by itself.
  connect(m_deCpfCnpj, &QLineEdit::textEdited, this, [this](const QString& texto) {
    if (texto.size() >= m_deCpfCnpj->LimiteTexto() && m_deCpfCnpj->cursorPosition() == texto.size())
      m_deCpfCnpj->AvancaFoco();
  });
  connect(m_edtAnualDescricao, &QLineEdit::textEdited, this, [this] {
    if (m_logica) m_logica->Linha().GetIsentos().SetModificado(true);
  });

  TRastreadorFoco& r = TRastreadorFoco::instancia();
  // The lines of an annex wait for the annex: its identification is keyed first.
  const auto antesOAnexo = [this](QWidget*) {
    if (podeTrabalhar()) levaAIdentificacao(false);
  };
  r.registra(m_grpBeneficiario, [](QWidget*) { return true; }, antesOAnexo);
  r.registra(m_deCpfCnpj, [this](QWidget*) {
    if (!podeTrabalhar()) return true;
    const bool pessoa = m_logica->Linha().GetBeneficiario().GetTipo() == kNiCpf;
    m_deNome->SetLimiteTexto(pessoa ? 60 : 150);
    acao([this] { m_logica->ValidaChave(false); });
    return true;
  });
  r.registra(
      m_pnlNiBenef,
      [this](QWidget*) {
        if (!podeTrabalhar()) return true;
        bool segue = true;
        acao([this, &segue] { segue = m_logica->SaiPainelNumero(); });
        return segue;
      },
      [this](QWidget*) {
        if (podeTrabalhar() && !m_indoAoCampo) RefazTela();
      });
  r.registra(
      m_deNome,
      [this](QWidget*) {
        if (!podeTrabalhar()) return true;
        acao([this] { m_logica->ValidaChave(true); });
        return true;
      },
      [this](QWidget*) {
        if (podeTrabalhar() && !m_indoAoCampo && m_logica->Linha().GetBeneficiario().GetNiDigitos().isEmpty())
          focaCampo(Campo::Numero);
      });
  r.registra(m_panel2, [this](QWidget* destino) { return saiPainelNome(destino); });
  r.registra(
      m_dblcCodRet, [this](QWidget* destino) { return saiCodigo(destino); },
      [this](QWidget*) {
        if (!podeTrabalhar() || m_indoAoCampo) return;
        const TBeneficiarioTolv& b = m_logica->Linha().GetBeneficiario();
        if (b.GetNiDigitos().isEmpty() || b.GetNome().GetValor().isEmpty()) focaCampo(Campo::Numero);
      });
  r.registra(
      m_pnChave, [this](QWidget* destino) { return saiChave(destino); },
      [this](QWidget*) {
        if (podeTrabalhar()) atualizaDescricao();
      });
  r.registra(
      m_pcTolvItem,
      [this](QWidget*) {
        salvaNaSaida();
        return true;
      },
      [this](QWidget*) {
        if (!podeTrabalhar() || m_indoAoCampo || levaAIdentificacao(false)) return;
        if (m_logica->Linha().GetBeneficiario().GetNiDigitos().isEmpty()) focaCampo(Campo::Numero);
      });
  r.registra(
      m_panel6,
      [this](QWidget*) {
        salvaNaSaida();
        return true;
      },
      antesOAnexo);
  r.registra(m_edtAnualDescricao, [this](QWidget*) {
    acao([this] { verificaOutros(true); });
    return true;
  });
  r.registra(m_edtAnualOutros, [this](QWidget*) {
    acao([this] { verificaOutros(false); });
    return true;
  });
  r.registra(m_edtDataMolestia, [this](QWidget*) {
    acao([this] { aoSairData(); });
    return true;
  });
  r.registra(m_pnlDtMolestia, [this](QWidget*) {
    if (podeTrabalhar() && m_logica->LinhaModificada()) salvaNaSaida();
    return true;
  });

  m_pnlMolestia->hide();
  m_panel6->hide();
  // A process's court fixes the code of its lines.
  if (m_modo == Modo::Processo) m_dblcCodRet->setEnabled(false);
  atualizaBotoes();
}

void TFrBeneficiarios::associa(bool associar) {
  TTolvItem* linha = associar && m_logica ? &m_logica->Linha() : nullptr;
  m_deCpfCnpj->AssociaDado(linha ? &linha->GetBeneficiario() : nullptr);
  m_deNome->AssociaDado(linha ? &linha->GetBeneficiario().GetNome() : nullptr);
  for (TTolvGridMeses* g :
       std::initializer_list<TTolvGridMeses*>{m_dgrRendimentos, m_dgcCompensacao, m_dgsSubJudice, m_dgsIsentos})
    g->SetTolvItem(linha);
  m_edtAnualLucros->AssociaDado(linha ? &linha->GetIsentos().GetAnualLucrosDiv96() : nullptr);
  m_edtAnualTitular->AssociaDado(linha ? &linha->GetIsentos().GetAnualTitularSocio() : nullptr);
  m_edtAnualOutros->AssociaDado(linha ? &linha->GetIsentos().GetAnualOutros() : nullptr);
  m_edtAnualDescricao->AssociaDado(linha ? &linha->GetIsentos().GetAnualEspecificarOutros() : nullptr);
}

bool TFrBeneficiarios::podeTrabalhar() const { return m_logica && !m_indoAoCampo && !m_redesenhando; }

void TFrBeneficiarios::Inicializa(const TContextoPagina& contexto) {
  if (contexto.declaracao) Inicializa(*contexto.declaracao);
}

void TFrBeneficiarios::Inicializa(TTolv& declaracao) {
  Finaliza();
  m_declaracao = &declaracao;
  bool ok = false;
  const int ano = declaracao.GetAnoCalendario().toInt(&ok);
  m_edtDataMolestia->setMaximumDate(ok ? QDate(ano, 12, 31) : QDate(7999, 12, 31));
  if (m_modo != Modo::Declarante) m_anexos = std::make_unique<TLogicaAnexos>(declaracao, m_modo);
  m_logica = std::make_unique<TLogicaBeneficiarios>(
      declaracao, m_anexos ? static_cast<TTolvAnexo&>(m_anexos->Dono()) : static_cast<TTolvAnexo&>(declaracao), m_modo);
  m_logica->DefineFoca([this](Campo c) { focaCampo(c); });
  m_logica->DefineRedesenha([this] { RefazTela(); });
  m_logica->DefineMostraCodigo([this](const QString& codigo) {
    mostraCodigo(codigo);
    m_edtDescricao->setText(codigo.isEmpty() ? QString() : m_logica->Resumo(codigo));
    m_edtDescricao->setCursorPosition(0);
  });
  if (m_modo != Modo::Declarante) m_logica->DefineDonoSemChave([this] { levaAIdentificacao(true); });
  {
    CursorEspera espera;
    m_logica->CarregaItens();
  }
  if (m_anexos) inicializaAnexos(declaracao);
  associa(true);
  m_pcTolvItem->setCurrentIndex(0);
  m_edtDescricao->clear();
  RefazTela();
  m_bbLast->setEnabled(false);
  m_bbNext->setEnabled(false);
}

void TFrBeneficiarios::Finaliza() { liberaItem(); }

void TFrBeneficiarios::liberaItem() {
  associa(false);
  m_logica.reset();
  m_anexos.reset();
  m_listaMostrada = nullptr;
  m_declaracao = nullptr;
  m_naSaida = m_indoAoCampo = m_dataAlterada = false;
  m_lblContador->clear();
  atualizaBotoes();
}

int TFrBeneficiarios::NoBase() const { return m_modo == Modo::Declarante ? 201 : m_modo == Modo::Fundo ? 301 : 401; }

int TFrBeneficiarios::SubPagina() const { return m_pcTolvItem->currentIndex(); }

QString TFrBeneficiarios::Titulo() const { return m_pnlDesc->texto(); }

QString TFrBeneficiarios::Contador() const { return m_lblContador->text(); }

void TFrBeneficiarios::DefineTitulo(const QString& titulo) {
  if (!titulo.isEmpty()) m_pnlDesc->define(titulo);
}

void TFrBeneficiarios::TeclaAlt(int tecla, bool tecladoNumerico) {
  TTolvButton* botao = nullptr;
  // Within the identification the add, delete and undo keys act on the annex.
  if (m_pnIdentificacao && m_pnIdentificacao->isAncestorOf(window()->focusWidget())) {
    if (tecla == Qt::Key_Insert || (tecladoNumerico && tecla == Qt::Key_Plus))
      botao = m_bbAddFundo;
    else if (tecla == Qt::Key_Delete || (tecladoNumerico && tecla == Qt::Key_Minus))
      botao = m_bbDeleteFundo;
    else if (tecla == Qt::Key_Backspace)
      botao = m_bbDesfazerFundo;
    if (botao) {
      if (botao->isEnabled()) botao->click();
      return;
    }
  }
  switch (tecla) {
    case Qt::Key_Backspace:
      botao = m_bbDesfazer;
      break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
      botao = m_bbPrior;
      break;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
      botao = m_bbNext;
      break;
    case Qt::Key_Home:
      botao = m_bbFirst;
      break;
    case Qt::Key_End:
      botao = m_bbLast;
      break;
    case Qt::Key_Insert:
      botao = m_bbAdd;
      break;
    case Qt::Key_Delete:
      botao = m_bbDelete;
      break;
    case Qt::Key_Plus:
      if (tecladoNumerico) botao = m_bbAdd;
      break;
    case Qt::Key_Minus:
      if (tecladoNumerico) botao = m_bbDelete;
      break;
    default:
      break;
  }
  if (botao && botao->isEnabled()) botao->click();
}

void TFrBeneficiarios::mostraNo(int codigo) {
  QString titulo;
  if (TTzuqTree* arvore = TTzuqTree::Instancia()) arvore->SelecionaNo(codigo, titulo);
  if (titulo.isEmpty())
    if (const auto texto = TituloDoCodigo(codigo)) titulo = *texto;
  if (!titulo.isEmpty()) m_pnlDesc->define(titulo);
}

void TFrBeneficiarios::atualizaDescricao() {
  const int base = NoBase() - 1;
  switch (SubPagina()) {
    case 0: {
      const bool molestia = m_modo == Modo::Declarante ? m_pnlDtMolestia->isVisible() && m_pnlMolestia->isVisible()
                                                       : m_ultimaFicha == base + 6;
      mostraNo(base + (molestia ? 6 : 1));
      break;
    }
    case 1:
      mostraNo(base + 2);
      break;
    case 2:
      mostraNo(base + 3);
      break;
    case 3:
      if (m_modo != Modo::Processo) mostraNo(base + 4);
      break;
    default:
      break;
  }
}

void TFrBeneficiarios::descricaoInicial() { mostraNo(NoBase()); }

void TFrBeneficiarios::Entra() {
  if (!m_logica) return;
  acao([this] {
    TTolvItem& linha = m_logica->Linha();
    // Another page may have changed the stored line: the shown one is read again, unless the
    // user keyed into it.
    if (!m_logica->LinhaNova() && !m_logica->LinhaModificada()) m_logica->Itens().Busca(linha);
    // A process's court fixes the code of its lines.
    m_dblcCodRet->setEnabled(m_modo != Modo::Processo);
    RefazTela();
  });
}

bool TFrBeneficiarios::PodeSair() {
  if (!m_logica) return true;
  // One user action may ask twice (the main window, then the page container): the refusal
  // already shown stands for both.
  if (m_recusouAgora) return false;
  bool pode = false;
  acao([this, &pode] {
    QWidget* foco = window()->focusWidget();
    if (foco && isAncestorOf(foco)) {
      if (auto* edit = qobject_cast<TTolvCustomEdit*>(foco); edit && edit->Rejeitado()) edit->setModified(true);
      if (!ConfirmaControleDados(foco)) return;
      if (foco == m_edtDataMolestia) aoSairData();
    }
    m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
    pode = m_logica->DeixaLinha();
    RefazTela();
  });
  if (!pode) {
    m_recusouAgora = true;
    QTimer::singleShot(0, this, [this] { m_recusouAgora = false; });
  }
  return pode;
}

void TFrBeneficiarios::Posiciona(const QString& dono, const QString& objeto, int secao) {
  if (!m_logica) return;
  // The annex's own fields name the annex by the object key; the others by the owner key.
  const bool doAnexo = secao == 28 || secao == 29 || secao == 36 || secao == 37;
  const QString chaveAnexo = (secao == 28 || secao == 29 ? objeto : dono).trimmed();
  if (m_anexos && !chaveAnexo.isEmpty() &&
      (chaveAnexo != m_anexos->Dono().GetFonteDK() || chaveAnexo != m_anexos->Anexo().GetFonteDK()))
    PosicionaAnexo(chaveAnexo, m_modo == Modo::Processo ? 1 : 0);
  const QString chave = objeto.trimmed();
  if (!doAnexo && !chave.isEmpty() && chave != u"0" && chave != m_logica->Linha().GetTolvItemDK()) PosicionaItem(chave);
  vaiAoCampo(secao);
}

void TFrBeneficiarios::vaiAoCampo(int secao) {
  // The sections of the three pages: the declarant's, the fund's or process's (30 to 35, 59,
  // 60) and the process's own (38 to 43).
  int campo = secao;
  if (secao >= 30 && secao <= 35) campo = secao - 8;
  if (secao >= 38 && secao <= 43) campo = secao - 16;
  if (secao == 59 || secao == 60) campo = secao - 8;
  const auto subPagina = [this](int indice, QWidget* grade) {
    mostraSubPagina(indice);
    foca(grade);
  };
  switch (campo) {
    case 22:
      // A process's court fixes its code: its box leads on to the amounts.
      foca(podeFocar(m_dblcCodRet) ? static_cast<QWidget*>(m_dblcCodRet) : primeiraGrade());
      break;
    case 23:
      foca(m_deCpfCnpj);
      break;
    case 24:
      foca(m_deNome);
      break;
    case 25:
      subPagina(0, m_dgrRendimentos);
      break;
    case 26:
      subPagina(1, m_dgcCompensacao);
      break;
    case 27:
      subPagina(2, m_dgsSubJudice);
      break;
    case 50:
      if (m_modo == Modo::Declarante) subPagina(3, m_dgsIsentos);
      break;
    case 51:
    case 52:
      if (m_modo == Modo::Declarante) Entra();
      mostraSubPagina(3);
      RefazTelaDependeCodigo();
      foca(campo == 51 ? m_edtAnualOutros : m_edtAnualDescricao);
      break;
    case 28:
      foca(m_deCnpjFundo ? m_deCnpjFundo : m_deNrProcesso);
      mostraNo(m_modo == Modo::Processo ? 400 : 300);
      return;
    case 29:
      if (m_deNomeFundo) foca(m_deNomeFundo);
      mostraNo(m_modo == Modo::Processo ? 400 : 300);
      return;
    case 36:
    case 37:
      if (m_modo == Modo::Processo) {
        foca(campo == 36 ? m_deCpfCnpjAdv : m_deNomeAdv);
        mostraNo(400);
      }
      return;
    default:
      return;
  }
  atualizaDescricao();
}

bool TFrBeneficiarios::PosicionaItem(const QString& chave) {
  if (!m_logica) return false;
  bool ok = false;
  acao([this, &chave, &ok] {
    CursorEspera espera;
    ok = m_logica->Posiciona(chave);
  });
  return ok;
}

void TFrBeneficiarios::focaCampo(Campo campo) {
  QWidget* alvo = nullptr;
  switch (campo) {
    case Campo::Numero:
      alvo = m_deCpfCnpj;
      break;
    case Campo::Nome:
      alvo = m_deNome;
      break;
    case Campo::Codigo:
      alvo = m_dblcCodRet;
      break;
    case Campo::Grade:
      alvo = primeiraGrade();
      break;
  }
  foca(alvo);
}

void TFrBeneficiarios::foca(QWidget* alvo) {
  if (!alvo) return;
  if (!m_naSaida && podeFocar(alvo)) {
    m_indoAoCampo = true;
    alvo->setFocus(Qt::OtherFocusReason);
    m_indoAoCampo = false;
    return;
  }
  // Inside an exit handler the focus first goes back where it was; the field follows, and the
  // way there checks nothing.
  QTimer::singleShot(0, this, [this, alvo = QPointer<QWidget>(alvo)] {
    if (!alvo || !podeFocar(alvo)) return;
    m_indoAoCampo = true;
    alvo->setFocus(Qt::OtherFocusReason);
    m_indoAoCampo = false;
  });
}

QWidget* TFrBeneficiarios::primeiraGrade() const {
  for (QWidget* g : std::initializer_list<QWidget*>{m_dgrRendimentos, m_dgcCompensacao, m_dgsSubJudice, m_dgsIsentos})
    if (podeFocar(g)) return g;
  return nullptr;
}

void TFrBeneficiarios::atualizaBotoes() {
  const TLogicaBeneficiarios::Botoes b = m_logica ? m_logica->EstadoBotoes() : TLogicaBeneficiarios::Botoes{};
  m_bbFirst->setEnabled(b.primeiro);
  m_bbPrior->setEnabled(b.anterior);
  m_bbNext->setEnabled(b.proximo);
  m_bbLast->setEnabled(b.ultimo);
  m_bbAdd->setEnabled(b.inclui);
  m_bbDelete->setEnabled(b.exclui);
  m_bbDesfazer->setEnabled(b.desfaz);
  m_btnPesqBen->setEnabled(b.pesquisa);
}

void TFrBeneficiarios::preencheCodigos() {
  const uint8_t tipo = m_logica->Linha().GetBeneficiario().GetTipo();
  const auto& lista = m_logica->Codigos(tipo);
  if (&lista == m_listaMostrada) return;
  m_listaMostrada = &lista;
  const QSignalBlocker bloqueio(m_dblcCodRet);
  const QString texto = m_dblcCodRet->currentText();
  m_modeloCodigos->removeRows(0, m_modeloCodigos->rowCount());
  m_modeloCodigos->setRowCount(int(lista.size()));
  for (int i = 0; i < int(lista.size()); ++i) {
    m_modeloCodigos->setItem(i, 0, new QStandardItem(lista[size_t(i)].codigo));
    m_modeloCodigos->setItem(i, 1, new QStandardItem(lista[size_t(i)].resumo));
  }
  m_dblcCodRet->setCurrentIndex(-1);
  m_dblcCodRet->setEditText(texto);
}

void TFrBeneficiarios::mostraCodigo(const QString& codigo) {
  const QSignalBlocker bloqueio(m_dblcCodRet);
  const int indice = m_dblcCodRet->findText(codigo);
  m_dblcCodRet->setCurrentIndex(indice);
  m_dblcCodRet->setEditText(codigo);
}

void TFrBeneficiarios::codigoMudou(const QString& texto) {
  if (!m_logica) return;
  m_logica->SetTextoCodigo(texto.trimmed());
  if (texto.trimmed().isEmpty()) return;
  m_logica->Linha().GetBeneficiario().SetCodigoRetencao(texto.trimmed());
  m_dgrRendimentos->SetTituloColuna(
      TModeloGridMesesDeducoes::kRetido,
      TLogicaBeneficiarios::TituloRetido(texto, m_dgrRendimentos->Modelo().columnCount() >= 5));
}

void TFrBeneficiarios::codigoEscolhido() {
  if (!m_logica) return;
  m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
  if (m_logica->AtualizaCodigo() == 0 && m_modo != Modo::Processo) {
    mostraSubPagina(0);
    if (!podeFocar(m_dgrRendimentos)) {
      if (podeFocar(m_dgcCompensacao))
        foca(m_dgcCompensacao);
      else if (podeFocar(m_dgsSubJudice))
        foca(m_dgsSubJudice);
    }
  }
}

bool TFrBeneficiarios::saiCodigo(QWidget* destino) {
  if (!podeTrabalhar()) return true;
  if (m_logica->Linha().GetBeneficiario().GetNome().GetValor().isEmpty()) return true;
  m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
  if (m_logica->TextoCodigo().isEmpty()) {
    // The code is wanted before the amounts and before another beneficiary is keyed.
    for (QWidget* w : std::initializer_list<QWidget*>{m_pcTolvItem, m_deCpfCnpj, m_deNome, m_dgrRendimentos,
                                                      m_dgcCompensacao, m_dgsSubJudice})
      if (destino && (destino == w || w->isAncestorOf(destino))) return false;
    return true;
  }
  int r = 0;
  m_naSaida = true;
  acao([this, &r] { r = m_logica->SaiCodigo(); });
  m_naSaida = false;
  if (r != 0) return false;
  mostraCodigo(m_logica->TextoCodigo());
  return true;
}

bool TFrBeneficiarios::saiPainelNome(QWidget* destino) {
  if (!podeTrabalhar() || !destino) return true;
  bool paraGrade = false;
  for (QWidget* g : std::initializer_list<QWidget*>{m_dgrRendimentos, m_dgcCompensacao, m_dgsSubJudice, m_dgsIsentos})
    paraGrade = paraGrade || destino == g || g->isAncestorOf(destino);
  if (!paraGrade) return true;
  const TBeneficiarioTolv& b = m_logica->Linha().GetBeneficiario();
  QWidget* vazio = b.GetNiDigitos().isEmpty()                        ? static_cast<QWidget*>(m_deCpfCnpj)
                   : b.GetNome().GetValor().isEmpty()                ? static_cast<QWidget*>(m_deNome)
                   : m_dblcCodRet->currentText().trimmed().isEmpty() ? static_cast<QWidget*>(m_dblcCodRet)
                                                                     : nullptr;
  if (!vazio) return true;
  m_naSaida = true;
  foca(vazio);
  m_naSaida = false;
  return false;
}

bool TFrBeneficiarios::saiChave(QWidget* destino) {
  if (!podeTrabalhar()) return true;
  // The line buttons take no focus; a click on them stores through their own path.
  if (destino && m_panel10->isAncestorOf(destino)) return true;
  salvaNaSaida();
  return true;
}

void TFrBeneficiarios::salvaNaSaida() {
  if (!podeTrabalhar()) return;
  m_naSaida = true;
  acao([this] {
    m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
    // The process's lines take the court's code, which no exit of the code box applies.
    if (m_modo == Modo::Processo && m_logica->Linha().GetCodigoRetencao().GetCodigo().trimmed().isEmpty() &&
        !m_logica->TextoCodigo().isEmpty())
      m_logica->AtualizaCodigo();
    m_logica->SalvaTolvItem();
    m_lblContador->setText(m_logica->Contador());
    atualizaBotoes();
  });
  m_naSaida = false;
}

void TFrBeneficiarios::RefazTela() {
  if (!m_logica || m_redesenhando) return;
  bool limpaMolestia = false;
  redesenha(limpaMolestia);
  // After the redraw, as the box's own click would: the line is stored with its illness gone.
  if (limpaMolestia) acao([this] { aoMarcarMolestia(false); });
}

void TFrBeneficiarios::redesenha(bool& limpaMolestia) {
  m_redesenhando = true;
  struct Fim {
    bool& f;
    ~Fim() { f = false; }
  } fim{m_redesenhando};
  TTolvItem& linha = m_logica->Linha();
  preencheCodigos();
  mostraCodigo(m_logica->TextoCodigo());
  associa(true);
  const TLogicaBeneficiarios::Regras regras = m_logica->RegrasAtuais();
  m_deNome->SetLimiteTexto(regras.limiteNome);

  const bool molestiaMarcada = linha.GetInMolestia().GetValor() == u"S";
  // A line that says serious illness under a code, beneficiary or declarant that admits none
  // loses it, as unticking the box would.
  limpaMolestia = molestiaMarcada && !regras.molestia;
  m_pnlMolestia->setVisible(regras.molestia);
  if (regras.molestia) {
    const bool soData = molestiaMarcada && (NoCorrente == 206 || NoCorrente == 306 || NoCorrente == 406);
    m_pnlChkMolestia->setVisible(!soData);
    m_pnlDtMolestia->setVisible(soData || molestiaMarcada);
  } else {
    m_pnlDtMolestia->hide();
  }

  for (TTolvGridMesesDeducoes* g :
       {static_cast<TTolvGridMesesDeducoes*>(m_dgrRendimentos), static_cast<TTolvGridMesesDeducoes*>(m_dgsSubJudice)}) {
    g->SetDeducao(regras.deducao);
    g->SetDeducaoPO(regras.deducaoPO);
    g->SetDeducaoPP(regras.deducaoPP);
    g->SetDeducaoDP(regras.deducaoDP);
    g->SetDeducaoPA(regras.deducaoPA);
    g->SetMultiLinha(regras.multiLinha);
  }
  emit MudouCodigo(regras.compensacaoExigibilidade, regras.rendimentosIsentos);

  {
    const QSignalBlocker bloqueio(m_edtDataMolestia);
    const QString laudo = linha.GetDataLaudo().GetValor();
    QDate data = kDataVazia;
    if (!laudo.isEmpty() && laudo != kSemLaudo && laudo != u"30.12.1899")
      data = QDate::fromString(QString(laudo).replace(u'.', u'/'), kFormatoData);
    if (!data.isValid()) data = kDataVazia;
    if (data > m_edtDataMolestia->maximumDate()) m_edtDataMolestia->setMaximumDate(data);
    m_edtDataMolestia->setDate(data);
    m_dataAlterada = false;
  }
  {
    const QSignalBlocker bloqueio(m_chkMolestia);
    m_chkMolestia->setChecked(regras.molestia && molestiaMarcada);
  }
  m_dgrRendimentos->SetMolestia(regras.molestia && molestiaMarcada);

  RefazTelaDependeCodigo();
  m_pcTolvItem->setProperty("contextoAjuda", 12060);
  const QString codigo = m_logica->TextoCodigo();
  m_edtDescricao->setText(codigo.isEmpty() ? QString() : m_logica->Resumo(codigo));
  m_edtDescricao->setCursorPosition(0);
  if (!codigo.isEmpty())
    m_dgrRendimentos->SetTituloColuna(
        TModeloGridMesesDeducoes::kRetido,
        TLogicaBeneficiarios::TituloRetido(codigo, m_dgrRendimentos->Modelo().columnCount() >= 5));
  m_logica->AtualizaContador();
  m_lblContador->setText(m_logica->Contador());
  atualizaBotoes();
  if (SubPagina() == 3)
    mostraIsentosAnuais(regras.rendimentosIsentos || linha.GetCodigoRetencao().GetAdmiteIsentos());
  else
    m_panel6->hide();
  for (QWidget* g : std::initializer_list<QWidget*>{m_dgrRendimentos, m_dgcCompensacao, m_dgsSubJudice, m_dgsIsentos})
    g->update();
}

void TFrBeneficiarios::RefazTelaDependeCodigo() {
  if (!m_logica) return;
  TTolvItem& linha = m_logica->Linha();
  const TLogicaBeneficiarios::Regras regras = m_logica->RegrasAtuais();
  for (int col = 1; col <= 6; ++col) m_dgsIsentos->SetColunaVisivel(col, regras.isentos[size_t(col - 1)]);
  const bool colapsa = regras.semIsentosMensais && SubPagina() == 3;
  m_pcTolvItem->setFixedHeight(colapsa ? 0 : kAlturaSubPaginas + 4);
  m_pcTolvItem->setVisible(!colapsa);
  m_dgsIsentos->AtualizaLayout();
  for (TTolvGridMeses* g :
       std::initializer_list<TTolvGridMeses*>{m_dgrRendimentos, m_dgcCompensacao, m_dgsSubJudice, m_dgsIsentos})
    g->SetDecimoTerceiro(regras.decimoTerceiro);
  // A month 13 the code or the beneficiary does not admit would still be stored and filed.
  if (!regras.decimoTerceiro && temDecimoTerceiro(linha)) linha.ZeraDecimoTerceiro();
}

void TFrBeneficiarios::mostraSubPagina(int indice) {
  m_pcTolvItem->setCurrentIndex(indice);
  static const int kAjuda[] = {12060, 12070, 12080, 2010001};
  m_pcTolvItem->setProperty("contextoAjuda", kAjuda[indice]);
  if (!m_logica) return;
  const bool isentos = m_logica->Linha().GetCodigoRetencao().GetAdmiteIsentos();
  if (indice == 3)
    mostraIsentosAnuais(isentos);
  else
    m_panel6->hide();
  RefazTelaDependeCodigo();
}

void TFrBeneficiarios::mostraIsentosAnuais(bool admiteIsentos) {
  const TLogicaBeneficiarios::Regras regras = m_logica ? m_logica->RegrasAtuais() : TLogicaBeneficiarios::Regras{};
  const bool mostra = admiteIsentos && (regras.anualOutros || regras.anualLucrosTitular);
  m_pnlLucros->setVisible(regras.anualLucrosTitular);
  m_pnlTitular->setVisible(regras.anualLucrosTitular);
  m_pnlOutros->setVisible(regras.anualOutros);
  m_panel6->setVisible(mostra);
}

void TFrBeneficiarios::MostraFicha(int codigo) {
  m_ultimaFicha = codigo;
  if (!m_logica) return;
  acao([this, codigo] {
    const int secao = codigo % 100;
    const bool numero = !m_logica->Linha().GetBeneficiario().GetNiDigitos().isEmpty();
    const TCodigoRetencao& cod = m_logica->Linha().GetCodigoRetencao();
    const auto caixaEmVezDeData = [this] {
      if (m_chkMolestia->isChecked() && m_pnlMolestia->isVisible()) {
        m_pnlChkMolestia->show();
        m_pnlDtMolestia->hide();
      }
    };
    switch (secao) {
      case 1:
      case 6: {
        mostraSubPagina(0);
        static const std::pair<int, int> kAjudas[] = {{201, 12060}, {301, 50100}, {401, 50500}};
        int ajuda = 2010002;
        for (const auto& [no, contexto] : kAjudas)
          if (no == codigo) ajuda = contexto;
        m_pcTolvItem->setProperty("contextoAjuda", ajuda);
        if (!numero) {
          foca(m_deCpfCnpj);
          break;
        }
        if (secao == 6) {
          m_dgrRendimentos->SetVisaoMolestia(true);
          if (m_pnlMolestia->isVisible()) {
            m_pnlChkMolestia->hide();
            m_pnlDtMolestia->show();
          }
        } else {
          m_dgrRendimentos->SetVisaoMolestia(false);
          caixaEmVezDeData();
        }
        foca(m_dgrRendimentos);
        m_dgrRendimentos->SelecionaCelula(secao == 6 ? 2 : 1, 1);
        break;
      }
      case 2:
      case 3:
        if (cod.GetSubJudice()) {
          mostraSubPagina(secao == 2 ? 1 : 2);
          foca(secao == 2 ? static_cast<QWidget*>(m_dgcCompensacao) : m_dgsSubJudice);
          caixaEmVezDeData();
        }
        break;
      case 4:
        if (m_modo == Modo::Processo) break;
        mostraSubPagina(3);
        if (m_pcTolvItem->isVisible() && podeFocar(m_dgsIsentos))
          foca(m_dgsIsentos);
        else if (podeFocar(m_edtAnualLucros))
          foca(m_edtAnualLucros);
        else if (podeFocar(m_edtAnualTitular))
          foca(m_edtAnualTitular);
        else if (podeFocar(m_edtAnualDescricao))
          foca(m_edtAnualDescricao);
        else
          foca(m_deCpfCnpj);
        caixaEmVezDeData();
        break;
      default:
        return;
    }
    atualizaDescricao();
  });
}

void TFrBeneficiarios::voltaTributaveis() {
  const int secao = NoCorrente % 100;
  const int grupo = NoCorrente / 100;
  if (grupo == NoBase() / 100 && (secao == 1 || secao == 2 || secao == 3 || secao == 4 || secao == 6)) {
    NoCorrente = NoBase();
    MostraFicha(NoBase());
  }
  mostraSubPagina(0);
  descricaoInicial();
}

void TFrBeneficiarios::BbFirstClick() {
  if (!m_logica) return;
  acao([this] {
    CursorEspera espera;
    if (m_logica->Primeiro()) voltaTributaveis();
  });
}

void TFrBeneficiarios::BbPriorClick() {
  if (!m_logica) return;
  acao([this] {
    CursorEspera espera;
    if (m_logica->Anterior()) voltaTributaveis();
  });
}

void TFrBeneficiarios::BbNextClick() {
  if (!m_logica) return;
  acao([this] {
    CursorEspera espera;
    if (m_logica->Proximo()) voltaTributaveis();
  });
}

void TFrBeneficiarios::BbLastClick() {
  if (!m_logica) return;
  acao([this] {
    CursorEspera espera;
    if (m_logica->Ultimo()) voltaTributaveis();
  });
}

void TFrBeneficiarios::BbAddClick() {
  if (!m_logica) return;
  acao([this] {
    QWidget* foco = window()->focusWidget();
    if (foco && isAncestorOf(foco) && !ConfirmaControleDados(foco)) return;
    m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
    if (!m_logica->Inclui()) return;
    mostraSubPagina(0);
    RefazTela();
    descricaoInicial();
    atualizaDescricao();
  });
}

void TFrBeneficiarios::BbDeleteClick() {
  if (!m_logica) return;
  acao([this] {
    const bool guardada = !m_logica->LinhaNova();
    m_logica->SetTextoCodigo(m_dblcCodRet->currentText().trimmed());
    const bool excluida = m_logica->Exclui();
    mostraSubPagina(0);
    RefazTela();
    if (excluida && m_logica->Guardadas() == 0) ocultaComprovante();
    if (guardada) descricaoInicial();
  });
}

void TFrBeneficiarios::ocultaComprovante() {
  TTzuqTree* arvore = TTzuqTree::Instancia();
  if (!arvore) return;
  // Each switch rebuilds the tree: only those that are on are written.
  static const char* const kNos[] = {"mostraCompRendimentosTributaveis", "mostraCompRendimentosIsentos",
                                     "mostraCompTributacaoExclusiva",    "mostraCompInformacoesComplementares",
                                     "mostraCompNaturezaRendimento",     "mostraCompInfCompRetencoes",
                                     "mostraCompInfCompRetencoesOrgaos"};
  for (const char* no : kNos)
    if (arvore->property(no).toBool()) arvore->setProperty(no, false);
}

bool TFrBeneficiarios::levaAIdentificacao(bool avisa) {
  if (!m_anexos || !m_anexos->Dono().GetFonteDK().isEmpty()) return false;
  const QString numero = (m_deCnpjFundo ? m_deCnpjFundo : m_deNrProcesso)->text();
  const QString nome = m_deNomeFundo ? m_deNomeFundo->text() : QString();
  const int justica = m_cmbTipoProcesso ? m_cmbTipoProcesso->currentIndex() : -1;
  const TLogicaAnexos::Falta falta = TLogicaAnexos::FaltaNaIdentificacao(m_modo, numero, nome, justica);
  if (avisa && falta.codigo != 0) TErro::MostraTexto(TErro::FormataMensagem(falta.codigo, {}), TipoMensagem::Erro);
  QWidget* alvo = m_deCnpjFundo ? static_cast<QWidget*>(m_deCnpjFundo) : m_deNrProcesso;
  if (falta.campo == TLogicaAnexos::Campo::Nome && m_deNomeFundo) alvo = m_deNomeFundo;
  if (falta.campo == TLogicaAnexos::Campo::Justica && m_cmbTipoProcesso) alvo = m_cmbTipoProcesso;
  foca(alvo);
  return true;
}

void TFrBeneficiarios::BbDesfazerClick() {
  if (!m_logica) return;
  acao([this] {
    if (auto* grade = qobject_cast<TTolvCustomGrid*>(window()->focusWidget()); grade && grade->EditorAberto())
      grade->FechaEditor(false);
    m_logica->Desfaz();
    RefazTela();
  });
}

void TFrBeneficiarios::aoMarcarMolestia(bool marcado) {
  if (!m_logica) return;
  m_dgrRendimentos->SetMolestia(marcado);
  emit MudouMolestia(marcado);
  m_logica->MudaMolestia(marcado);
  if (!marcado) {
    const QSignalBlocker bloqueio(m_edtDataMolestia);
    m_edtDataMolestia->setDate(kDataVazia);
  }
  m_pnlDtMolestia->setVisible(marcado);
  m_lblContador->setText(m_logica->Contador());
  atualizaBotoes();
  // The federal court's code shows its columns by the illness.
  if (m_modo == Modo::Processo && m_logica->Linha().GetCodigoRetencao().GetCodigo().trimmed() == u"5928") RefazTela();
  const int base = NoBase() - 1;
  const int secao = NoCorrente / 100 == base / 100 ? NoCorrente % 100 : 1;
  int no = base + 1;
  if (secao >= 1 && secao <= 5 && !(m_modo == Modo::Processo && secao == 4))
    no = base + secao;
  else if (secao == 6)
    no = base + (marcado ? 6 : 1);
  else if (secao == 0 && m_modo == Modo::Processo)
    no = base;
  mostraNo(no);
}

void TFrBeneficiarios::aoSairData() {
  if (!m_logica || !m_dataAlterada) return;
  m_dataAlterada = false;
  const QDate data = m_edtDataMolestia->date();
  m_logica->DefineDataLaudo(data <= kDataVazia ? QString() : data.toString(kFormatoData));
}

void TFrBeneficiarios::verificaOutros(bool doTexto) {
  if (!m_logica) return;
  TRendimentosIsentos& isentos = m_logica->Linha().GetIsentos();
  const bool comValor = !isentos.GetAnualOutros().GetValorInterno().ehZero();
  const QString texto = isentos.GetAnualEspecificarOutros().GetValor();
  if (comValor && !DescricaoOutrosValida(texto))
    TErro::MostraTexto(TErro::FormataMensagem(kOutrosInvalido, {}), TipoMensagem::Erro);
  else if (!doTexto && !comValor && !texto.trimmed().isEmpty())
    TErro::MostraTexto(TErro::FormataMensagem(kOutrosSemValor, {}), TipoMensagem::Erro);
}

void TFrBeneficiarios::hideEvent(QHideEvent* evento) {
  TPaginaDeclaracao::hideEvent(evento);
  // Another page took the place without asking (a go-to from another window): what the line
  // holds is stored now, or refused with its message while the page can still be found.
  if (!evento->spontaneous() && m_logica && m_logica->LinhaModificada()) PodeSair();
}

bool TFrBeneficiarios::eventFilter(QObject* objeto, QEvent* evento) {
  // A tax number of the identification is keyed as digits and shown formatted once left.
  if (evento->type() == QEvent::FocusIn && objeto && (objeto == m_deCnpjFundo || objeto == m_deCpfCnpjAdv)) {
    auto* e = static_cast<QLineEdit*>(objeto);
    const QString digitos = TNi::SemFormatacao(e->text());
    if (digitos != e->text()) {
      e->setText(digitos);
      e->selectAll();
    }
  }
  if (evento->type() == QEvent::KeyPress && m_pnIdentificacao && objeto != m_dblcCodRet &&
      m_pnIdentificacao->isAncestorOf(qobject_cast<QWidget*>(objeto))) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    if (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) {
      QWidget* proximo = m_deCpfCnpj;
      if (objeto == m_deCnpjFundo)
        proximo = m_deNomeFundo;
      else if (objeto == m_deNrProcesso)
        proximo = m_cmbTipoProcesso;
      else if (objeto == m_cmbTipoProcesso && m_cmbTipoProcesso->currentIndex() >= 0)
        proximo = m_deCpfCnpjAdv;
      else if (objeto == m_deCpfCnpjAdv && !m_deCpfCnpjAdv->text().trimmed().isEmpty())
        proximo = m_deNomeAdv;
      if (podeFocar(proximo)) proximo->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  if (evento->type() == QEvent::KeyPress) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    const bool caixaCodigo = objeto == m_dblcCodRet || objeto == m_dblcCodRet->lineEdit();
    if (caixaCodigo && tecla->key() == Qt::Key_Escape && m_logica) {
      mostraCodigo(m_logica->CodigoAnterior());
      m_logica->SetTextoCodigo(m_logica->CodigoAnterior());
      return true;
    }
    if (caixaCodigo && enter && m_modo != Modo::Processo) {
      if (podeFocar(m_chkMolestia))
        m_chkMolestia->setFocus(Qt::TabFocusReason);
      else if (QWidget* g = primeiraGrade())
        g->setFocus(Qt::TabFocusReason);
      return true;
    }
    if (enter && objeto == m_chkMolestia) {
      if (podeFocar(m_edtDataMolestia))
        m_edtDataMolestia->setFocus(Qt::TabFocusReason);
      else if ((NoCorrente == 204 || NoCorrente == 304) && podeFocar(m_dgsIsentos))
        m_dgsIsentos->setFocus(Qt::TabFocusReason);
      else
        focusNextChild();
      return true;
    }
    if (enter && objeto == m_edtDataMolestia) {
      if (QWidget* g = primeiraGrade()) g->setFocus(Qt::TabFocusReason);
      return true;
    }
    if (objeto == m_edtDataMolestia && tecla->key() == Qt::Key_Delete) {
      m_edtDataMolestia->setDate(kDataVazia);
      return true;
    }
  } else if (evento->type() == QEvent::Show && objeto == m_edtDataMolestia->calendarWidget() && m_declaracao &&
             m_edtDataMolestia->date() == kDataVazia) {
    bool ok = false;
    const int ano = m_declaracao->GetAnoCalendario().toInt(&ok);
    if (ok) m_edtDataMolestia->calendarWidget()->setCurrentPage(ano, 1);
  }
  return TPaginaDeclaracao::eventFilter(objeto, evento);
}

// ---- The annex identification of the fund and process pages.

namespace {

const char* const kJusticas[] = {"Federal", "Trabalho", "Estadual/Distrito Federal"};
constexpr int kAvisoAnoRecebimento = 289;

// Names are kept in capitals, as typed.
void maiusculas(QLineEdit* e) {
  QObject::connect(e, &QLineEdit::textEdited, e, [e](const QString& texto) {
    const int cursor = e->cursorPosition();
    if (texto != texto.toUpper()) {
      e->setText(texto.toUpper());
      e->setCursorPosition(cursor);
    }
  });
}

void corDeFundo(QWidget* w, QRgb cor) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, PaletaTolv::cor(cor));
  p.setColor(QPalette::Button, PaletaTolv::cor(cor));
  w->setPalette(p);
}

}  // namespace

void TFrBeneficiarios::criaIdentificacaoAnexo(QBoxLayout* principal) {
  const bool processo = m_modo == Modo::Processo;
  const QColor moldura = PaletaTolv::cor(0xDED0B9);
  const QColor caixa = PaletaTolv::cor(0xEDE8DF);
  // Plain edits: the annex's value objects take their text on exit, through the page's own rules.
  const auto edit = [](const char* nome, QWidget* pai, const QString& aceita, int limite) {
    auto* e = new QLineEdit(pai);
    e->setObjectName(QString::fromLatin1(nome));
    e->setMaxLength(limite);
    if (!aceita.isEmpty()) e->setValidator(new QRegularExpressionValidator(QRegularExpression(aceita), e));
    return e;
  };
  const QString numero = QStringLiteral("[0-9./-]{0,18}");
  const QString nomeLivre;

  auto* grupo = new QWidget(this);
  grupo->setObjectName(QStringLiteral("grpAnexo"));
  auto* lGrupo = new QVBoxLayout(grupo);
  lGrupo->setContentsMargins(6, 0, 6, 2);
  lGrupo->setSpacing(2);
  auto* titulo = new QLabel(processo ? QStringLiteral("  Identificação do processo judicial")
                                     : QStringLiteral("  Identificação do fundo ou clube de investimento"),
                            grupo);
  titulo->setFont(PaletaTolv::arial(8, true));
  PaletaTolv::pinta(titulo, PaletaTolv::kFundo, 0x57879F);
  titulo->setAutoFillBackground(false);
  lGrupo->addWidget(titulo);

  auto* quadro = new MolduraTolv(moldura, caixa, grupo);
  m_pnIdentificacao = quadro;
  m_pnIdentificacao->setObjectName(QStringLiteral("PnIdentificacaoFundo"));
  auto* lQuadro = quadro->layoutInterno(5);
  lQuadro->setSpacing(4);
  auto* linha1 = new QHBoxLayout;
  linha1->setSpacing(6);
  if (!processo) {
    linha1->addWidget(rotulo(QStringLiteral("CNPJ"), quadro));
    m_deCnpjFundo = edit("DeCnpjFundo", quadro, numero, 18);
    m_deCnpjFundo->setFixedWidth(120);
    linha1->addWidget(m_deCnpjFundo);
    linha1->addWidget(rotulo(QStringLiteral("Nome empresarial"), quadro));
    m_deNomeFundo = edit("DeNomeFundo", quadro, nomeLivre, 150);
    linha1->addWidget(m_deNomeFundo, 1);
  } else {
    linha1->addWidget(rotulo(QStringLiteral("Número do processo"), quadro));
    m_deNrProcesso = edit("DeNrProcesso", quadro, QStringLiteral("[0-9A-Za-z]{0,20}"), 20);
    m_deNrProcesso->setFixedWidth(150);
    linha1->addWidget(m_deNrProcesso);
    linha1->addWidget(rotulo(QStringLiteral("Justiça"), quadro));
    m_cmbTipoProcesso = new QComboBox(quadro);
    m_cmbTipoProcesso->setObjectName(QStringLiteral("cmbTipoProcesso"));
    for (const char* j : kJusticas) m_cmbTipoProcesso->addItem(QString::fromUtf8(j));
    m_cmbTipoProcesso->setCurrentIndex(-1);
    m_cmbTipoProcesso->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("Estadual/Distrito Federal")) + 40);
    linha1->addWidget(m_cmbTipoProcesso);
    linha1->addStretch(1);
  }
  m_lblContadorFC = rotulo(QString(), quadro);
  m_lblContadorFC->setObjectName(QStringLiteral("lblContadorFC"));
  m_lblContadorFC->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  m_lblContadorFC->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QStringLiteral("999999/999999")) + 4);
  linha1->addWidget(m_lblContadorFC);
  lQuadro->addLayout(linha1);
  if (processo) {
    m_pnlAdvogado = new QWidget(quadro);
    m_pnlAdvogado->setObjectName(QStringLiteral("pnlAdvogado"));
    auto* lAdv = new QHBoxLayout(m_pnlAdvogado);
    lAdv->setContentsMargins(0, 0, 0, 0);
    lAdv->setSpacing(6);
    lAdv->addWidget(rotulo(QStringLiteral("CPF/CNPJ do advogado"), m_pnlAdvogado));
    m_deCpfCnpjAdv = edit("DeCpfCnpjAdv", m_pnlAdvogado, numero, 18);
    m_deCpfCnpjAdv->setFixedWidth(120);
    lAdv->addWidget(m_deCpfCnpjAdv);
    lAdv->addWidget(rotulo(QStringLiteral("Nome/Nome empresarial"), m_pnlAdvogado));
    m_deNomeAdv = edit("DeNomeAdv", m_pnlAdvogado, nomeLivre, 150);
    m_deNomeAdv->setEnabled(false);
    lAdv->addWidget(m_deNomeAdv, 1);
    m_bbDeleteAdv = botao("BbDeleteAdv", m_pnlAdvogado, Glifo::Exclui,
                          QStringLiteral("Exclui o advogado/escritório de advocacia"));
    m_bbDesfazerAdv = botao("BbDesfazerAdv", m_pnlAdvogado, Glifo::Desfaz,
                            QStringLiteral("Desfaz as alterações do advogado/escritório de advocacia"));
    lAdv->addWidget(m_bbDeleteAdv);
    lAdv->addWidget(m_bbDesfazerAdv);
    lQuadro->addWidget(m_pnlAdvogado);
  }
  lGrupo->addWidget(quadro);

  m_pnlBotoesAnexo = new QWidget(grupo);
  m_pnlBotoesAnexo->setObjectName(QStringLiteral("pnlBotoesAnexo"));
  auto* lBotoes = new QHBoxLayout(m_pnlBotoesAnexo);
  lBotoes->setContentsMargins(0, 2, 0, 0);
  lBotoes->setSpacing(2);
  const QString nome = processo ? QStringLiteral("processo") : QStringLiteral("fundo ou clube");
  m_btnPesquisar = botao("btnPesquisar", m_pnlBotoesAnexo, Glifo::Pesquisar, QStringLiteral("Pesquisa ") + nome);
  m_btnPrimProc = botao("btnPrimProc", m_pnlBotoesAnexo, Glifo::Primeiro, QStringLiteral("Primeiro ") + nome);
  m_btnPrevProc = botao("btnPrevProc", m_pnlBotoesAnexo, Glifo::Anterior, nome.front().toUpper() + nome.mid(1) +
                                                                              QStringLiteral(" anterior"));
  m_btnNextProc = botao("btnNextProc", m_pnlBotoesAnexo, Glifo::Proximo, QStringLiteral("Próximo ") + nome);
  m_btnUltProc = botao("btnUltProc", m_pnlBotoesAnexo, Glifo::Ultimo, QStringLiteral("Último ") + nome);
  m_bbAddFundo = botao("BbAddFundo", m_pnlBotoesAnexo, Glifo::Inclui, QStringLiteral("Inclui ") + nome);
  m_bbDeleteFundo = botao("BbDeleteFundo", m_pnlBotoesAnexo, Glifo::Exclui, QStringLiteral("Exclui ") + nome);
  m_bbDesfazerFundo = botao("BbDesfazerFundo", m_pnlBotoesAnexo, Glifo::Desfaz,
                            QStringLiteral("Desfaz as últimas alterações do ") + nome);
  lBotoes->addWidget(m_btnPesquisar);
  lBotoes->addSpacing(8);
  for (TTolvButton* b : {m_btnPrimProc, m_btnPrevProc, m_btnNextProc, m_btnUltProc}) lBotoes->addWidget(b);
  lBotoes->addSpacing(8);
  for (TTolvButton* b : {m_bbAddFundo, m_bbDeleteFundo, m_bbDesfazerFundo}) lBotoes->addWidget(b);
  lBotoes->addStretch(1);
  lGrupo->addWidget(m_pnlBotoesAnexo);
  principal->addWidget(grupo);

  const auto liga = [this](TTolvButton* b, auto f) {
    connect(b, &QAbstractButton::clicked, this, [this, f] { f(this); });
  };
  liga(m_btnPesquisar, [](TFrBeneficiarios* p) { p->btnPesquisarClick(); });
  liga(m_btnPrimProc, [](TFrBeneficiarios* p) { p->MoveAnexo(QStringLiteral("PRI")); });
  liga(m_btnPrevProc, [](TFrBeneficiarios* p) { p->MoveAnexo(QStringLiteral("PREV")); });
  liga(m_btnNextProc, [](TFrBeneficiarios* p) { p->MoveAnexo(QStringLiteral("NEXT")); });
  liga(m_btnUltProc, [](TFrBeneficiarios* p) { p->MoveAnexo(QStringLiteral("ULT")); });
  liga(m_bbAddFundo, [](TFrBeneficiarios* p) { p->BbAddFundoClick(); });
  liga(m_bbDeleteFundo, [](TFrBeneficiarios* p) { p->BbDeleteFundoClick(); });
  liga(m_bbDesfazerFundo, [](TFrBeneficiarios* p) { p->BbDesfazerFundoClick(); });

  TRastreadorFoco& r = TRastreadorFoco::instancia();
  if (!processo) {
    r.registra(m_deCnpjFundo, [this](QWidget* d) { return saiCnpjFundo(d); });
    r.registra(m_deNomeFundo, [this](QWidget* d) { return saiNomeFundo(d); });
    for (QLineEdit* e : {m_deCnpjFundo, m_deNomeFundo}) e->installEventFilter(this);
    maiusculas(m_deNomeFundo);
  } else {
    liga(m_bbDeleteAdv, [](TFrBeneficiarios* p) { p->BbDeleteAdvClick(); });
    liga(m_bbDesfazerAdv, [](TFrBeneficiarios* p) { p->BbDesfazerAdvClick(); });
    r.registra(
        m_deNrProcesso, [this](QWidget* d) { return saiNumeroProcesso(d); },
        [this](QWidget*) {
          if (!podeTrabalhar() || !m_deNrProcesso->text().trimmed().isEmpty()) return;
          const QSignalBlocker bloqueio(m_cmbTipoProcesso);
          m_cmbTipoProcesso->setCurrentIndex(-1);
          m_cmbTipoProcesso->setEnabled(true);
          corDeFundo(m_cmbTipoProcesso, 0xFFFFFF);
          mostraNo(400);
        });
    r.registra(
        m_cmbTipoProcesso, [this](QWidget* d) { return saiJustica(d); },
        [this](QWidget*) {
          if (!podeTrabalhar()) return;
          m_justicaNaEntrada = m_cmbTipoProcesso->currentIndex();
          if (m_deNrProcesso->text().trimmed().isEmpty()) foca(m_deNrProcesso);
        });
    r.registra(
        m_deCpfCnpjAdv, [this](QWidget* d) { return saiNiAdvogado(d); },
        [this](QWidget*) {
          if (!podeTrabalhar()) return;
          if (m_deNrProcesso->text().trimmed().isEmpty())
            foca(m_deNrProcesso);
          else if (m_cmbTipoProcesso->currentIndex() < 0)
            foca(m_cmbTipoProcesso);
        });
    r.registra(
        m_deNomeAdv, [this](QWidget* d) { return saiNomeAdvogado(d); }, [this](QWidget*) { entraNomeAdvogado(); });
    connect(m_cmbTipoProcesso, qOverload<int>(&QComboBox::activated), this,
            [this](int indice) { EscolheJustica(indice); });
    for (QLineEdit* e : {m_deCpfCnpjAdv, m_deNomeAdv}) {
      connect(e, &QLineEdit::textEdited, this, [this] {
        m_digitandoAdvogado = true;
        m_deNomeAdv->setEnabled(!m_deCpfCnpjAdv->text().isEmpty() || !m_deNomeAdv->text().isEmpty());
      });
      e->installEventFilter(this);
    }
    maiusculas(m_deNomeAdv);
    m_deNrProcesso->installEventFilter(this);
    m_cmbTipoProcesso->installEventFilter(this);
  }
  r.registra(
      m_pnIdentificacao, [this](QWidget* d) { return saiIdentificacao(d); }, [this](QWidget*) { entraIdentificacao(); });
  atualizaBotoesAnexo();
}

void TFrBeneficiarios::inicializaAnexos(TTolv&) {
  m_anexos->DefineLinhas(m_logica.get());
  m_anexos->DefineTrocouDono([this](bool antes) { donoTrocado(antes); });
  m_anexos->Inicia();
  m_incluiNaEntrada = true;
  m_avisoJustica = false;
  m_digitandoAdvogado = false;
  m_numeroSalvo.clear();
  mostraAnexo();
}

int TFrBeneficiarios::TipoDoAnexo(int fonte) {
  if (!m_anexos) return 0;
  int tipo = 0;
  acao([this, fonte, &tipo] { tipo = m_anexos->Colecao().TipoDaFonte(fonte); });
  return tipo;
}

QString TFrBeneficiarios::ContadorAnexo() const { return m_lblContadorFC ? m_lblContadorFC->text() : QString(); }

QString TFrBeneficiarios::CodigoMostrado() const { return m_dblcCodRet->currentText().trimmed(); }

void TFrBeneficiarios::donoTrocado(bool antes) {
  if (antes) {
    associa(false);
    return;
  }
  m_listaMostrada = nullptr;
  associa(true);
  RefazTela();
}

bool TFrBeneficiarios::paraBotoesAnexo(QWidget* destino) const {
  return destino && m_pnlBotoesAnexo && (destino == m_pnlBotoesAnexo || m_pnlBotoesAnexo->isAncestorOf(destino));
}

void TFrBeneficiarios::mostraAnexo() {
  if (!m_anexos) {
    atualizaBotoesAnexo();
    return;
  }
  const bool antes = m_redesenhando;
  m_redesenhando = true;
  TAnexoFC& anexo = m_anexos->Anexo();
  TContribuinte& id = anexo.GetContribuinte();
  if (m_deCnpjFundo) {
    m_deCnpjFundo->setText(id.GetNiFormatado());
    m_deNomeFundo->setText(id.GetNome().GetValor());
    m_deNomeFundo->setCursorPosition(0);
  } else {
    m_deNrProcesso->setText(id.GetNiDigitos());
    m_deNrProcesso->setModified(false);
    const QSignalBlocker bloqueio(m_cmbTipoProcesso);
    const int justica = anexo.GetTipoProcesso() <= 2 ? anexo.GetTipoProcesso() : -1;
    m_cmbTipoProcesso->setCurrentIndex(justica);
    // A stored process changes court only through the box's own choice.
    const bool livre = m_anexos->AnexoNovo();
    corDeFundo(m_cmbTipoProcesso, livre ? 0xFFFFFF : kSomenteLeitura);
    const TAdvogadoAnexo& advogado = anexo.GetAdvogado();
    m_deCpfCnpjAdv->setText(advogado.GetNiFormatado());
    m_deNomeAdv->setText(advogado.GetNome().GetValor());
    m_deNomeAdv->setCursorPosition(0);
    m_deNomeAdv->setEnabled(!m_deCpfCnpjAdv->text().isEmpty() || !m_deNomeAdv->text().isEmpty());
    m_advogadoSalvo = m_deCpfCnpjAdv->text();
    m_nomeAdvogadoSalvo = m_deNomeAdv->text();
    if (m_logica) mostraCodigo(m_logica->TextoCodigo());
    if (m_logica)
      m_edtDescricao->setText(m_logica->TextoCodigo().isEmpty() ? QString() : m_logica->Resumo(m_logica->TextoCodigo()));
  }
  m_lblContadorFC->setText(m_anexos->Contador());
  m_redesenhando = antes;
  atualizaBotoesAnexo();
}

void TFrBeneficiarios::atualizaBotoesAnexo() {
  if (!m_pnIdentificacao) return;
  const bool ativo = m_anexos != nullptr;
  const int posicao = ativo ? m_anexos->Posicao() : 0;
  const int quantidade = ativo ? m_anexos->Quantidade() : 0;
  m_btnPrimProc->setEnabled(ativo && posicao > 1);
  m_btnPrevProc->setEnabled(ativo && posicao > 1);
  m_btnNextProc->setEnabled(ativo && posicao < quantidade);
  m_btnUltProc->setEnabled(ativo && posicao < quantidade);
  m_bbAddFundo->setEnabled(ativo);
  m_bbDesfazerFundo->setEnabled(ativo);
  m_bbDeleteFundo->setEnabled(ativo && !m_anexos->AnexoNovo());
  m_btnPesquisar->setEnabled(ativo && quantidade > 0);
  if (m_bbDeleteAdv) {
    const bool advogado = ativo && !m_deCpfCnpjAdv->text().isEmpty();
    m_bbDeleteAdv->setEnabled(advogado);
    m_bbDesfazerAdv->setEnabled(advogado || m_digitandoAdvogado);
  }
}

void TFrBeneficiarios::entraIdentificacao() {
  if (!m_anexos || !podeTrabalhar()) return;
  if (m_incluiNaEntrada && m_anexos->AnexoNovo()) {
    m_incluiNaEntrada = false;
    BbAddFundoClick();
  }
  m_incluiNaEntrada = false;
  mostraNo(m_modo == Modo::Processo ? 400 : 300);
}

bool TFrBeneficiarios::saiIdentificacao(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino)) return true;
  acao([this] {
    CursorEspera espera;
    if (m_anexos->SalvaIdentificacao()) {
      // The owner switch moved things under the user: the focus settles where it was going.
      QTimer::singleShot(1, this, [this] {
        if (QWidget* foco = window()->focusWidget(); foco && podeFocar(foco)) foco->setFocus(Qt::OtherFocusReason);
      });
    }
    mostraAnexo();
  });
  return true;
}

bool TFrBeneficiarios::saiCnpjFundo(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino)) return true;
  const QString texto = m_deCnpjFundo->text();
  const bool paraLinhas = destino && (destino == m_deNomeFundo || m_grpBeneficiario->isAncestorOf(destino) ||
                                      m_pcTolvItem->isAncestorOf(destino) || destino == m_dblcCodRet);
  if (texto.trimmed().isEmpty() && !paraLinhas) return true;
  // The number shown is the annex's already: nothing to check again.
  if (!texto.trimmed().isEmpty() && texto == m_anexos->Anexo().GetContribuinte().GetNiFormatado()) return true;
  bool aceito = true;
  GuardaEventos::executa([&] {
    try {
      m_anexos->DefineCnpjFundo(texto);
    } catch (const TErro& e) {
      aceito = false;
      TLogicaAnexos::MostraErroCnpj(e);
    }
  });
  if (!aceito) return false;
  const bool antes = m_redesenhando;
  m_redesenhando = true;
  TContribuinte& id = m_anexos->Anexo().GetContribuinte();
  m_deCnpjFundo->setText(id.GetNiFormatado());
  if (!m_anexos->AnexoNovo()) m_deNomeFundo->setText(id.GetNome().GetValor());
  m_lblContadorFC->setText(m_anexos->Contador());
  m_redesenhando = antes;
  atualizaBotoesAnexo();
  return true;
}

bool TFrBeneficiarios::saiNomeFundo(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino)) return true;
  if (m_deCnpjFundo->text().trimmed().isEmpty()) return true;
  bool aceito = true;
  acao([&] {
    try {
      m_anexos->DefineNomeFundo(m_deNomeFundo->text().trimmed());
    } catch (const TErro&) {
      aceito = false;
      throw;
    }
    m_anexos->SalvaIdentificacao();
    mostraAnexo();
  });
  return aceito;
}

bool TFrBeneficiarios::saiNumeroProcesso(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino)) return true;
  const QString texto = m_deNrProcesso->text().trimmed();
  TAnexoFC& anexo = m_anexos->Anexo();
  if (texto == anexo.GetContribuinte().GetNiDigitos() && !m_deNrProcesso->isModified()) return true;
  if (m_deNrProcesso->isModified() && m_anexos->AnexoNovo()) {
    const QSignalBlocker bloqueio(m_cmbTipoProcesso);
    m_cmbTipoProcesso->setEnabled(true);
    corDeFundo(m_cmbTipoProcesso, 0xFFFFFF);
  }
  if (!m_anexos->AnexoNovo() && texto != anexo.GetContribuinte().GetNiDigitos()) {
    // Another number on a stored process starts a new one: the stored process keeps its number.
    m_anexos->Inclui();
  }
  bool aceito = true;
  GuardaEventos::executa([&] {
    try {
      m_anexos->DefineNumeroProcesso(texto, m_cmbTipoProcesso->currentIndex());
    } catch (const TErro& e) {
      if (!texto.isEmpty()) {
        aceito = false;
        e.Mostra();
      }
    }
  });
  if (!aceito) return false;
  m_deNrProcesso->setModified(false);
  mostraAnexo();
  if (!texto.isEmpty() && m_cmbTipoProcesso->currentIndex() < 0 && destino != m_cmbTipoProcesso) {
    m_naSaida = true;
    foca(m_cmbTipoProcesso);
    m_naSaida = false;
  }
  return true;
}

void TFrBeneficiarios::EscolheJustica(int indice) {
  if (!m_anexos) return;
  acao([this, indice] {
    if (m_deNrProcesso->text().trimmed().isEmpty()) {
      const QSignalBlocker bloqueio(m_cmbTipoProcesso);
      m_cmbTipoProcesso->setCurrentIndex(0);
      foca(m_deNrProcesso);
      return;
    }
    if (m_anexos->AnexoNovo() && m_anexos->Anexo().GetContribuinte().GetNiDigitos() != m_deNrProcesso->text().trimmed())
      m_anexos->DefineNumeroProcesso(m_deNrProcesso->text().trimmed(), -1);
    QProgressDialog progresso(QStringLiteral("Alterando o código de receita dos beneficiários do processo..."),
                              QStringLiteral("Cancelar"), 0, 0, this);
    progresso.setWindowTitle(QStringLiteral("Tolv 2014"));
    progresso.setWindowModality(Qt::WindowModal);
    progresso.setMinimumDuration(400);
    progresso.setAutoReset(false);
    progresso.setAutoClose(false);
    const auto resultado = m_anexos->MudaJustica(indice, m_justicaNaEntrada, [&progresso](int feitas, int total) {
      progresso.setMaximum(total);
      progresso.setValue(feitas);
      QCoreApplication::processEvents();
      return !progresso.wasCanceled();
    });
    progresso.close();
    using R = TLogicaAnexos::ResultadoJustica;
    if (resultado == R::SemNumero) {
      const QSignalBlocker bloqueio(m_cmbTipoProcesso);
      m_cmbTipoProcesso->setCurrentIndex(0);
      foca(m_deNrProcesso);
      return;
    }
    m_justicaNaEntrada = m_cmbTipoProcesso->currentIndex();
    mostraAnexo();
    if (resultado == R::Recusada || resultado == R::OutroProcesso) {
      const QSignalBlocker bloqueio(m_cmbTipoProcesso);
      const uint8_t justica = m_anexos->Anexo().GetTipoProcesso();
      m_cmbTipoProcesso->setCurrentIndex(justica <= 2 ? justica : -1);
    }
    const bool completo = m_cmbTipoProcesso->currentIndex() >= 0 && !m_deNrProcesso->text().trimmed().isEmpty();
    atualizaBotoes();
    if (!completo) {
      m_bbAdd->setEnabled(false);
      m_bbDesfazer->setEnabled(false);
    }
  });
}

bool TFrBeneficiarios::saiJustica(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino)) return true;
  const int indice = m_cmbTipoProcesso->currentIndex();
  if (indice < 0) {
    const bool paraLinhas = destino && (m_grpBeneficiario->isAncestorOf(destino) || m_pcTolvItem->isAncestorOf(destino) ||
                                        (m_pnlAdvogado && m_pnlAdvogado->isAncestorOf(destino)));
    if (paraLinhas && !m_deNrProcesso->text().trimmed().isEmpty()) return false;
    acao([this] { m_anexos->FixaCodigoProcesso({}); });
    mostraCodigo({});
    return true;
  }
  acao([this, indice] {
    m_anexos->FixaCodigoProcesso(TLogicaAnexos::CodigoDaJustica(indice));
    if (!m_avisoJustica) {
      m_avisoJustica = true;
      TErro::MostraTexto(TErro::TextoMensagem(kAvisoAnoRecebimento), TipoMensagem::Informacao);
    }
    if (m_anexos->AnexoNovo() && !m_deNrProcesso->text().trimmed().isEmpty())
      m_anexos->DefineNumeroProcesso(m_deNrProcesso->text().trimmed(), indice);
    mostraAnexo();
  });
  return true;
}

bool TFrBeneficiarios::saiNiAdvogado(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino) ||
      (destino && m_pnlAdvogado->isAncestorOf(destino) && destino != m_deNomeAdv))
    return true;
  const QString texto = m_deCpfCnpjAdv->text().trimmed();
  if (texto.isEmpty()) {
    if (destino == m_deNomeAdv) {
      m_naSaida = true;
      foca(m_deCpfCnpj);
      m_naSaida = false;
    }
    return true;
  }
  if (texto == m_anexos->Anexo().GetAdvogado().GetNiFormatado()) return true;
  bool aceito = true;
  GuardaEventos::executa([&] {
    try {
      m_anexos->DefineAdvogado(texto);
    } catch (const TErro& e) {
      aceito = false;
      e.Mostra();
    }
  });
  if (!aceito) {
    m_deCpfCnpjAdv->clear();
    return false;
  }
  m_deCpfCnpjAdv->setText(m_anexos->Anexo().GetAdvogado().GetNiFormatado());
  m_deNomeAdv->setEnabled(true);
  atualizaBotoesAnexo();
  if (m_deNomeAdv->text().trimmed().isEmpty() && destino != m_deNomeAdv) {
    m_naSaida = true;
    foca(m_deNomeAdv);
    m_naSaida = false;
  }
  return true;
}

void TFrBeneficiarios::entraNomeAdvogado() {
  if (!m_anexos || !podeTrabalhar()) return;
  if (m_deCpfCnpjAdv->text().trimmed().isEmpty()) {
    foca(m_deCpfCnpjAdv);
    return;
  }
  if (!m_deNomeAdv->text().trimmed().isEmpty()) return;
  acao([this] {
    const QString nome = m_anexos->NomeConhecidoAdvogado();
    m_deNomeAdv->setText(nome);
  });
  atualizaBotoesAnexo();
}

bool TFrBeneficiarios::saiNomeAdvogado(QWidget* destino) {
  if (!m_anexos || !podeTrabalhar() || paraBotoesAnexo(destino) || destino == m_deCpfCnpjAdv) return true;
  const QString nome = m_deNomeAdv->text().trimmed();
  if (!m_deCpfCnpjAdv->text().trimmed().isEmpty() && nome.isEmpty()) return false;
  bool aceito = true;
  acao([&] {
    try {
      m_anexos->DefineNomeAdvogado(nome);
    } catch (const TErro&) {
      aceito = false;
      throw;
    }
  });
  if (aceito) {
    m_advogadoSalvo = m_deCpfCnpjAdv->text();
    m_nomeAdvogadoSalvo = m_deNomeAdv->text();
  }
  return aceito;
}

void TFrBeneficiarios::BbDeleteAdvClick() {
  if (!m_anexos) return;
  acao([this] {
    if (!m_anexos->ExcluiAdvogado()) return;
    m_deCpfCnpjAdv->clear();
    m_deNomeAdv->clear();
    m_deNomeAdv->setEnabled(false);
    m_digitandoAdvogado = false;
    atualizaBotoesAnexo();
    foca(m_deCpfCnpjAdv);
  });
}

void TFrBeneficiarios::BbDesfazerAdvClick() {
  if (!m_anexos) return;
  if (m_digitandoAdvogado) {
    m_deCpfCnpjAdv->setText(m_advogadoSalvo);
    m_deNomeAdv->setText(m_nomeAdvogadoSalvo);
  } else {
    m_deCpfCnpjAdv->setText(m_anexos->Anexo().GetAdvogado().GetNiFormatado());
  }
  m_digitandoAdvogado = false;
  RefazTela();
  atualizaBotoesAnexo();
  foca(m_deCpfCnpjAdv);
}

void TFrBeneficiarios::BbAddFundoClick() {
  if (!m_anexos) return;
  acao([this] {
    if (!m_anexos->Inclui()) return;
    m_numeroSalvo.clear();
    if (m_modo == Modo::Fundo) mostraSubPagina(0);
    mostraAnexo();
    if (m_modo == Modo::Processo) {
      const QSignalBlocker bloqueio(m_cmbTipoProcesso);
      m_cmbTipoProcesso->setEnabled(true);
      corDeFundo(m_cmbTipoProcesso, 0xFFFFFF);
      m_cmbTipoProcesso->setCurrentIndex(-1);
      mostraCodigo({});
      m_edtDescricao->clear();
    }
    m_digitandoAdvogado = m_modo == Modo::Fundo;
    foca(m_modo == Modo::Processo ? static_cast<QWidget*>(m_deNrProcesso) : m_deCnpjFundo);
    RefazTela();
    m_bbAdd->setEnabled(false);
    m_bbDesfazer->setEnabled(false);
  });
}

void TFrBeneficiarios::BbDeleteFundoClick() {
  if (!m_anexos || m_anexos->AnexoNovo()) return;
  acao([this] {
    CursorEspera espera;
    m_anexos->Exclui();
    mostraAnexo();
  });
  const QString contador = m_lblContador->text();
  const bool varias = !contador.isEmpty() && contador != u"1/1";
  m_bbFirst->setEnabled(varias);
  m_bbPrior->setEnabled(false);
}

void TFrBeneficiarios::BbDesfazerFundoClick() {
  if (!m_anexos) return;
  acao([this] {
    const bool vazio = (m_deCnpjFundo ? m_deCnpjFundo->text() : m_deNrProcesso->text()).trimmed().isEmpty();
    if (m_anexos->Quantidade() > 0 && vazio && m_anexos->AnexoNovo()) {
      MoveAnexo(QStringLiteral("ULT"));
      return;
    }
    if (m_modo == Modo::Processo && m_anexos->AnexoNovo()) {
      m_anexos->Anexo().GetContribuinte().Limpar();
      m_deNrProcesso->setText(m_numeroSalvo);
      foca(m_deNrProcesso);
      return;
    }
    mostraAnexo();
    foca(m_deCnpjFundo ? static_cast<QWidget*>(m_deCnpjFundo) : m_deNrProcesso);
  });
}

void TFrBeneficiarios::MoveAnexo(const QString& direcao) {
  if (!m_anexos) return;
  acao([this, direcao] {
    QString sentido = direcao;
    if (sentido == u"PREV") {
      const bool mostrado = m_modo == Modo::Fundo ? !m_deNomeFundo->text().trimmed().isEmpty()
                                                  : !m_deNrProcesso->text().trimmed().isEmpty() &&
                                                        m_cmbTipoProcesso->currentIndex() >= 0;
      if (!mostrado || m_anexos->AnexoNovo()) sentido = QStringLiteral("ULT");
    }
    // Many processes make each step a little slower to count.
    std::optional<CursorEspera> espera;
    if (m_modo == Modo::Processo && m_anexos->Quantidade() > 80000) espera.emplace();
    m_anexos->Move(sentido);
    mostraAnexo();
    if (m_modo == Modo::Processo) m_numeroSalvo = m_deNrProcesso->text();
    foca(m_deCnpjFundo ? static_cast<QWidget*>(m_deCnpjFundo) : m_deNrProcesso);
    atualizaBotoes();
  });
}

void TFrBeneficiarios::PosicionaAnexo(const QString& chave, int) {
  if (!m_anexos) return;
  acao([this, &chave] {
    CursorEspera espera;
    if (!m_anexos->Posiciona(chave)) return;
    m_incluiNaEntrada = false;
    mostraAnexo();
    foca(m_deCnpjFundo ? static_cast<QWidget*>(m_deCnpjFundo) : m_deNrProcesso);
  });
}

void TFrBeneficiarios::FundoEscolhido(const QString& chave) { PosicionaAnexo(chave, 0); }

void TFrBeneficiarios::ProcessoEscolhido(const QString& chave) {
  PosicionaAnexo(chave, 1);
  if (m_cmbTipoProcesso) {
    m_cmbTipoProcesso->setEnabled(true);
    corDeFundo(m_cmbTipoProcesso, kSomenteLeitura);
  }
}

void TFrBeneficiarios::btnPesquisarClick() {
  if (!m_anexos || !m_declaracao) return;
  acao([this] {
    if (m_modo == Modo::Processo) {
      TfrmPesquisarProcesso dialogo(*m_declaracao, [this](const QString& chave) { ProcessoEscolhido(chave); }, this);
      dialogo.exec();
    } else {
      TfrmPesquisarFundo dialogo(*m_declaracao, [this](const QString& chave) { FundoEscolhido(chave); }, this);
      dialogo.exec();
    }
  });
}
