#pragma once

#include "nucleo/Erros.h"

#include <memory>

// Adds a finding of the verification as an error of class E (kind 0 warning, 1 error),
// with the OK button, no help and the keys that lead back to the field.
template <class E>
void AdicionaPendencia(TErros& erros, uint16_t codigo, const QString& argumentos, uint8_t tipo,
                       const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) {
  const auto base = TErro::CreatePendencia(codigo, argumentos, tipo, TErro::kBotaoOk, 0,
                                           aQuemPertence, quemEh, objeto);
  erros.Adiciona(std::make_unique<E>(*base));
}
