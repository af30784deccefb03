#include "controles/TRastreadorFoco.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>
#include <QtDebug>

#include <algorithm>
#include <exception>

#include "plataforma/gui/GuardaEventos.h"

namespace {

// Handlers that keep sending the focus to one another would otherwise never end.
constexpr int kMaximoPassos = 16;

bool contem(const QWidget* conteiner, const QWidget* w) {
  return conteiner == w || conteiner->isAncestorOf(w);
}

// Where the focus can really go back to: a hidden or disabled control cannot take it.
bool podeFocar(const QWidget* w) {
  return w && w->isEnabled() && w->isVisible() && w->focusPolicy() != Qt::NoFocus;
}

}  // namespace

TRastreadorFoco::TRastreadorFoco(QObject* pai) : QObject(pai) {
  connect(qApp, &QApplication::focusChanged, this, &TRastreadorFoco::aoMudarFoco);
  qApp->installEventFilter(this);
  // The control focused before the tracker existed counts as entered.
  if (QWidget* atual = QApplication::focusWidget()) defineLogico(atual->window(), atual);
}

TRastreadorFoco::~TRastreadorFoco() = default;

TRastreadorFoco& TRastreadorFoco::instancia() {
  static QPointer<TRastreadorFoco> unico;
  if (!unico) unico = new TRastreadorFoco(qApp);
  return *unico;
}

int TRastreadorFoco::registra(QWidget* widget, Saida aoSair, Entrada aoEntrar) {
  auto [it, novo] = m_registros.try_emplace(widget);
  if (novo) {
    connect(widget, &QObject::destroyed, this,
            [this](QObject* o) { m_registros.erase(o); });
  }
  const int id = m_proximoId++;
  it->second.push_back({id, std::move(aoSair), std::move(aoEntrar)});
  return id;
}

void TRastreadorFoco::cancela(int registro) {
  for (auto& [widget, lista] : m_registros) {
    const auto fim = std::remove_if(lista.begin(), lista.end(),
                                    [registro](const Registro& r) { return r.id == registro; });
    if (fim != lista.end()) {
      lista.erase(fim, lista.end());
      return;
    }
  }
}

void TRastreadorFoco::esquece(QWidget* widget) {
  if (const auto it = m_registros.find(widget); it != m_registros.end()) it->second.clear();
}

QWidget* TRastreadorFoco::focoLogico(QWidget* janela) const {
  const auto it = m_logico.find(janela);
  if (it == m_logico.end()) return nullptr;
  // The first control of the chain still alive and still in the window: when a control is
  // destroyed, its container counts as focused, with no event.
  for (const QPointer<QWidget>& w : it->second) {
    if (w && contem(janela, w)) return w;
  }
  return nullptr;
}

bool TRastreadorFoco::eventFilter(QObject* objeto, QEvent* evento) {
  switch (evento->type()) {
    case QEvent::FocusIn:
      // Sent before the focus change is announced; the announcement carries no reason.
      m_ultimaRazao = static_cast<QFocusEvent*>(evento)->reason();
      break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (m_engoleClique && objeto->isWidgetType()) {
        m_engoleClique = false;
        return true;
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(objeto, evento);
}

void TRastreadorFoco::aoMudarFoco(QWidget*, QWidget* novo) {
  if (!novo) return;
  QWidget* janela = novo->window();
  // A change that a handler makes in its own window is taken up by the loop that called it;
  // another window (a dialog opened by a handler) is followed at once.
  const QObject* const chave = janela;
  if (std::find(m_ocupadas.begin(), m_ocupadas.end(), chave) != m_ocupadas.end()) return;
  processa(janela);
}

void TRastreadorFoco::processa(QWidget* janela) {
  const QPointer<QWidget> pJanela(janela);
  const QObject* const chave = janela;
  const Qt::FocusReason razao = m_ultimaRazao;
  m_ocupadas.push_back(chave);
  for (int passo = 0; pJanela; ++passo) {
    // The window's own focused control: Qt keeps it while another window is active.
    QWidget* alvo = pJanela->focusWidget();
    if (!alvo) break;
    QWidget* origem = focoLogico(pJanela);
    if (!origem) origem = pJanela;
    if (origem == alvo) break;
    if (passo == kMaximoPassos) {
      qWarning() << "Foco: os tratadores não deixam o foco parar; fica em" << alvo->objectName();
      defineLogico(pJanela, alvo);
      break;
    }
    transita(pJanela, origem, alvo, razao);
  }
  m_ocupadas.erase(std::find(m_ocupadas.begin(), m_ocupadas.end(), chave));
}

void TRastreadorFoco::transita(QWidget* janela, QWidget* origem, QWidget* alvo,
                               Qt::FocusReason razao) {
  const QPointer<QWidget> pJanela(janela), pOrigem(origem), pAlvo(alvo);
  std::vector<QPointer<QWidget>> saidas;  // inner to outer
  for (QWidget* w = origem; w && w != janela && !contem(w, alvo); w = w->parentWidget())
    saidas.emplace_back(w);
  QWidget* comum = saidas.empty() ? origem : saidas.back()->parentWidget();
  std::vector<QPointer<QWidget>> entradas;
  for (QWidget* w = alvo; w && w != comum; w = w->parentWidget()) entradas.emplace_back(w);
  std::reverse(entradas.begin(), entradas.end());  // outer to inner

  // After each handler: the window gone, or its focus elsewhere, ends this move; the loop of
  // processa() starts the next one from where the handlers stood.
  const auto mudou = [&] { return !pJanela || !pAlvo || pJanela->focusWidget() != pAlvo; };

  acompanhaJanela(janela);
  for (const QPointer<QWidget>& w : saidas) {
    if (!w) return;
    defineLogico(janela, w->parentWidget());
    if (!chamaSaidas(w, alvo)) {
      if (pJanela) recusa(pJanela, pOrigem, w, razao);
      return;
    }
    if (mudou()) return;
  }
  for (const QPointer<QWidget>& w : entradas) {
    if (!w) return;
    defineLogico(janela, w);
    chamaEntradas(w, pOrigem);
    if (mudou()) return;
  }
}

void TRastreadorFoco::recusa(QWidget* janela, QWidget* origem, QWidget* recusador,
                             Qt::FocusReason razao) {
  // Back to the control that had the focus; a container that refuses sends it back there too.
  QWidget* volta = origem && origem != janela ? origem : recusador;
  if (volta && !podeFocar(volta) && volta->focusWidget() && contem(volta, volta->focusWidget()))
    volta = volta->focusWidget();
  if (!podeFocar(volta)) {
    // Nowhere to go back to: the control that has the focus stays, with no event.
    qWarning() << "Foco: saída recusada sem controle que receba o foco de volta";
    if (QWidget* atual = janela->focusWidget()) defineLogico(janela, atual);
    return;
  }
  // Marked before the focus returns, so that the way back runs no enter handler.
  defineLogico(janela, volta);
  volta->setFocus(Qt::OtherFocusReason);
  // The press that moved the focus is still on its way to the control it landed on.
  if (razao == Qt::MouseFocusReason) {
    m_engoleClique = true;
    QTimer::singleShot(0, this, [this] { m_engoleClique = false; });
  }
}

bool TRastreadorFoco::chamaSaidas(QWidget* widget, QWidget* destino) {
  const QPointer<QWidget> pDestino(destino);
  for (int id : registrosDe(widget)) {
    const Registro* r = registro(widget, id);
    if (!r || !r->aoSair) continue;
    const Saida aoSair = r->aoSair;  // the handler may end its own registration
    bool aceita = true;
    GuardaEventos::executa([&] { aceita = aoSair(pDestino); });
    if (!aceita) return false;
  }
  return true;
}

void TRastreadorFoco::chamaEntradas(QWidget* widget, QWidget* origem) {
  const QPointer<QWidget> pOrigem(origem);
  for (int id : registrosDe(widget)) {
    const Registro* r = registro(widget, id);
    if (!r || !r->aoEntrar) continue;
    const Entrada aoEntrar = r->aoEntrar;
    GuardaEventos::executa([&] { aoEntrar(pOrigem); });
  }
}

std::vector<int> TRastreadorFoco::registrosDe(const QWidget* widget) const {
  std::vector<int> ids;
  if (const auto it = m_registros.find(widget); it != m_registros.end()) {
    for (const Registro& r : it->second) ids.push_back(r.id);
  }
  return ids;
}

const TRastreadorFoco::Registro* TRastreadorFoco::registro(const QWidget* widget, int id) const {
  const auto it = m_registros.find(widget);
  if (it == m_registros.end()) return nullptr;
  for (const Registro& r : it->second) {
    if (r.id == id) return &r;
  }
  return nullptr;
}

void TRastreadorFoco::defineLogico(QWidget* janela, QWidget* widget) {
  acompanhaJanela(janela);
  Cadeia cadeia;
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    cadeia.emplace_back(w);
    if (w == janela) break;
  }
  m_logico[janela] = std::move(cadeia);
}

void TRastreadorFoco::acompanhaJanela(QWidget* janela) {
  if (m_logico.count(janela)) return;
  m_logico[janela];
  connect(janela, &QObject::destroyed, this, [this](QObject* o) { m_logico.erase(o); });
}
