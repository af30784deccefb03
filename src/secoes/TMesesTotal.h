#pragma once

#include "secoes/TMeses.h"

#include <vector>

// A live total of observed month counts, recomputed at the first read after a term changed. It
// cannot be set. The terms are not owned: a term that goes is dropped from the sum.
class TMesesTotal : public TMeses, public IObservador {
 public:
  TMesesTotal() = default;
  ~TMesesTotal() override;

  void AdicionaSomando(TMeses& termo);

  void SetValorMonetario(Valor) override {}
  Valor GetValorInterno() const override;
  // Forgets every term, then zero and notify.
  void Limpar() override;

  void Alterado(IObservavel* termo) override;
  void Liberado(IObservavel* termo) override;

  int QuantidadeTermos() const { return int(m_termos.size()); }

 private:
  void DeixaDeObservar();

  std::vector<TMeses*> m_termos;
  int m_somandos = 0;
  mutable Valor m_soma;
  mutable bool m_valido = false;
};
