#include "nucleo/MonetarioTotal.h"

TMonetarioTotal::~TMonetarioTotal() {
  NotificaLiberacao();
  DeixaDeObservar();
}

void TMonetarioTotal::DeixaDeObservar() {
  for (TMonetario* termo : m_termos) termo->RemoveObservador(this);
}

void TMonetarioTotal::AdicionaSomando(TMonetario& termo) {
  m_termos.insert(m_termos.begin() + m_somandos, &termo);
  termo.AdicionaObservador(this);
  ++m_somandos;
  m_valido = false;
  NotificaAlteracao();
}

void TMonetarioTotal::AdicionaSubtraendo(TMonetario& termo) {
  m_termos.push_back(&termo);
  termo.AdicionaObservador(this);
  m_valido = false;
  NotificaAlteracao();
}

void TMonetarioTotal::SetValor(const QString& texto) {
  if (const auto valor = InterpretaTexto(texto)) VerificaLimite(*valor);
}

Valor TMonetarioTotal::GetValorInterno() const {
  if (!m_valido) {
    Valor soma;
    for (size_t i = 0; i < m_termos.size(); ++i) {
      if (int(i) < m_somandos)
        soma += m_termos[i]->GetValorMonetario();
      else
        soma -= m_termos[i]->GetValorMonetario();
    }
    m_soma = soma;
    m_valido = true;
  }
  return m_soma;
}

void TMonetarioTotal::Limpar() {
  DeixaDeObservar();
  m_termos.clear();
  m_somandos = 0;
  m_valido = false;
  TMonetario::Limpar();
}

void TMonetarioTotal::Alterado(IObservavel*) {
  m_valido = false;
  NotificaAlteracao();
}

void TMonetarioTotal::Liberado(IObservavel* termo) {
  for (int i = int(m_termos.size()) - 1; i >= 0; --i) {
    if (static_cast<IObservavel*>(m_termos[i]) != termo) continue;
    m_termos.erase(m_termos.begin() + i);
    // A destroyed addend must not turn the first subtrahend into an addend.
    if (i < m_somandos) --m_somandos;
  }
  m_valido = false;
}
