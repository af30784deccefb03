#pragma once

#include <array>
#include <span>
#include <vector>

#include "nucleo/TNatureza.h"

// The ten legal natures, item n with code n (5 to 7 are empty placeholders that no declarant
// may take), and the natures the current declarant may take. The declaration keeps a pointer
// into the full list as its current nature, so the table neither copies nor moves.
class TNaturezas {
 public:
  TNaturezas();
  TNaturezas(const TNaturezas&) = delete;
  TNaturezas& operator=(const TNaturezas&) = delete;

  std::span<TNatureza> GetNaturezas() { return m_naturezas; }
  std::span<const TNatureza> GetNaturezas() const { return m_naturezas; }
  // In the order they were added; the pointers observe items of the full list.
  const std::vector<TNatureza*>& GetPermitidas() const { return m_permitidas; }

  // The first nature of the full list with that code; nullptr when there is none.
  TNatureza* BuscaNatureza(int codigo);
  const TNatureza* BuscaNatureza(int codigo) const;

  void LimpaPermitidas() { m_permitidas.clear(); }
  void AdicionaPermitida(TNatureza* natureza) { m_permitidas.push_back(natureza); }

 private:
  std::array<TNatureza, 10> m_naturezas;
  std::vector<TNatureza*> m_permitidas;
};
