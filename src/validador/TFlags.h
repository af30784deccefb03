#pragma once

#include <cstdint>
#include <vector>

#include "validador/TTFlagCampo.h"

// The verdict of the analysis on each line (one bit: importable) with the rejected warning fields
// of the lines that have any, and the number of the line read last.
class TFlags {
 public:
  void SetTamanho(int64_t bits);
  // Sets the line's bit, growing on demand, and stores the current field list for the line.
  void Marca(int64_t linha, bool importavel);
  // A line beyond the bits set reads as not importable.
  bool Importavel(int64_t linha) const;
  void ProximaLinha() { ++m_linha; }
  int64_t Linha() const { return m_linha; }
  // Line counter to 0 and the field list's cursor to the first row.
  void Reinicia();
  TTFlagCampo& GetFlagCampo() { return m_campos; }
  const TTFlagCampo::Campos& CamposRejeitados() { return m_campos.CamposDaLinha(m_linha); }

 private:
  std::vector<uint64_t> m_bits;
  TTFlagCampo m_campos;
  int64_t m_linha = 0;
};
