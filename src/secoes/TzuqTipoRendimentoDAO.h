#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "secoes/TzuqDAORemessa.h"
#include "secoes/TzuqTipoRendimento.h"

// The income types of the payments abroad.
class TzuqTipoRendimentoDAO : public TzuqDAORemessa {
 public:
  TzuqTipoRendimentoDAO();
  ~TzuqTipoRendimentoDAO() override;

  // In code order.
  std::vector<TzuqTipoRendimento> ConsultaTodos();
  // The code, given as text, in the declaration's table (a text that is not a number exists
  // nowhere); commits.
  bool Existe(const QString& codigo);
  // In the process-wide cache; raises EConversaoRemessa for a text that is not a number.
  static bool ExisteEmCache(const QString& codigo);

 private:
  std::unique_ptr<bd::Procedimento> m_existe;
};
