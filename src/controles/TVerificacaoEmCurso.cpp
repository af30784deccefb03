#include "controles/TVerificacaoEmCurso.h"

TVerificacaoEmCurso& TVerificacaoEmCurso::instancia() {
  static TVerificacaoEmCurso unica;
  return unica;
}

void TVerificacaoEmCurso::DefinePedidoFechamento(std::function<bool()> pedido) {
  m_pedidoFechamento = std::move(pedido);
}

bool TVerificacaoEmCurso::PedeFechamento() { return m_pedidoFechamento ? m_pedidoFechamento() : true; }

void TVerificacaoEmCurso::DefineEmExecucao(bool emExecucao) {
  const bool parou = m_emExecucao && !emExecucao;
  m_emExecucao = emExecucao;
  if (parou) emit Parou();
}
