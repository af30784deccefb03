#include "controles/TFormAssistBase.h"

#include <QScopeGuard>

#include "plataforma/gui/GuardaEventos.h"

TFormAssistBase::TFormAssistBase(QWidget* dono) : QDialog(dono) { FormCreate(); }

TFormAssistBase::~TFormAssistBase() = default;

void TFormAssistBase::FormCreate() {
  m_ocupado = false;
  m_cancelando = false;
}

TEstadoBase* TFormAssistBase::Estado(int indice) const {
  if (indice < 1 || indice > QuantidadeEstados()) return nullptr;
  return m_estados[indice - 1].get();
}

void TFormAssistBase::adicionaEstado(std::unique_ptr<TEstadoBase> estado) {
  if (estado) m_estados.push_back(std::move(estado));
}

void TFormAssistBase::ExecutaEstado() {
  if (m_cancelado || m_indiceAtual == RotaAssistente::Cancela) {
    done(QDialog::Rejected);
    return;
  }
  if (m_indiceAtual == RotaAssistente::Conclui) {
    done(QDialog::Accepted);
    return;
  }
  if (TEstadoBase* estado = Estado(m_indiceAtual)) {
    m_estadoAtual = estado;
    estado->Executa();
  }
}

bool TFormAssistBase::PodeAvancar(int) { return true; }

void TFormAssistBase::Cancela() { m_cancelado = true; }

void TFormAssistBase::MarcaErro(bool erro) {
  if (m_estadoAtual) m_estadoAtual->SetErro(erro);
}

void TFormAssistBase::avanca(int evento) {
  if (m_ocupado) return;
  m_ocupado = true;
  const auto livre = qScopeGuard([this] { m_ocupado = false; });
  do {
    if (!PodeAvancar(m_indiceAtual)) return;
    int veioDe = 0;
    if (m_indiceAtual > 0) {
      if (!m_estadoAtual) return;  // no state was executed yet: nobody to hand the event to
      m_continua = m_estadoAtual->TrataEvento(evento);
      veioDe = m_indiceAtual;
      m_indiceAtual = m_estadoAtual->GetProximo();
    }
    if (TEstadoBase* proximo = Estado(m_indiceAtual)) proximo->SetAnterior(veioDe);
    ExecutaEstado();
    // Going on past the end, a cancel or an index that names no state would repeat for ever.
    if (m_cancelado || !Estado(m_indiceAtual)) return;
  } while (m_continua);
}

void TFormAssistBase::BtnAvancarClick() { avanca(EventoAssistente::Avancar); }

void TFormAssistBase::BtnOKClick() { avanca(EventoAssistente::Concluir); }

void TFormAssistBase::BtnRetornarClick() {
  if (!m_ocupado) {
    const int anterior = m_estadoAtual ? m_estadoAtual->GetAnterior() : 0;
    TEstadoBase* estado = Estado(anterior);
    if (!estado) return;  // the first state: there is nothing to go back to
    m_indiceAtual = anterior;
    m_estadoAtual = estado;
    estado->Mostra();
  }
  aposVoltar();
}

void TFormAssistBase::CancelBtnClick() {
  if (m_cancelando) return;
  m_cancelando = true;
  const auto livre = qScopeGuard([this] { m_cancelando = false; });
  m_cancelado = true;
  ExecutaEstado();
  done(QDialog::Rejected);
}

void TFormAssistBase::reject() { guardado(&TFormAssistBase::CancelBtnClick); }

void TFormAssistBase::guardado(void (TFormAssistBase::*handler)()) {
  GuardaEventos::executa([this, handler] { (this->*handler)(); });
}
