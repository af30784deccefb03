#pragma once

#include "nucleo/Monetario.h"

#include <vector>

// A live total of observed amounts: the added terms minus the subtracted ones, each counted
// with at least 0. It is recomputed lazily, at the first read after a change, so keying twelve
// months does not sum twelve times. It cannot be set. The terms are not owned.
class TMonetarioTotal : public TMonetario, public IObservador {
 public:
  TMonetarioTotal() = default;
  ~TMonetarioTotal() override;

  void AdicionaSomando(TMonetario& termo);
  void AdicionaSubtraendo(TMonetario& termo);

  // Validates the text and stores nothing.
  void SetValor(const QString& texto) override;
  void SetValorMonetario(Valor) override {}
  Valor GetValorInterno() const override;
  // Forgets every term, then zero and notify.
  void Limpar() override;

  void Alterado(IObservavel* termo) override;
  void Liberado(IObservavel* termo) override;

  int QuantidadeTermos() const { return int(m_termos.size()); }

 private:
  void DeixaDeObservar();

  std::vector<TMonetario*> m_termos;  // the added ones first
  int m_somandos = 0;
  mutable Valor m_soma;
  mutable bool m_valido = false;
};
