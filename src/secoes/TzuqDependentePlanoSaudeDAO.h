#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

#include "secoes/TColecaoSecao.h"

class TErros;
class TzuqDependentePlanoSaude;
class TzuqTitularPlanoSaude;

// The dependants of the health-plan holders. A dependant without CPF keeps its own name; a birth
// date with a two-digit year is stored with the year the birth-date check gives it.
class TzuqDependentePlanoSaudeDAO : public TColecaoSecao {
 public:
  TzuqDependentePlanoSaudeDAO();

  // Stores a new dependant of its holder (which must be stored) and gives it its key.
  int Inclui(TzuqDependentePlanoSaude& dependente);
  void Atualiza(const TzuqDependentePlanoSaude& dependente);
  // An engine failure reaches the caller.
  void Exclui(const TzuqDependentePlanoSaude& dependente);
  // The key of the holder's dependant with that CPF (without check digits); 0 when none.
  int JaExiste(const QString& cpfBase, int chaveTitular);
  // The operator's and the holder's keys of a stored dependant; 0 and 0 when none.
  std::pair<int, int> ConsultaTitularDoDependente(int chaveDependente);
  std::vector<std::unique_ptr<TzuqDependentePlanoSaude>> ConsultaPorTitular(TzuqTitularPlanoSaude& titular);

  void SetErros(TErros* erros) { m_erros = erros; }

 private:
  void Parametros(bd::Procedimento& p, const TzuqDependentePlanoSaude& dependente);

  TErros* m_erros = nullptr;
};
