#include "validador/TobjectPool.h"

#include "validador/TRegistro.h"
#include "validador/TRegistroFactory.h"

TobjectPool::TobjectPool(TArquivoDados& dados) {
  for (int t = 0; t < kQuantidadeTipos; ++t) m_prototipos[size_t(t)] = TRegistroFactory::CriaRegistro(TipoDoOrdinal(t), dados);
}

TobjectPool::~TobjectPool() = default;
