#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "secoes/TColecaoSecao.h"

namespace bd {
class ConjuntoMemoria;
}
class TErros;
class TzuqPlanoSaude;
class TzuqTitularPlanoSaude;

// The holders of the health-plan operators. An operator's holders are read along the operator's
// index, in the order of their CPF.
class TzuqTitularPlanoSaudeDAO : public TColecaoSecao {
 public:
  TzuqTitularPlanoSaudeDAO();

  // Stores a new holder of its operator (which must be stored) and gives it its key.
  int Inclui(TzuqTitularPlanoSaude& titular);
  void Atualiza(const TzuqTitularPlanoSaude& titular);
  // The holder with its dependants, in one transaction; an engine failure reaches the caller.
  void Exclui(const TzuqTitularPlanoSaude& titular);
  // The key of the operator's stored holder with the same CPF; 0 when none.
  int JaExiste(const TzuqTitularPlanoSaude& titular);
  // The operator of a stored holder (key as text); 0 when none.
  int ConsultaOperadoraDoTitular(const QString& chaveTitular);
  std::vector<std::unique_ptr<TzuqTitularPlanoSaude>> ConsultaPorOperadora(TzuqPlanoSaude& operadora);
  // The operator's holders into a table with the columns Operadora_Id, Id, CPF (with its check
  // digits), Nome and Valor, each row put before the table's current row (so they end up in the
  // reverse of the holders' order, the last one current).
  bd::ConjuntoMemoria& CarregaPorOperadora(int chaveOperadora, bd::ConjuntoMemoria& tabela);

  void SetErros(TErros* erros) { m_erros = erros; }

 private:
  TErros* m_erros = nullptr;
};
