#include "interface/TecladoPrincipal.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>

#include "controles/ControleDados.h"
#include "interface/AcoesPrincipal.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTolv2014.h"
#include "nucleo/TTolv.h"

namespace {

bool teclaDeLista(int tecla, bool numerico) {
  switch (tecla) {
    case Qt::Key_Backspace:
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
      return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
      return numerico;
    default:
      return false;
  }
}

// The keys that add or delete (and undo), which the annex pages always keep for themselves.
bool teclaDeEdicao(int tecla, bool numerico) {
  return tecla == Qt::Key_Backspace || tecla == Qt::Key_Insert || tecla == Qt::Key_Delete ||
         (numerico && (tecla == Qt::Key_Plus || tecla == Qt::Key_Minus));
}

}  // namespace

TecladoPrincipal::TecladoPrincipal(TTolv2014& janela) : QObject(&janela), m_janela(janela) {
  qApp->installEventFilter(this);
}

TecladoPrincipal::~TecladoPrincipal() { qApp->removeEventFilter(this); }

bool TecladoPrincipal::eventFilter(QObject* alvo, QEvent* evento) {
  if (evento->type() != QEvent::KeyPress && evento->type() != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(alvo);
  if (!widget || widget->window() != &m_janela || QApplication::activeModalWidget()) return false;
  auto* tecla = static_cast<QKeyEvent*>(evento);
  if (evento == m_ultimoEvento && tecla->timestamp() == m_ultimoMomento && evento->type() == m_ultimoTipo) {
    if (m_ultimoConsumido && evento->type() == QEvent::ShortcutOverride) evento->setAccepted(tecla->isAccepted());
    return m_ultimoConsumido;
  }
  m_ultimoEvento = evento;
  m_ultimoMomento = tecla->timestamp();
  m_ultimoTipo = evento->type();
  m_ultimoConsumido = false;
  const Qt::KeyboardModifiers mod = tecla->modifiers();
  if (evento->type() == QEvent::ShortcutOverride) {
    // Alt with keypad + or - goes to the list pages, never to a shortcut.
    if ((mod & Qt::AltModifier) && (mod & Qt::KeypadModifier) &&
        (tecla->key() == Qt::Key_Plus || tecla->key() == Qt::Key_Minus)) {
      tecla->accept();
      return m_ultimoConsumido = true;
    }
    // An edit would take Ctrl+A (select all) and the like: the window's own shortcuts go first.
    const QKeySequence sequencia(tecla->keyCombination());
    for (int i = 0; i < kAcoes; ++i) {
      QAction* a = m_janela.Acoes().acao(Acao(i));
      if (!a->shortcut().isEmpty() && a->shortcut() == sequencia && a->isEnabled() && a->isVisible()) {
        tecla->ignore();
        return m_ultimoConsumido = true;
      }
    }
    return false;
  }
  if (tecla->isAutoRepeat() && !(mod & Qt::AltModifier)) return false;
  return m_ultimoConsumido = FormKeyDown(tecla->key(), mod);
}

bool TecladoPrincipal::FormKeyDown(int tecla, Qt::KeyboardModifiers mod) {
  using P = TFrDeclaracao;
  const bool alt = mod & Qt::AltModifier;
  const bool numerico = mod & Qt::KeypadModifier;
  // Windows' Alt codes do not exist here; the digits must not reach the field either.
  if (alt && numerico && tecla >= Qt::Key_0 && tecla <= Qt::Key_9) return true;
  if (!alt) return false;
  TFrDeclaracao* c = m_janela.FrDeclaracao();
  if (!m_janela.DeclaracaoAberta() || !c->PaginasAbertas()) return false;
  if (!ConfirmaControleDados(QApplication::focusWidget())) return false;

  switch (tecla) {
    case Qt::Key_C:
      if (c->Declaracao() && c->Declaracao()->GetAnoCalendario() >= c->Declaracao()->GetAnoCalendarioCorrente() &&
          c->AtivaPagina(P::Comprovante))
        if (QWidget* pagina = c->PaginaDe(P::Comprovante); pagina && pagina->isEnabled() && pagina->isVisible())
          pagina->setFocus();
      break;
    case Qt::Key_I:
      c->AtivaPagina(P::Informacoes);
      break;
    case Qt::Key_B:
      c->AtivaPagina(P::BeneficiariosTolv);
      break;
    case Qt::Key_U:
      if (c->FundosMostrados()) c->AtivaPagina(P::Fundos);
      break;
    case Qt::Key_J:
      if (c->ProcessosMostrados()) c->AtivaPagina(P::Advogado);
      break;
    default:
      break;
  }

  const P::Pagina atual = c->PaginaAtual();
  TPaginaDeclaracao* pagina = c->PaginaDe(atual);
  if (tecla == Qt::Key_N && atual == P::Comprovante && pagina) pagina->TeclaAlt(tecla, numerico);
  const bool lista = teclaDeLista(tecla, numerico);
  const bool listaComprovante = lista && tecla != Qt::Key_Insert && tecla != Qt::Key_Delete && !numerico;
  if (pagina && ((lista && (atual == P::BeneficiariosTolv || atual == P::Fundos || atual == P::Advogado)) ||
                 (listaComprovante && atual == P::Comprovante)))
    pagina->TeclaAlt(tecla, numerico);

  if (tecla == Qt::Key_F4) return false;
  switch (atual) {
    case P::Informacoes:
    case P::Resumo:
      return false;
    case P::BeneficiariosTolv:
      return lista;
    case P::Comprovante:
      return listaComprovante;
    case P::Fundos:
    case P::Advogado:
      return teclaDeEdicao(tecla, numerico);
    default:
      return true;
  }
}
