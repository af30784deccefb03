#pragma once

#include <memory>
#include <vector>

#include "nucleo/TQuadroRRA.h"

// The blocks of income received cumulatively of an individual income statement, in the order they
// were added. The list owns them.
class TQuadroListaRRA {
 public:
  void Adiciona(std::unique_ptr<TQuadroRRA> quadro) { m_quadros.push_back(std::move(quadro)); }
  // From 0.
  TQuadroRRA& GetItem(int indice) const { return *m_quadros.at(size_t(indice)); }
  int GetQuantidade() const { return int(m_quadros.size()); }
  void Limpar() { m_quadros.clear(); }

 private:
  std::vector<std::unique_ptr<TQuadroRRA>> m_quadros;
};
