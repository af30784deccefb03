#pragma once

#include "nucleo/Observadores.h"

// Points a control at another value: it leaves the one it observed and observes the new one,
// registered once however often it is bound to it.
template <typename Dado>
void TrocaObservado(IObservador* observador, Dado*& atual, Dado* novo) {
  if (novo != atual) {
    if (atual) atual->RemoveObservador(observador);
    atual = novo;
  }
  if (atual && !atual->TemObservador(observador)) atual->AdicionaObservador(observador);
}

// The value announced its release: forget it without calling it back.
template <typename Dado>
void EsqueceObservado(Dado*& atual, const IObservavel* liberado) {
  if (atual && static_cast<const IObservavel*>(atual) == liberado) atual = nullptr;
}
