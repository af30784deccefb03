#include "secoes/TRraTipoFactory.h"

#include "secoes/TzuqRra.h"

std::unique_ptr<TzuqRra> TRraTipoFactory::CriaRra(TTolv& declaracao, uint8_t tipo) {
  if (tipo != 1 && tipo != 2) return nullptr;
  return std::make_unique<TzuqRra>(&declaracao, tipo);
}

std::unique_ptr<TzuqRra> TRraTipoFactory::CriaRraSemDeclaracao(uint8_t tipo) {
  if (tipo != 1 && tipo != 2) return nullptr;
  return TzuqRra::CreateSemDeclaracao(tipo);
}
