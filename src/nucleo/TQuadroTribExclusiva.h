#pragma once

#include "nucleo/MonetarioTotal.h"

// Box 5 of an individual income statement, income taxed exclusively at source: line 01 the net
// thirteenth salary, line 02 the others (an own amount, first addend of its total, to which the
// partial items add the rest of their income and subtract the rest of their tax).
class TQuadroTribExclusiva {
 public:
  TQuadroTribExclusiva();
  TQuadroTribExclusiva(const TQuadroTribExclusiva&) = delete;
  TQuadroTribExclusiva& operator=(const TQuadroTribExclusiva&) = delete;

  TMonetario& GetLinha01() { return m_decimoTerceiro; }
  TMonetario& GetLinha02() { return m_outros; }
  TMonetarioTotal& GetTotalLinha02() { return m_totalOutros; }

  void Limpar();
  // The box's own flag: set and cleared through SetModificado only.
  bool GetModificado() const { return m_modificado; }
  void SetModificado(bool modificado);

 private:
  TMonetario m_decimoTerceiro;
  TMonetario m_outros;
  TMonetarioTotal m_totalOutros;
  bool m_modificado = false;
};
