#include "controles/TTolvCustomEdit.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include "controles/FiltroMonetario.h"
#include "controles/TErroEdit.h"
#include "controles/TRastreadorFoco.h"
#include "nucleo/Erros.h"
#include "plataforma/gui/GuardaEventos.h"

namespace {

constexpr int kResultadoCancelar = 2;
// Room that QLineEdit keeps on each side of its text.
constexpr int kMargemTexto = 2;

bool ehDigito(QChar c) { return c >= u'0' && c <= u'9'; }

bool soDigitos(const QString& texto) {
  return std::all_of(texto.begin(), texto.end(), ehDigito);
}

// A key that types text, as QLineEdit sees it: control characters and shortcuts go their
// usual way.
bool digitaTexto(const QKeyEvent& evento) {
  const QString texto = evento.text();
  if (texto.isEmpty()) return false;
  const Qt::KeyboardModifiers m = evento.modifiers() & ~Qt::KeypadModifier;
  if (m == Qt::ControlModifier || m == (Qt::ControlModifier | Qt::ShiftModifier)) return false;
  return std::none_of(texto.begin(), texto.end(),
                      [](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
}

}  // namespace

TTolvCustomEdit::TTolvCustomEdit(QWidget* pai) : QLineEdit(pai) {
  // Only amounts travel by drag, and only into the edits that take them.
  setAcceptDrops(false);
  m_rastreador = &TRastreadorFoco::instancia();
  m_rastreador->registra(
      this, [this](QWidget*) { return aoSair(); }, [this](QWidget*) { aoEntrar(); });
}

TTolvCustomEdit::~TTolvCustomEdit() {
  if (m_rastreador) m_rastreador->esquece(this);
}

void TTolvCustomEdit::SetAlignment(Qt::Alignment alinhamento) {
  setAlignment((alinhamento & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

QString TTolvCustomEdit::GetValorDado(bool) const { return text(); }

void TTolvCustomEdit::SetValorDado(const QString&) {}

bool TTolvCustomEdit::ConfirmaValor() {
  if (!EstaAssociado() || !isModified() || BotaoCancelarAtivo(this)) return true;
  try {
    // A value that empties itself before refusing the text must not take the typed text away.
    m_confirmando = true;
    SetValorDado(text());
    m_confirmando = false;
  } catch (const TErro& erro) {
    m_confirmando = false;
    m_rejeitado = true;
    TErroEdit::GuardaErro(erro.Codigo());
    setFocus(Qt::OtherFocusReason);
    erro.Mostra();
    selectAll();
    setModified(false);
    return false;
  }
  Reexibe();
  emit AposModificar(this);
  return true;
}

void TTolvCustomEdit::Reexibe() {
  if (m_confirmando) return;
  // The window's focus, which stays while a message box or another window is up.
  const QString texto = GetValorDado(window()->focusWidget() != this);
  if (texto != text()) setText(texto);
}

void TTolvCustomEdit::AvancaFoco() {
  QTimer::singleShot(0, this, [this] { focusNextChild(); });
}

bool TTolvCustomEdit::BotaoCancelarAtivo(const QWidget* controle) {
  auto* botao = qobject_cast<QPushButton*>(controle->window()->focusWidget());
  if (!botao) return false;
  if (botao->property("ModalResult").toInt() == kResultadoCancelar) return true;
  const auto* caixa = qobject_cast<const QDialogButtonBox*>(botao->parentWidget());
  return caixa && caixa->buttonRole(botao) == QDialogButtonBox::RejectRole;
}

void TTolvCustomEdit::aoEntrar() {
  if (!m_rejeitado && EstaAssociado()) {
    setText(GetValorDado(false));
    selectAll();
  }
  m_rejeitado = false;
}

bool TTolvCustomEdit::aoSair() {
  if (!ConfirmaValor()) return false;
  const QString formatado = GetValorDado(true);
  if (formatado != text()) setText(formatado);
  setModified(false);
  // The text refused is gone: the next entry shows the value again.
  m_rejeitado = false;
  return true;
}

void TTolvCustomEdit::restaura() {
  setText(GetValorDado(false));
  setModified(false);
  selectAll();
}

void TTolvCustomEdit::keyPressEvent(QKeyEvent* evento) {
  switch (evento->key()) {
    case Qt::Key_Escape:
      evento->accept();
      restaura();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      evento->accept();
      GuardaEventos::executa([this] {
        if (isSignalConnected(QMetaMethod::fromSignal(&TTolvCustomEdit::OnPressEnter)))
          emit OnPressEnter(this);
        else if (m_autoAvanco)
          AvancaFoco();
      });
      return;
    default:
      break;
  }
  if (evento->matches(QKeySequence::Paste)) {
    evento->accept();
    if (!isReadOnly()) cola(QClipboard::Clipboard);
    return;
  }
  if (!isReadOnly() && digitaTexto(*evento)) {
    evento->accept();
    for (QChar c : evento->text()) digita(c);
    return;
  }
  QLineEdit::keyPressEvent(evento);
}

void TTolvCustomEdit::focusInEvent(QFocusEvent* evento) {
  QLineEdit::focusInEvent(evento);
  if (evento->reason() != Qt::MouseFocusReason) return;
  // Qt hands the press over right after the focus; a press that never comes (the move was
  // refused and the click swallowed) must not count for a later one.
  m_entrouPorClique = true;
  QTimer::singleShot(0, this, [this] { m_entrouPorClique = false; });
}

void TTolvCustomEdit::focusOutEvent(QFocusEvent* evento) {
  m_entrouPorClique = false;
  m_cliqueEntrada.reset();
  QLineEdit::focusOutEvent(evento);
}

void TTolvCustomEdit::mousePressEvent(QMouseEvent* evento) {
  const bool entrada = m_entrouPorClique && evento->button() == Qt::LeftButton &&
                       !(evento->modifiers() & Qt::ShiftModifier);
  m_entrouPorClique = false;
  QLineEdit::mousePressEvent(evento);
  // Entering by the mouse selects the whole text as entering by the keyboard does: typing over
  // "0,00" must replace it, not go in front of it.
  if (entrada && hasFocus()) {
    selectAll();
    m_cliqueEntrada = evento->position().toPoint();
  }
}

void TTolvCustomEdit::mouseMoveEvent(QMouseEvent* evento) {
  // A hand that trembles while clicking in keeps the whole text selected; a real drag selects
  // from where the button went down, as usual.
  if (m_cliqueEntrada) {
    if ((evento->position().toPoint() - *m_cliqueEntrada).manhattanLength() < QApplication::startDragDistance()) {
      evento->accept();
      return;
    }
    m_cliqueEntrada.reset();
  }
  QLineEdit::mouseMoveEvent(evento);
}

void TTolvCustomEdit::mouseReleaseEvent(QMouseEvent* evento) {
  m_cliqueEntrada.reset();
  // The middle button pastes the selection where the system has one.
  if (evento->button() == Qt::MiddleButton && !isReadOnly() &&
      QApplication::clipboard()->supportsSelection()) {
    evento->accept();
    deselect();
    cola(QClipboard::Selection);
    return;
  }
  QLineEdit::mouseReleaseEvent(evento);
}

void TTolvCustomEdit::contextMenuEvent(QContextMenuEvent* evento) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu's paste goes through the same checks as the keyboard's.
  for (QAction* acao : menu->actions()) {
    if (acao->objectName() != QLatin1String("edit-paste") &&
        !acao->text().startsWith(QLineEdit::tr("&Paste")))
      continue;
    disconnect(acao, nullptr, this, nullptr);
    connect(acao, &QAction::triggered, this, [this] { cola(QClipboard::Clipboard); });
  }
  menu->popup(evento->globalPos());
}

void TTolvCustomEdit::digita(QChar caractere) {
  bool avanca = false;
  switch (m_tipoDeDado) {
    case TTipoDeDado::AlfaNumerico:
      break;
    case TTipoDeDado::ApenasNumeros:
      if (!ehDigito(caractere)) return;
      break;
    case TTipoDeDado::Numerico: {
      const int inicio = hasSelectedText() ? selectionStart() : cursorPosition();
      const DecisaoTeclaMonetaria d =
          FiltraTeclaMonetaria(text(), inicio, selectionLength(), caractere, MaxDigitosInteiros());
      if (!d.aceita) return;
      caractere = d.caractere;
      avanca = d.avanca;
      break;
    }
  }
  if (m_somenteDigitos && !ehDigito(caractere)) return;
  if (insere(QString(caractere)) && avanca) AvancaFoco();
}

void TTolvCustomEdit::cola(QClipboard::Mode modo) {
  QString texto = QApplication::clipboard()->text(modo);
  if (m_tipoDeDado == TTipoDeDado::ApenasNumeros && !soDigitos(texto)) return;
  // One line goes into a line edit: the first.
  const qsizetype quebra = texto.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (quebra >= 0) texto.truncate(quebra);
  ColaLinha(texto);
}

bool TTolvCustomEdit::insere(QString texto) {
  const int tamanhoSelecao = selectionLength();
  if (m_limiteTexto > 0) {
    const int livre = m_limiteTexto - (int(text().size()) - tamanhoSelecao);
    texto.truncate(std::max(livre, 0));
  }
  if (texto.isEmpty() && tamanhoSelecao == 0) return false;
  if (m_limitado) {
    const int inicio = hasSelectedText() ? selectionStart() : cursorPosition();
    if (!cabeNaLargura(text().replace(inicio, tamanhoSelecao, texto))) return false;
  }
  insert(texto);
  return true;
}

bool TTolvCustomEdit::cabeNaLargura(const QString& texto) const {
  QStyleOptionFrame opcao;
  initStyleOption(&opcao);
  const QRect area = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &opcao, this)
                         .marginsRemoved(textMargins());
  // One pixel more for the caret after the last character.
  return fontMetrics().horizontalAdvance(texto) + 1 <= area.width() - 2 * kMargemTexto;
}
