#include "nucleo/Observadores.h"

#include <algorithm>

// Counts a walk for as long as it lasts, even when an observer raises.
class TObservadores::Percurso {
 public:
  explicit Percurso(TObservadores& lista) : m_lista(lista) { ++m_lista.m_percursos; }
  ~Percurso() {
    if (--m_lista.m_percursos == 0 && m_lista.m_vagas) m_lista.Compacta();
  }
  Percurso(const Percurso&) = delete;
  Percurso& operator=(const Percurso&) = delete;

 private:
  TObservadores& m_lista;
};

void TObservadores::Adiciona(IObservador* observador) { m_itens.push_back(observador); }

void TObservadores::Remove(IObservador* observador) {
  if (!observador) return;
  const auto it = std::find(m_itens.begin(), m_itens.end(), observador);
  if (it == m_itens.end()) return;
  if (m_percursos == 0) {
    m_itens.erase(it);
    return;
  }
  *it = nullptr;
  m_vagas = true;
}

void TObservadores::Compacta() {
  std::erase(m_itens, nullptr);
  m_vagas = false;
}

int TObservadores::Quantidade() const {
  return int(std::count_if(m_itens.begin(), m_itens.end(), [](const IObservador* o) { return o != nullptr; }));
}

bool TObservadores::Contem(const IObservador* observador) const {
  return observador && std::find(m_itens.begin(), m_itens.end(), observador) != m_itens.end();
}

void TObservadores::NotificaAlteracao(IObservavel* observavel) {
  if (m_itens.empty()) return;
  Percurso percurso(*this);
  // By position: the list may grow meanwhile, and a place emptied before its turn is skipped.
  const size_t n = m_itens.size();
  for (size_t i = 0; i < n; ++i)
    if (IObservador* o = m_itens[i]) o->Alterado(observavel);
}

void TObservadores::NotificaLiberacao(IObservavel* observavel) {
  if (m_itens.empty()) return;
  {
    Percurso percurso(*this);
    const size_t n = m_itens.size();
    for (size_t i = 0; i < n; ++i)
      if (IObservador* o = m_itens[i]) o->Liberado(observavel);
  }
  m_itens.clear();
  m_vagas = false;
}
