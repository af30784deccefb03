#pragma once

#include <array>
#include <memory>

#include "validador/TTipoRegistro.h"

class TArquivoDados;
class TRegistro;

// One record prototype per type, built for the run's layout version and reused for every line of
// that type.
class TobjectPool {
 public:
  explicit TobjectPool(TArquivoDados& dados);
  ~TobjectPool();
  TobjectPool(const TobjectPool&) = delete;
  TobjectPool& operator=(const TobjectPool&) = delete;

  // nullptr only for a run without a known layout.
  TRegistro* Prototipo(TTipoRegistro tipo) const { return m_prototipos[size_t(Ordinal(tipo))].get(); }

 private:
  std::array<std::unique_ptr<TRegistro>, kQuantidadeTipos> m_prototipos;
};
