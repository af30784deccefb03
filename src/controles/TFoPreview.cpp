#include "controles/TFoPreview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "controles/IServicosPrincipal.h"
#include "controles/ImpressaoRelatorio.h"
#include "controles/PaletaTolv.h"
#include "controles/TDialogoImpressao.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/relatorio/DesenhoPagina.h"
#include "plataforma/relatorio/FonteRelatorio.h"
#include "plataforma/relatorio/PaginasRelatorio.h"
#include "plataforma/relatorio/Relatorio.h"
#include "plataforma/sistema/Impressoras.h"

namespace {

constexpr QRgb kFundoPreview = 0xDFE8ED;
constexpr QRgb kMolduraPagina = 0xB9D0DE;
constexpr int kMargemVista = 12;

QPointer<TFoPreview> g_preview;

enum class Desenho { Inteira, Normal, Largura, Primeira, Anterior, Proxima, Ultima, Imprimir, Proximas, Fechar };

// The buttons' pictures, drawn here: no artwork ships with the program.
QIcon icone(Desenho desenho) {
  QPixmap pixmap(24, 24);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor azul(0x33, 0x6E, 0xB1);
  const QColor papel(Qt::white);
  const QPen caneta(QColor(0x52, 0x52, 0x52), 1.2);
  const auto folha = [&](const QRectF& r) {
    p.setPen(caneta);
    p.setBrush(papel);
    p.drawRect(r);
  };
  const auto seta = [&](bool direita, qreal x) {
    QPainterPath t;
    if (direita) {
      t.moveTo(x, 6);
      t.lineTo(x + 8, 12);
      t.lineTo(x, 18);
    } else {
      t.moveTo(x + 8, 6);
      t.lineTo(x, 12);
      t.lineTo(x + 8, 18);
    }
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(azul);
    p.drawPath(t);
  };
  switch (desenho) {
    case Desenho::Inteira:
      folha(QRectF(6.5, 3.5, 11, 17));
      p.setPen(QPen(azul, 1.5));
      p.drawRect(QRectF(3.5, 1.5, 17, 21));
      break;
    case Desenho::Normal:
      folha(QRectF(4.5, 3.5, 15, 17));
      p.setPen(azul);
      p.setFont(relatorio::FonteRelatorio(6, true));
      p.drawText(QRectF(4, 4, 16, 16), Qt::AlignCenter, QStringLiteral("1:1"));
      break;
    case Desenho::Largura:
      folha(QRectF(5.5, 3.5, 13, 17));
      p.setPen(QPen(azul, 1.6));
      p.drawLine(QPointF(2, 12), QPointF(22, 12));
      p.drawLine(QPointF(2, 12), QPointF(5, 9));
      p.drawLine(QPointF(2, 12), QPointF(5, 15));
      p.drawLine(QPointF(22, 12), QPointF(19, 9));
      p.drawLine(QPointF(22, 12), QPointF(19, 15));
      break;
    case Desenho::Primeira:
      p.fillRect(QRectF(5, 6, 2, 12), azul);
      seta(false, 9);
      break;
    case Desenho::Anterior:
      seta(false, 8);
      break;
    case Desenho::Proxima:
      seta(true, 8);
      break;
    case Desenho::Ultima:
      seta(true, 7);
      p.fillRect(QRectF(17, 6, 2, 12), azul);
      break;
    case Desenho::Imprimir:
      folha(QRectF(7.5, 2.5, 9, 8));
      p.setPen(caneta);
      p.setBrush(QColor(0xB9, 0xD0, 0xDE));
      p.drawRoundedRect(QRectF(3.5, 9.5, 17, 8), 1.5, 1.5);
      folha(QRectF(7.5, 15.5, 9, 6));
      break;
    case Desenho::Proximas:
      folha(QRectF(3.5, 5.5, 10, 14));
      folha(QRectF(6.5, 3.5, 10, 14));
      seta(true, 13);
      break;
    case Desenho::Fechar:
      p.setPen(QPen(QColor(0xB0, 0x30, 0x30), 2.4, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(6, 6), QPointF(18, 18));
      p.drawLine(QPointF(18, 6), QPointF(6, 18));
      break;
  }
  return QIcon(pixmap);
}

}  // namespace

// The page on screen: the paper with its shadow, the page drawn on it at the zoom.
class VistaPagina : public QWidget {
 public:
  explicit VistaPagina(QWidget* pai) : QWidget(pai) { setObjectName(QStringLiteral("QRPreview")); }

  void define(const QPicture& pagina, const QSizeF& folha, double escala) {
    m_pagina = pagina;
    m_folha = folha;
    m_escala = escala;
    const QSize tamanho((folha * escala).toSize());
    setFixedSize(tamanho + QSize(2 * kMargemVista, 2 * kMargemVista));
    update();
  }
  double escala() const { return m_escala; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), PaletaTolv::cor(kFundoPreview));
    if (m_folha.isEmpty()) return;
    const QRectF papel(kMargemVista, kMargemVista, m_folha.width() * m_escala, m_folha.height() * m_escala);
    p.fillRect(papel.translated(3, 3), QColor(0x80, 0x90, 0x9A));
    p.fillRect(papel, Qt::white);
    p.setPen(PaletaTolv::cor(kMolduraPagina));
    p.drawRect(papel.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(papel.topLeft());
    p.setClipRect(QRectF(QPointF(0, 0), papel.size()));
    relatorio::DesenhaPagina(p, m_pagina, m_escala);
    p.restore();
  }

 private:
  QPicture m_pagina;
  QSizeF m_folha;
  double m_escala = 1;
};

TFoPreview::TFoPreview(QWidget* dono)
    : QDialog(dono, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                        Qt::WindowCloseButtonHint),
      m_paginas(std::make_unique<relatorio::PaginasRelatorio>()) {
  setObjectName(QStringLiteral("FoPreview"));
  setWindowTitle(QStringLiteral("Visualizar Impressão"));
  setFont(PaletaTolv::arial(8));
  PaletaTolv::pinta(this, kFundoPreview);
  resize(900, 700);
  setFocusPolicy(Qt::StrongFocus);

  auto* coluna = new QVBoxLayout(this);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);

  auto* barra = new QToolBar(this);
  barra->setObjectName(QStringLiteral("ToolBar1"));
  barra->setIconSize(QSize(24, 24));
  barra->setMovable(false);
  PaletaTolv::pinta(barra, kFundoPreview);
  coluna->addWidget(barra);

  m_zoomFit = botao("ZoomFit", QStringLiteral("Visualizar Página Inteira"), icone(Desenho::Inteira));
  m_zoom100 = botao("Zoom100", QStringLiteral("Visualizar em Tamanho Normal"), icone(Desenho::Normal));
  m_zoomToWidth =
      botao("ZoomToWidth", QStringLiteral("Ajustar Visualização à Largura da Página"), icone(Desenho::Largura));
  for (QToolButton* b : {m_zoomFit, m_zoom100, m_zoomToWidth}) {
    b->setCheckable(true);
    b->setAutoExclusive(true);
    barra->addWidget(b);
  }
  m_zoomToWidth->setChecked(true);
  barra->addSeparator();
  m_firstPage = botao("FirstPage", QStringLiteral("Primeira Página"), icone(Desenho::Primeira));
  m_previousPage = botao("PreviousPage", QStringLiteral("Página Anterior"), icone(Desenho::Anterior));
  m_nextPage = botao("NextPage", QStringLiteral("Próxima Página"), icone(Desenho::Proxima));
  m_lastPage = botao("LastPage", QStringLiteral("Última Página"), icone(Desenho::Ultima));
  for (QToolButton* b : {m_firstPage, m_previousPage, m_nextPage, m_lastPage}) barra->addWidget(b);
  barra->addSeparator();
  m_print = botao("Print", QStringLiteral("Imprimir"), icone(Desenho::Imprimir));
  m_print->setEnabled(false);
  m_proximas = botao("ProximasPaginas", QStringLiteral("Exibe o próximo conjunto de páginas."), icone(Desenho::Proximas));
  m_proximas->setEnabled(false);
  m_fechar = botao("ToolButton2", QStringLiteral("Fechar a visualização da impressão"), icone(Desenho::Fechar));
  for (QToolButton* b : {m_print, m_proximas}) barra->addWidget(b);
  barra->addSeparator();
  barra->addWidget(m_fechar);

  m_area = new QScrollArea(this);
  m_area->setObjectName(QStringLiteral("AreaPreview"));
  m_area->setFocusPolicy(Qt::NoFocus);
  m_area->setFrameShape(QFrame::NoFrame);
  m_area->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_area->setWidgetResizable(false);
  PaletaTolv::pinta(m_area, kFundoPreview);
  PaletaTolv::pinta(m_area->viewport(), kFundoPreview);
  m_vista = new VistaPagina(m_area);
  m_area->setWidget(m_vista);
  coluna->addWidget(m_area, 1);

  auto* status = new QStatusBar(this);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  PaletaTolv::pinta(status, kFundoPreview, PaletaTolv::kTexto);
  m_status1 = new QLabel(QStringLiteral("Página 1/1"), status);
  m_status1->setObjectName(QStringLiteral("StatusPainel1"));
  m_status1->setFixedWidth(100);
  m_status2 = new QLabel(status);
  m_status2->setObjectName(QStringLiteral("StatusPainel2"));
  for (QLabel* l : {m_status1, m_status2}) {
    l->setFont(PaletaTolv::arial(8));
    PaletaTolv::pinta(l, kFundoPreview, PaletaTolv::kTexto);
  }
  status->addWidget(m_status1);
  status->addWidget(m_status2, 1);
  coluna->addWidget(status);

  m_timer = new QTimer(this);
  m_timer->setObjectName(QStringLiteral("Timer1"));
  m_timer->setInterval(100);
  m_timer->setSingleShot(true);
  connect(m_timer, &QTimer::timeout, this, [this] { GuardaEventos::executa([this] { Prepara(); }); });

  const auto liga = [this](QToolButton* b, void (TFoPreview::*f)()) {
    connect(b, &QToolButton::clicked, this, [this, f] { GuardaEventos::executa([this, f] { (this->*f)(); }); });
  };
  liga(m_firstPage, &TFoPreview::PrimeiraPagina);
  liga(m_previousPage, &TFoPreview::PaginaAnterior);
  liga(m_nextPage, &TFoPreview::ProximaPagina);
  liga(m_lastPage, &TFoPreview::UltimaPagina);
  liga(m_print, &TFoPreview::PrintClick);
  liga(m_proximas, &TFoPreview::ProximasPaginasClick);
  liga(m_fechar, &TFoPreview::ToolButton2Click);
  connect(m_zoomFit, &QToolButton::clicked, this, [this] { DefineZoom(Zoom::PaginaInteira); });
  connect(m_zoom100, &QToolButton::clicked, this, [this] { DefineZoom(Zoom::Normal); });
  connect(m_zoomToWidth, &QToolButton::clicked, this, [this] { DefineZoom(Zoom::Largura); });
  atualizaEstado();
}

TFoPreview::~TFoPreview() = default;

QToolButton* TFoPreview::botao(const char* nome, const QString& dica, const QIcon& imagem) {
  auto* b = new QToolButton(this);
  b->setObjectName(QString::fromLatin1(nome));
  b->setToolTip(dica);
  b->setIcon(imagem);
  b->setAutoRaise(true);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

TFoPreview* TFoPreview::Instancia() { return g_preview; }

void TFoPreview::DefineRelatorio(relatorio::Relatorio* relatorio) {
  m_relatorio = relatorio;
  m_fechando = false;
  m_maisPaginas = false;
  m_paradoPeloUsuario = false;
}

int TFoPreview::PaginasDisponiveis() const { return m_paginas->quantidade(); }

QString TFoPreview::TextoStatus() const { return m_status1->text(); }

void TFoPreview::showEvent(QShowEvent* evento) {
  QDialog::showEvent(evento);
  setFocus();
  if (!m_preparando && m_paginas->quantidade() == 0 && !m_print->isEnabled()) m_timer->start();
}

void TFoPreview::Prepara() { prepara(false); }

void TFoPreview::prepara(bool proximoLote) {
  m_timer->stop();
  if (!m_relatorio || m_preparando) return;
  m_preparando = true;
  m_print->setEnabled(false);
  m_status2->setText(QStringLiteral("Preparando o relatório..."));
  m_paginas->limpaParada();
  m_paginas->aoReceber = [this](int quantidade) { recebeuPagina(quantidade); };
  // Between records too, not only between pages: a stop is heard while a slow page is laid out.
  QElapsedTimer ultimaVez;
  ultimaVez.start();
  m_paginas->aoContinuar = [&ultimaVez] {
    if (ultimaVez.elapsed() < 40) return;
    QCoreApplication::processEvents();
    ultimaVez.restart();
  };
  // A report that fails keeps the pages it made; the window must still be able to close.
  GuardaEventos::executa([this, proximoLote] {
    if (proximoLote)
      m_relatorio->preparaProximoLote(*m_paginas);
    else
      m_relatorio->prepara(*m_paginas);
  });
  m_paginas->aoReceber = nullptr;
  m_paginas->aoContinuar = nullptr;
  m_preparando = false;
  m_status2->clear();
  m_print->setEnabled(true);
  if (m_relatorio->temProximoLote() && !m_paradoPeloUsuario) HabilitaProximasPaginas();
  atualizaEstado();
  if (m_paradoPeloUsuario || m_paginas->quantidade() == 0) {
    m_fechando = true;
    QDialog::reject();
  } else if (isMinimized()) {
    showMaximized();
  }
}

void TFoPreview::recebeuPagina(int quantidade) {
  if (quantidade == 1) IrPara(1);
  atualizaEstado();
  // Pages show while the report goes on; the close button stays live.
  QCoreApplication::processEvents();
}

void TFoPreview::atualizaEstado() {
  if (m_fechando && m_paginas->quantidade() == 0) return;
  const int disponiveis = m_paginas->quantidade();
  m_status1->setText(QStringLiteral("Página %1/%2").arg(m_pagina).arg(std::max(disponiveis, 1)));
  m_firstPage->setEnabled(m_pagina > 1);
  m_previousPage->setEnabled(m_pagina > 1);
  m_nextPage->setEnabled(m_pagina < disponiveis);
  m_lastPage->setEnabled(m_pagina < disponiveis);
  if (disponiveis > 0 && isMinimized()) showMaximized();
}

void TFoPreview::IrPara(int pagina) {
  if (m_fechando) return;
  const int disponiveis = m_paginas->quantidade();
  m_pagina = std::clamp(pagina, 1, std::max(1, disponiveis));
  DefineZoom(m_zoom);
  m_area->verticalScrollBar()->setValue(0);
  atualizaEstado();
}

void TFoPreview::PrimeiraPagina() { IrPara(1); }

void TFoPreview::PaginaAnterior() {
  if (m_pagina > 1) IrPara(m_pagina - 1);
}

void TFoPreview::ProximaPagina() {
  if (m_pagina < m_paginas->quantidade()) IrPara(m_pagina + 1);
}

void TFoPreview::UltimaPagina() { IrPara(m_paginas->quantidade()); }

void TFoPreview::DefineZoom(Zoom zoom) {
  m_zoom = zoom;
  m_zoomFit->setChecked(zoom == Zoom::PaginaInteira);
  m_zoom100->setChecked(zoom == Zoom::Normal);
  m_zoomToWidth->setChecked(zoom == Zoom::Largura);
  const QPageLayout layout = m_paginas->layout();
  const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
  const QSizeF folha(relatorio::Mm(mm.width()), relatorio::Mm(mm.height()));
  if (folha.isEmpty()) return;
  const QSize vista = m_area->viewport()->size() - QSize(2 * kMargemVista, 2 * kMargemVista);
  double escala = 1.0;
  if (zoom == Zoom::PaginaInteira)
    escala = std::min(vista.width() / folha.width(), vista.height() / folha.height());
  else if (zoom == Zoom::Largura)
    escala = (vista.width() - m_area->verticalScrollBar()->sizeHint().width()) / folha.width();
  m_vista->define(m_paginas->pagina(m_pagina), folha, std::max(0.1, escala));
}

void TFoPreview::resizeEvent(QResizeEvent* evento) {
  QDialog::resizeEvent(evento);
  if (m_paginas->quantidade() > 0) DefineZoom(m_zoom);
}

void TFoPreview::HabilitaProximasPaginas() {
  m_maisPaginas = true;
  m_print->setEnabled(true);
  m_proximas->setEnabled(true);
}

void TFoPreview::DefineProximasPaginas(std::function<void()> metodo) { m_proximasPaginas = std::move(metodo); }

void TFoPreview::ProximasPaginasClick() {
  if (!m_maisPaginas || m_fechando || m_preparando) return;
  // The engine's own batches go on by themselves; a report that makes its batches itself
  // stores how to move on.
  const bool doMotor = m_relatorio && m_relatorio->temProximoLote();
  if (!doMotor && !m_proximasPaginas) return;
  IrPara(1);
  m_maisPaginas = false;
  m_print->setEnabled(false);
  m_proximas->setEnabled(false);
  m_paginas->limpa();
  if (m_proximasPaginas) m_proximasPaginas();
  prepara(doMotor);
}

void TFoPreview::PrintClick() {
  if (m_fechando || !m_print->isEnabled() || m_paginas->quantidade() == 0) return;
  const auto escolha = TDialogoImpressao::Executa(m_pagina, m_paginas->quantidade(), this);
  if (!escolha) return;
  if (escolha->impressora != ImpressoraAtual()) DefineImpressoraAtual(escolha->impressora);
  const QString titulo = m_relatorio ? m_relatorio->tituloDocumento() : QString();
  ImprimePaginas(*m_paginas, escolha->de, escolha->ate, titulo, this, escolha->impressora);
}

void TFoPreview::ToolButton2Click() {
  if (m_relatorio) m_relatorio->para();
  m_paginas->pedeParada();
  m_paradoPeloUsuario = true;
  close();
}

bool TFoPreview::pedeFechamento() {
  QCoreApplication::processEvents();
  if (m_fechando || !m_print->isEnabled()) return false;
  m_fechando = true;
  return true;
}

void TFoPreview::reject() {
  if (m_fechando || pedeFechamento()) QDialog::reject();
}

void TFoPreview::closeEvent(QCloseEvent* evento) {
  if (m_fechando || pedeFechamento()) {
    QDialog::reject();
    evento->accept();
  } else {
    evento->ignore();
  }
}

void TFoPreview::keyPressEvent(QKeyEvent* evento) {
  if (m_fechando) return;
  const bool alt = evento->modifiers() & Qt::AltModifier;
  switch (evento->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_Left:
      alt ? PrimeiraPagina() : PaginaAnterior();
      return;
    case Qt::Key_PageDown:
    case Qt::Key_Right:
      alt ? UltimaPagina() : ProximaPagina();
      return;
    case Qt::Key_Home:
      PrimeiraPagina();
      return;
    case Qt::Key_End:
      UltimaPagina();
      return;
    case Qt::Key_M:
      if (evento->modifiers() & Qt::ControlModifier) {
        GuardaEventos::executa([this] { PrintClick(); });
        return;
      }
      break;
    default:
      break;
  }
  QDialog::keyPressEvent(evento);
}

void MostraPreview(relatorio::Relatorio& relatorio) {
  if (g_preview) return;  // one preview at a time
  auto* janela = new TFoPreview(JanelaDona());
  g_preview = janela;
  struct Libera {
    TFoPreview* janela;
    ~Libera() { delete janela; }
  } libera{janela};
  janela->DefineRelatorio(&relatorio);
  janela->setWindowState(janela->windowState() | Qt::WindowMaximized);
  janela->exec();
}

relatorio::IDestinoPaginas* AssociaPreview() { return g_preview ? &g_preview->Paginas() : nullptr; }

void HabilitaProximasPaginas() {
  if (g_preview) g_preview->HabilitaProximasPaginas();
}

void DefineProximasPaginas(std::function<void()> metodo) {
  if (g_preview) g_preview->DefineProximasPaginas(std::move(metodo));
}
