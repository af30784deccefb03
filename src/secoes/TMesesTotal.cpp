#include "secoes/TMesesTotal.h"

TMesesTotal::~TMesesTotal() {
  NotificaLiberacao();
  DeixaDeObservar();
}

void TMesesTotal::DeixaDeObservar() {
  for (TMeses* termo : m_termos) termo->RemoveObservador(this);
}

void TMesesTotal::AdicionaSomando(TMeses& termo) {
  m_termos.insert(m_termos.begin() + m_somandos, &termo);
  termo.AdicionaObservador(this);
  ++m_somandos;
  m_valido = false;
  NotificaAlteracao();
}

Valor TMesesTotal::GetValorInterno() const {
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

void TMesesTotal::Limpar() {
  DeixaDeObservar();
  m_termos.clear();
  m_somandos = 0;
  m_valido = false;
  TMeses::Limpar();
}

void TMesesTotal::Alterado(IObservavel*) {
  m_valido = false;
  NotificaAlteracao();
}

void TMesesTotal::Liberado(IObservavel* termo) {
  for (int i = int(m_termos.size()) - 1; i >= 0; --i) {
    if (static_cast<IObservavel*>(m_termos[i]) != termo) continue;
    m_termos.erase(m_termos.begin() + i);
    if (i < m_somandos) --m_somandos;
  }
  m_valido = false;
}
