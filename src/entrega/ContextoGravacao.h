#pragma once

#include <functional>

namespace bd {
class Transacao;
}
class SaidaDeclaracao;
class TCompositorRegistros;
struct EstadoGravacao;

// What a block of the declaration file is handed: the one output with its composers, the
// writer's state, the writer's own transaction on the declaration's database, and the
// progress and cancel of the writing.
class ContextoGravacao {
 public:
  ContextoGravacao(SaidaDeclaracao& saida, TCompositorRegistros& compositor, EstadoGravacao& estado,
                   bd::Transacao& transacao, std::function<bool()> cancelado, std::function<void()> avanca)
      : m_saida(saida),
        m_compositor(compositor),
        m_estado(estado),
        m_transacao(transacao),
        m_cancelado(std::move(cancelado)),
        m_avanca(std::move(avanca)) {}

  SaidaDeclaracao& Saida() { return m_saida; }
  TCompositorRegistros& Compositor() { return m_compositor; }
  EstadoGravacao& Estado() { return m_estado; }
  bd::Transacao& Transacao() { return m_transacao; }
  // Asked at every row: once it answers true the block writes nothing more and returns.
  bool Cancelado() { return m_cancelado(); }
  // One more item of the progress gauge (a beneficiary, an item of a section).
  void Avanca() { m_avanca(); }

 private:
  SaidaDeclaracao& m_saida;
  TCompositorRegistros& m_compositor;
  EstadoGravacao& m_estado;
  bd::Transacao& m_transacao;
  std::function<bool()> m_cancelado;
  std::function<void()> m_avanca;
};
