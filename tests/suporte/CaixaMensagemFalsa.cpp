#include "suporte/CaixaMensagemFalsa.h"

CaixaMensagemFalsa::CaixaMensagemFalsa(int respostaPadrao)
    : m_anterior(InstalaCaixaMensagem(this)), m_padrao(respostaPadrao) {}

CaixaMensagemFalsa::~CaixaMensagemFalsa() { InstalaCaixaMensagem(m_anterior); }

int CaixaMensagemFalsa::MostraMensagem(const QString& texto, const QString& titulo, int flags) {
  m_chamadas.push_back({texto, titulo, flags});
  if (m_respostas.empty()) return m_padrao;
  const int r = m_respostas.front();
  m_respostas.pop_front();
  return r;
}
