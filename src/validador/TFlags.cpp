#include "validador/TFlags.h"

void TFlags::SetTamanho(int64_t bits) {
  m_bits.assign(size_t(bits < 0 ? 0 : (bits + 63) / 64), 0);
}

void TFlags::Marca(int64_t linha, bool importavel) {
  if (linha < 0) return;
  const size_t palavra = size_t(linha / 64);
  if (palavra >= m_bits.size()) m_bits.resize(palavra + 1 + m_bits.size() / 2, 0);
  const uint64_t bit = uint64_t(1) << (linha % 64);
  if (importavel)
    m_bits[palavra] |= bit;
  else
    m_bits[palavra] &= ~bit;
  m_campos.GravaLinha(linha);
}

bool TFlags::Importavel(int64_t linha) const {
  if (linha < 0) return false;
  const size_t palavra = size_t(linha / 64);
  return palavra < m_bits.size() && (m_bits[palavra] >> (linha % 64)) & 1;
}

void TFlags::Reinicia() {
  m_linha = 0;
  m_campos.Primeiro();
}
