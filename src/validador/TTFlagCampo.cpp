#include "validador/TTFlagCampo.h"

void TTFlagCampo::GravaLinha(int64_t linha) {
  if (!m_atual.empty()) m_linhas.push_back({linha, m_atual});
}

const TTFlagCampo::Campos& TTFlagCampo::CamposDaLinha(int64_t linha) {
  while (m_cursor < m_linhas.size() && m_linhas[m_cursor].linha < linha) ++m_cursor;
  if (m_cursor < m_linhas.size() && m_linhas[m_cursor].linha == linha) return m_linhas[m_cursor++].campos;
  return m_vazia;
}

void TTFlagCampo::Limpa() {
  m_atual.clear();
  m_linhas.clear();
  m_cursor = 0;
}
