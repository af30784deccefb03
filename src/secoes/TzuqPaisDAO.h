#pragma once

#include <memory>
#include <vector>

#include "secoes/TzuqDAORemessa.h"
#include "secoes/TzuqPais.h"

// The countries of the payments abroad.
class TzuqPaisDAO : public TzuqDAORemessa {
 public:
  TzuqPaisDAO();
  ~TzuqPaisDAO() override;

  // The declaration's countries, in code order.
  std::vector<TzuqPais> ConsultaTodos();
  // In the declaration's table; commits.
  bool Existe(int codigo);
  // In the process-wide cache of the template.
  static bool ExisteEmCache(int codigo);

 private:
  std::unique_ptr<bd::Procedimento> m_existe;
};
