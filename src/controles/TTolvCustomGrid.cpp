#include "controles/TTolvCustomGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "controles/PaletaTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "controles/TTolvInplaceEditMonetario.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/Monetario.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr QRgb kFundoCabecalho = qRgb(99, 143, 192);
constexpr QRgb kFundoImpar = qRgb(220, 229, 236);
constexpr QRgb kFundoPar = qRgb(209, 220, 226);
constexpr QRgb kTextoFixo = qRgb(82, 82, 82);
constexpr QRgb kFundoTotal = qRgb(151, 159, 162);
constexpr QRgb kBorda = qRgb(185, 208, 222);
constexpr int kLarguraPadrao = 64;
constexpr int kAlturaPadrao = 24;

bool ehTotais(const QString& texto) { return texto.trimmed().toUpper() == u"TOTAIS"; }

QRgb fundoDaLinha(int lin) { return lin % 2 != 0 ? kFundoImpar : kFundoPar; }

// A text wider than its cell is drawn smaller rather than cut: a cut amount would show other
// digits. Never below 6 points.
void encolhe(QPainter& p, const QStringList& linhas, int largura) {
  QFont f = p.font();
  const auto maior = [&] {
    const QFontMetrics m(f);
    int w = 0;
    for (const QString& l : linhas) w = std::max(w, m.horizontalAdvance(l));
    return w;
  };
  bool mudou = false;
  while (maior() > largura && f.pointSizeF() > 6) {
    f.setPointSizeF(f.pointSizeF() - 0.5);
    mudou = true;
  }
  if (mudou) p.setFont(f);
}

// The caption row: the grid's fixed row, kept in place while the rows scroll.
class CabecalhoGrid : public QHeaderView {
 public:
  explicit CabecalhoGrid(TTolvCustomGrid& grid) : QHeaderView(Qt::Horizontal, &grid), m_grid(grid) {
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    setDefaultSectionSize(kLarguraPadrao);
    setSectionsClickable(false);
    setHighlightSections(false);
  }

  int altura() const { return m_altura; }
  void defineAltura(int altura) {
    m_altura = altura;
    updateGeometry();
  }
  QSize sizeHint() const override { return {QHeaderView::sizeHint().width(), m_altura}; }

 protected:
  void paintSection(QPainter* p, const QRect& r, int secao) const override {
    if (!r.isValid()) return;
    p->save();
    m_grid.DesenhaCelula(*p, secao, 0, r, {});
    p->restore();
  }
  bool viewportEvent(QEvent* evento) override {
    if (evento->type() != QEvent::ToolTip) return QHeaderView::viewportEvent(evento);
    const auto* ajuda = static_cast<QHelpEvent*>(evento);
    const int secao = logicalIndexAt(ajuda->pos());
    if (secao >= 0) {
      const QRect r(sectionViewportPosition(secao), 0, sectionSize(secao), viewport()->height());
      m_grid.MontaDicaCelula({secao, 0}, ajuda->globalPos(), viewport(), r);
    }
    return true;
  }

 private:
  TTolvCustomGrid& m_grid;
  int m_altura = kAlturaPadrao;
};

// Every cell goes through the grid's DesenhaCelula.
class PintorCelulas : public QStyledItemDelegate {
 public:
  explicit PintorCelulas(TTolvCustomGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

  void paint(QPainter* p, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    const QPoint celula(indice.column(), indice.row() + m_grid.Modelo().FixedRows());
    TModeloGrid::Estado estado;
    estado.selecionada = celula == m_grid.CelulaAtual();
    // The window's focused control, which stays while another window is active.
    estado.focada = estado.selecionada && m_grid.window()->focusWidget() == &m_grid;
    p->save();
    m_grid.DesenhaCelula(*p, celula.x(), celula.y(), opcao.rect, estado);
    p->restore();
  }

 private:
  TTolvCustomGrid& m_grid;
};

CabecalhoGrid* cabecalho(const TTolvCustomGrid& grid) {
  return static_cast<CabecalhoGrid*>(grid.horizontalHeader());
}

}  // namespace

TTolvCustomGrid::TTolvCustomGrid(QWidget* pai) : QTableView(pai) {
  setHorizontalHeader(new CabecalhoGrid(*this));
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(kAlturaPadrao);
  setItemDelegate(new PintorCelulas(*this));
  setShowGrid(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);
  setAutoScroll(false);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  QPalette paleta = palette();
  paleta.setColor(QPalette::WindowText, QColor(kBorda));
  paleta.setColor(QPalette::Base, PaletaTolv::cor(PaletaTolv::kFundo));
  setPalette(paleta);
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
  setMouseTracking(false);
  SetModelo(new TModeloGrid(this));
  m_rastreador = &TRastreadorFoco::instancia();
  m_rastreador->registra(this, [this](QWidget*) {
    aoSair();
    return true;
  });
}

TTolvCustomGrid::~TTolvCustomGrid() {
  if (m_rastreador) m_rastreador->esquece(this);
}

void TTolvCustomGrid::SetModelo(TModeloGrid* modelo) {
  TModeloGrid* anterior = m_modelo;
  FechaEditor(false);
  m_modelo = modelo;
  m_modelo->setParent(this);
  setModel(m_modelo);
  connect(m_modelo, &TModeloGrid::DimensoesVaoMudar, this, [this] {
    // A refused text was shown and is given up: its cell is going away.
    if (!FechaEditor(true)) FechaEditor(false);
  });
  connect(m_modelo, &TModeloGrid::DimensoesAlteradas, this, &TTolvCustomGrid::aoMudarDimensoes);
  delete anterior;
  aoMudarDimensoes();
}

void TTolvCustomGrid::SetReadOnly(bool readOnly) {
  if (readOnly && EditorAberto() && !FechaEditor(true)) FechaEditor(false);
  m_readOnly = readOnly;
}

void TTolvCustomGrid::SetMultiLinha(bool multiLinha) {
  if (multiLinha == m_modelo->MultiLinha()) return;
  m_modelo->SetMultiLinha(multiLinha);
  AjustaDimensoes();
  viewport()->update();
  horizontalHeader()->viewport()->update();
}

QPoint TTolvCustomGrid::CelulaAtual() const {
  const QModelIndex i = currentIndex();
  if (!i.isValid()) return {-1, -1};
  return {i.column(), i.row() + m_modelo->FixedRows()};
}

void TTolvCustomGrid::SelecionaCelula(int col, int lin) {
  if (!FechaEditor(true)) return;
  defineAtual({col, lin});
}

bool TTolvCustomGrid::MoveCelula(TModeloGrid::Direcao direcao) {
  const QPoint atual = CelulaAtual();
  const QPoint destino = m_modelo->MoveCelula(atual, direcao);
  if (destino == atual) return true;
  const bool editando = EditorAberto();
  if (!FechaEditor(true)) return false;
  defineAtual(destino);
  // Keying goes on from cell to cell.
  if (editando) AbreEditor();
  return true;
}

bool TTolvCustomGrid::PodeEditar() const {
  const QPoint c = CelulaAtual();
  return !m_readOnly && m_modelo->CelulaEditavel(c.x(), c.y()) && m_modelo->CelulaAceitaEdicao(c.x(), c.y());
}

bool TTolvCustomGrid::ConfirmaValor() { return FechaEditor(true); }

void TTolvCustomGrid::CopiaCelula() {
  const QPoint c = CelulaAtual();
  if (!m_modelo->Contem(c.x(), c.y())) return;
  QApplication::clipboard()->setText(PodeEditar() ? m_modelo->GetTextoEdicao(c.x(), c.y())
                                                  : m_modelo->GetTextoCelula(c.x(), c.y()));
}

TTolvCustomInplaceEdit* TTolvCustomGrid::Editor() const { return m_editor; }

bool TTolvCustomGrid::AbreEditor() {
  if (!PodeEditar()) return false;
  const QPoint c = CelulaAtual();
  if (EditorAberto() && m_celulaEditor != c && !FechaEditor(true)) return false;
  criaEditor();
  if (m_celulaEditor != c) {
    m_celulaEditor = c;
    m_editor->SetLimiteTexto(m_editLimit);
    m_editor->Carrega();
  }
  posicionaEditor();
  m_editor->show();
  m_editor->setFocus(Qt::OtherFocusReason);
  return true;
}

bool TTolvCustomGrid::FechaEditor(bool grava) {
  if (!EditorAberto()) return true;
  if (grava && !m_editor->ConfirmaValor()) return false;
  const bool tinhaFoco = window()->focusWidget() == m_editor;
  // Unbound first: the editor's exit, run by the move of the focus, has nothing more to store.
  m_celulaEditor = {-1, -1};
  // The focus leaves the editor before it hides, or Qt would hand it to the next control.
  if (tinhaFoco) setFocus(Qt::OtherFocusReason);
  m_editor->hide();
  viewport()->update();
  return true;
}

void TTolvCustomGrid::GravaEditor(const QString& texto) {
  if (!EditorAberto()) return;
  m_modelo->Grava(m_celulaEditor.x(), m_celulaEditor.y(), texto);
}

bool TTolvCustomGrid::AceitaSoltar(QPoint celula, const QMimeData* dados) const {
  return !m_readOnly && m_monetario && m_modelo->CelulaEditavel(celula.x(), celula.y()) &&
         m_modelo->AceitaArrasto(celula.x(), celula.y()) && TDragMonetario::ValorDe(dados).has_value();
}

void TTolvCustomGrid::RecebeValor(QPoint celula, Valor valor) {
  if (EditorAberto() && !FechaEditor(true)) return;
  TMonetario monetario;
  monetario.SetValorMonetario(valor);
  try {
    m_modelo->Grava(celula.x(), celula.y(), monetario.GetValor());
  } catch (const TErro& erro) {
    erro.Mostra();
  }
  viewport()->update(RetanguloCelula(celula.x(), celula.y()));
}

QPoint TTolvCustomGrid::CelulaEm(QPoint ponto) const {
  const QModelIndex i = indexAt(ponto);
  if (!i.isValid()) return {-1, -1};
  return {i.column(), i.row() + m_modelo->FixedRows()};
}

QRect TTolvCustomGrid::RetanguloCelula(int col, int lin) const {
  if (lin < m_modelo->FixedRows()) {
    const QHeaderView* h = horizontalHeader();
    return {h->sectionViewportPosition(col), -h->height(), h->sectionSize(col), h->height()};
  }
  return visualRect(indice({col, lin}));
}

int TTolvCustomGrid::LarguraColuna(int col) const { return horizontalHeader()->sectionSize(col); }

void TTolvCustomGrid::SetLarguraColuna(int col, int largura) {
  horizontalHeader()->resizeSection(col, std::max(largura, 0));
}

int TTolvCustomGrid::AlturaLinha(int lin) const {
  if (lin < m_modelo->FixedRows()) return cabecalho(*this)->altura();
  return verticalHeader()->sectionSize(lin - m_modelo->FixedRows());
}

void TTolvCustomGrid::SetAlturaLinha(int lin, int altura) {
  altura = std::max(altura, 1);
  if (lin < m_modelo->FixedRows()) {
    cabecalho(*this)->defineAltura(altura);
    updateGeometries();
    return;
  }
  verticalHeader()->resizeSection(lin - m_modelo->FixedRows(), altura);
}

void TTolvCustomGrid::SetAlturaPadrao(int altura) {
  altura = std::max(altura, 1);
  verticalHeader()->setDefaultSectionSize(altura);
  for (int i = 0; i < verticalHeader()->count(); ++i) verticalHeader()->resizeSection(i, altura);
  if (m_modelo->FixedRows() > 0) SetAlturaLinha(0, altura);
}

void TTolvCustomGrid::DesenhaCelula(QPainter& p, int col, int lin, const QRect& r,
                                    TModeloGrid::Estado estado) const {
  const TModeloGrid::Pintura pintura = m_modelo->PinturaDe(col, lin, estado);
  const QString texto = m_modelo->GetTextoCelula(col, lin);
  const Alinhamento a = pintura.alinhamento;
  p.setFont(font());
  switch (pintura.pintor) {
    case TModeloGrid::Pintura::Celula:
      PintaCelula(p, r, a, lin, texto);
      break;
    case TModeloGrid::Pintura::CelulaFixa:
      PintaCelulaFixa(p, r, a, lin, texto);
      break;
    case TModeloGrid::Pintura::Cabecalho:
      PintaCabecalho(p, r, a, texto);
      break;
    case TModeloGrid::Pintura::TituloTotal:
      PintaTituloTotal(p, r, a, texto);
      break;
    case TModeloGrid::Pintura::CelulaTotal:
      PintaCelulaTotal(p, r, a, texto);
      break;
    case TModeloGrid::Pintura::CelulaFocada:
      PintaCelulaFocada(p, r, a, texto);
      break;
    case TModeloGrid::Pintura::CelulaFocadaLinha:
      PintaCelulaFocadaLinha(p, r, a, lin, texto);
      break;
    case TModeloGrid::Pintura::CelulaLinhaAtual:
      PintaCelulaLinhaAtual(p, r, a, texto);
      break;
  }
  p.setFont(font());
}

void TTolvCustomGrid::PintaCabecalho(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const {
  p.fillRect(r, QColor(kFundoCabecalho));
  p.setPen(Qt::white);
  p.setFont(PaletaTolv::arial(8, true));
  EscreveTextoMultiLinha(p, r, texto, a);
  DesenhaBorda(p, r);
}

void TTolvCustomGrid::PintaTituloTotal(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const {
  p.fillRect(r, QColor(kFundoTotal));
  p.setPen(Qt::white);
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  EscreveTextoMultiLinha(p, r, texto, a);
}

void TTolvCustomGrid::PintaCelula(QPainter& p, const QRect& r, Alinhamento a, int lin, const QString& texto) const {
  p.fillRect(r, QColor(fundoDaLinha(lin)));
  p.setPen(Qt::black);
  QFont f = font();
  f.setBold(false);
  p.setFont(f);
  EscreveTexto(p, r, texto, a);
  DesenhaBorda(p, r);
}

void TTolvCustomGrid::PintaCelulaFixa(QPainter& p, const QRect& r, Alinhamento a, int lin,
                                      const QString& texto) const {
  QFont f = font();
  if (ehTotais(texto)) {
    p.fillRect(r, QColor(kFundoTotal));
    p.setPen(Qt::white);
    f.setBold(true);
  } else {
    p.fillRect(r, QColor(fundoDaLinha(lin)));
    p.setPen(QColor(kTextoFixo));
    f.setBold(false);
  }
  p.setFont(f);
  EscreveTexto(p, r, texto, a);
  DesenhaBorda(p, r);
}

void TTolvCustomGrid::PintaCelulaTotal(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const {
  p.fillRect(r, QColor(kFundoTotal));
  p.setPen(Qt::white);
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  EscreveTexto(p, r, texto, a);
  DesenhaBorda(p, r);
}

void TTolvCustomGrid::PintaCelulaFocada(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const {
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  if (ehTotais(texto)) {
    p.fillRect(r, QColor(kFundoTotal));
    p.setPen(Qt::white);
  } else {
    p.fillRect(r, QColor(kFundoCabecalho));
    p.setPen(Qt::black);
  }
  EscreveTexto(p, r, texto, a);
}

void TTolvCustomGrid::PintaCelulaFocadaLinha(QPainter& p, const QRect& r, Alinhamento a, int,
                                             const QString& texto) const {
  PintaCelulaFocada(p, r, a, texto);
}

void TTolvCustomGrid::PintaCelulaLinhaAtual(QPainter& p, const QRect& r, Alinhamento a, const QString& texto) const {
  // Odd current row: the even fill, and the other way round.
  p.fillRect(r, QColor(Row() % 2 == 0 ? kFundoImpar : kFundoPar));
  EscreveTexto(p, r, texto, a);
}

void TTolvCustomGrid::EscreveTexto(QPainter& p, const QRect& r, const QString& texto, Alinhamento a) const {
  QString linha = texto;
  linha.replace(u'\r', u' ');
  p.save();
  encolhe(p, {linha}, r.width() - 6);
  const QFontMetrics m = p.fontMetrics();
  const int largura = m.horizontalAdvance(linha);
  int x = r.left() + 3;
  if (a == TModeloGrid::Pintura::Direita) x = r.left() + r.width() - largura - 3;
  if (a == TModeloGrid::Pintura::Centro) x = r.left() + r.width() / 2 - largura / 2;
  const int topo = r.top() + r.height() / 2 - m.height() / 2;
  p.setClipRect(r, Qt::IntersectClip);
  p.drawText(QPoint(x, topo + m.ascent()), linha);
  p.restore();
}

void TTolvCustomGrid::EscreveTextoMultiLinha(QPainter& p, const QRect& r, const QString& texto,
                                             Alinhamento a) const {
  if (!MultiLinha()) {
    EscreveTexto(p, r, texto, a);
    return;
  }
  QStringList linhas = texto.split(u'\r');
  for (QString& l : linhas) l = l.trimmed();
  const int n = int(linhas.size());
  int topo = r.top();
  int altura = r.height() / n;
  if (n == 2) {
    topo += 3;
    altura = (r.height() - 6) / n;
  }
  p.save();
  encolhe(p, linhas, r.width() - 6);
  const QFontMetrics m = p.fontMetrics();
  p.setClipRect(r, Qt::IntersectClip);
  for (int i = 0; i < n; ++i) {
    const QString& linha = linhas[i];
    const int largura = m.horizontalAdvance(linha);
    int x = r.left() + 3;
    if (a == TModeloGrid::Pintura::Direita) x = r.left() + r.width() - largura - 3;
    if (a == TModeloGrid::Pintura::Centro) x = r.left() + r.width() / 2 - largura / 2;
    const int y = topo + i * altura + altura / 2 - m.height() / 2;
    p.drawText(QPoint(x, y + m.ascent()), linha);
  }
  p.restore();
}

void TTolvCustomGrid::DesenhaBorda(QPainter& p, const QRect& r) const {
  p.setPen(QColor(kBorda));
  p.drawLine(r.topLeft(), r.bottomLeft());
}

void TTolvCustomGrid::MontaDica(QPoint ponto, QPoint global) {
  const QPoint celula = CelulaEm(ponto);
  MontaDicaCelula(celula, global, viewport(), RetanguloCelula(celula.x(), celula.y()));
}

void TTolvCustomGrid::MontaDicaCelula(QPoint celula, QPoint global, QWidget* area, const QRect& retangulo) {
  QString texto = toolTip();
  bool mostra = true;
  if (m_modelo->Contem(celula.x(), celula.y()))
    GuardaEventos::executa([&] { emit OnHint(celula.x(), celula.y(), texto, mostra); });
  if (mostra && !texto.isEmpty())
    QToolTip::showText(global, texto, area, retangulo.adjusted(-1, -1, 1, 1));
  else
    QToolTip::hideText();
}

void TTolvCustomGrid::keyPressEvent(QKeyEvent* evento) {
  evento->accept();
  GuardaEventos::executa([&] { trataTecla(evento); });
}

void TTolvCustomGrid::trataTecla(QKeyEvent* evento) {
  const QPoint atual = CelulaAtual();
  if (evento->matches(QKeySequence::Paste)) {
    if (!PodeEditar() || !AbreEditor()) return;
    QKeyEvent colar(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(m_editor, &colar);
    // Opened for a paste that was refused: nothing stays in the cell.
    if (!m_editor->isModified()) FechaEditor(false);
    return;
  }
  if (evento->matches(QKeySequence::Copy)) {
    CopiaCelula();
    return;
  }
  const Qt::KeyboardModifiers mods = evento->modifiers() & ~Qt::KeypadModifier;
  switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
      const bool volta = m_modelo->MovimentoVolta(atual, TModeloGrid::Proxima);
      if (MoveCelula(TModeloGrid::Proxima) && volta &&
          isSignalConnected(QMetaMethod::fromSignal(&TTolvCustomGrid::OnPressEnter)))
        emit OnPressEnter(this);
      return;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
      const bool proximo = evento->key() == Qt::Key_Tab && !(mods & Qt::ShiftModifier);
      if (!saiDaGrade(proximo)) MoveCelula(proximo ? TModeloGrid::Proxima : TModeloGrid::Anterior);
      return;
    }
    case Qt::Key_Right:
      MoveCelula(TModeloGrid::Proxima);
      return;
    case Qt::Key_Left:
      MoveCelula(TModeloGrid::Anterior);
      return;
    case Qt::Key_Down:
      MoveCelula(TModeloGrid::Abaixo);
      return;
    case Qt::Key_Up:
      MoveCelula(TModeloGrid::Acima);
      return;
    case Qt::Key_F2:
      if (AbreEditor()) m_editor->end(false);
      return;
    default:
      break;
  }
  const QString texto = evento->text();
  const bool digita = !texto.isEmpty() && texto.at(0).unicode() >= 32 && texto.at(0).unicode() != 127 &&
                      !(mods & (Qt::ControlModifier | Qt::AltModifier));
  if (digita && AbreEditor()) {
    // The key that opened the editor is its first one.
    QKeyEvent tecla(QEvent::KeyPress, evento->key(), evento->modifiers(), texto);
    QApplication::sendEvent(m_editor, &tecla);
    return;
  }
  evento->ignore();
}

bool TTolvCustomGrid::focusNextPrevChild(bool proximo) {
  // Leaving on purpose, or hidden with the focus: the window's own way.
  if (m_saindo || !isVisible()) return QWidget::focusNextPrevChild(proximo);
  GuardaEventos::executa([&] {
    if (!saiDaGrade(proximo)) MoveCelula(proximo ? TModeloGrid::Proxima : TModeloGrid::Anterior);
  });
  return true;
}

bool TTolvCustomGrid::saiDaGrade(bool proximo) {
  const auto direcao = proximo ? TModeloGrid::Proxima : TModeloGrid::Anterior;
  if (!m_modelo->MovimentoVolta(CelulaAtual(), direcao)) return false;
  if (!FechaEditor(true)) return true;
  m_saindo = true;
  QWidget::focusNextPrevChild(proximo);
  m_saindo = false;
  return true;
}

void TTolvCustomGrid::aoSair() {
  // The editor's own exit has stored (or refused, and then the focus never got here) its text.
  FechaEditor(false);
  const QPoint primeira = m_modelo->PrimeiraCelula();
  if (primeira.x() >= 0) defineAtual(primeira);
}

void TTolvCustomGrid::mousePressEvent(QMouseEvent* evento) {
  evento->accept();
  GuardaEventos::executa([&] {
    m_inicioArrasto.reset();
    const QPoint ponto = evento->position().toPoint();
    const QPoint celula = CelulaEm(ponto);
    if (!m_modelo->Contem(celula.x(), celula.y())) return;
    if (evento->button() == Qt::LeftButton && m_monetario && !m_readOnly &&
        !m_modelo->EhFixa(celula.x(), celula.y()))
      m_inicioArrasto = InicioArrasto{ponto, celula};
    // Captions and cells that take no value never become current.
    if (!m_modelo->CelulaEditavel(celula.x(), celula.y()) || celula == CelulaAtual()) return;
    SelecionaCelula(celula.x(), celula.y());
  });
}

void TTolvCustomGrid::mouseMoveEvent(QMouseEvent* evento) {
  evento->accept();
  if (!m_inicioArrasto || !(evento->buttons() & Qt::LeftButton)) return;
  const QPoint d = evento->position().toPoint() - m_inicioArrasto->ponto;
  if (std::abs(d.x()) < kLimiarArrasto && std::abs(d.y()) < kLimiarArrasto) return;
  const QPoint celula = m_inicioArrasto->celula;
  m_inicioArrasto.reset();
  GuardaEventos::executa([&] { arrasta(celula); });
}

void TTolvCustomGrid::mouseReleaseEvent(QMouseEvent* evento) {
  m_inicioArrasto.reset();
  evento->accept();
}

void TTolvCustomGrid::mouseDoubleClickEvent(QMouseEvent* evento) {
  evento->accept();
  const QPoint celula = CelulaEm(evento->position().toPoint());
  if (celula == CelulaAtual()) GuardaEventos::executa([&] { AbreEditor(); });
}

void TTolvCustomGrid::arrasta(QPoint celula) {
  std::unique_ptr<TDragMonetario> dados;
  try {
    dados = std::make_unique<TDragMonetario>(m_modelo->GetTextoCelula(celula.x(), celula.y()));
  } catch (const TErro& erro) {
    erro.Mostra();
    return;
  }
  auto* arrasto = new QDrag(this);
  arrasto->setMimeData(dados.release());
  arrasto->exec(Qt::CopyAction);
}

void TTolvCustomGrid::dragEnterEvent(QDragEnterEvent* evento) {
  // Taken while over the grid; each cell decides in dragMoveEvent.
  if (!m_readOnly && m_monetario && TDragMonetario::ValorDe(evento->mimeData())) {
    evento->setDropAction(Qt::CopyAction);
    evento->accept();
    dragMoveEvent(evento);
    evento->accept();
  } else {
    evento->ignore();
  }
}

void TTolvCustomGrid::dragMoveEvent(QDragMoveEvent* evento) {
  const QPoint celula = CelulaEm(evento->position().toPoint());
  if (AceitaSoltar(celula, evento->mimeData())) {
    evento->setDropAction(Qt::CopyAction);
    evento->accept(RetanguloCelula(celula.x(), celula.y()));
  } else {
    evento->ignore(RetanguloCelula(celula.x(), celula.y()));
  }
}

void TTolvCustomGrid::dropEvent(QDropEvent* evento) {
  const QPoint celula = CelulaEm(evento->position().toPoint());
  const std::optional<Valor> valor = TDragMonetario::ValorDe(evento->mimeData());
  if (!valor || !AceitaSoltar(celula, evento->mimeData())) {
    evento->ignore();
    return;
  }
  evento->setDropAction(Qt::CopyAction);
  evento->accept();
  GuardaEventos::executa([&] { RecebeValor(celula, *valor); });
}

bool TTolvCustomGrid::viewportEvent(QEvent* evento) {
  if (evento->type() == QEvent::ToolTip) {
    const auto* ajuda = static_cast<QHelpEvent*>(evento);
    MontaDica(ajuda->pos(), ajuda->globalPos());
    return true;
  }
  return QTableView::viewportEvent(evento);
}

void TTolvCustomGrid::resizeEvent(QResizeEvent* evento) {
  QTableView::resizeEvent(evento);
  GuardaEventos::executa([this] { AjustaDimensoes(); });
}

void TTolvCustomGrid::updateEditorGeometries() {
  QTableView::updateEditorGeometries();
  posicionaEditor();
}

void TTolvCustomGrid::aoMudarDimensoes() {
  FechaEditor(false);
  horizontalHeader()->setVisible(m_modelo->FixedRows() > 0);
  const int altura = verticalHeader()->defaultSectionSize();
  for (int i = 0; i < verticalHeader()->count(); ++i) verticalHeader()->resizeSection(i, altura);
  GuardaEventos::executa([this] { AjustaDimensoes(); });
  const QPoint primeira = m_modelo->PrimeiraCelula();
  if (primeira.x() >= 0) defineAtual(primeira);
  viewport()->update();
}

void TTolvCustomGrid::defineAtual(QPoint celula) {
  const QModelIndex i = indice(celula);
  if (!i.isValid()) return;
  selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  viewport()->update();
}

QModelIndex TTolvCustomGrid::indice(QPoint celula) const {
  if (celula.y() < m_modelo->FixedRows()) return {};
  return m_modelo->index(celula.y() - m_modelo->FixedRows(), celula.x());
}

void TTolvCustomGrid::criaEditor() {
  if (m_editor) return;
  if (m_monetario)
    m_editor = new TTolvInplaceEditMonetario(*this);
  else
    m_editor = new TTolvCustomInplaceEdit(*this);
  m_editor->hide();
}

void TTolvCustomGrid::posicionaEditor() {
  if (!m_editor || !EditorAberto()) return;
  m_editor->setGeometry(RetanguloCelula(m_celulaEditor.x(), m_celulaEditor.y()));
}
