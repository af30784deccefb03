#pragma once

#include <vector>

#include "secoes/TColecaoSecao.h"
#include "secoes/TzuqRelacaoDependencia.h"

// The dependency relations of the declaration's database, read only.
class TzuqRelacaoDependenciaDAO : public TColecaoSecao {
 public:
  TzuqRelacaoDependenciaDAO();

  // By code.
  std::vector<TzuqRelacaoDependencia> ConsultaTodas();
};
