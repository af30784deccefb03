#include "nucleo/Observadores.h"

#include <cstring>

TObservadores::~TObservadores() {
  if (m_capacidade > 1) delete[] m_heap;
}

void TObservadores::Adiciona(IObservador* observador) {
  if (m_quantidade == m_capacidade) {
    const uint32_t nova = m_capacidade * 2;
    auto** novos = new IObservador*[nova];
    std::memcpy(novos, itens(), m_quantidade * sizeof(IObservador*));
    if (m_capacidade > 1) delete[] m_heap;
    m_heap = novos;
    m_capacidade = nova;
  }
  itens()[m_quantidade++] = observador;
}

void TObservadores::Remove(IObservador* observador) {
  IObservador** v = itens();
  for (uint32_t i = 0; i < m_quantidade; ++i) {
    if (v[i] != observador) continue;
    std::memmove(v + i, v + i + 1, (m_quantidade - i - 1) * sizeof(IObservador*));
    --m_quantidade;
    return;
  }
}

bool TObservadores::Contem(const IObservador* observador) const {
  const auto* v = itens();
  for (uint32_t i = 0; i < m_quantidade; ++i)
    if (v[i] == observador) return true;
  return false;
}

void TObservadores::NotificaAlteracao(IObservavel* observavel) {
  const uint32_t n = m_quantidade;
  for (uint32_t i = 0; i < n && i < m_quantidade; ++i) itens()[i]->Alterado(observavel);
}

void TObservadores::NotificaLiberacao(IObservavel* observavel) {
  const uint32_t n = m_quantidade;
  for (uint32_t i = 0; i < n && i < m_quantidade; ++i) itens()[i]->Liberado(observavel);
  m_quantidade = 0;
}
