#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "secoes/TColecaoSecao.h"

class TErros;
class TzuqPlanoSaude;

// The health-plan operators of the open declaration's database. Writes commit at once; questions
// and lists run in the object's transaction as it stands. Lists belong to the caller.
class TzuqPlanoSaudeDAO : public TColecaoSecao {
 public:
  TzuqPlanoSaudeDAO();

  // Stores a new operator and gives it its key, which it also answers.
  int Inclui(TzuqPlanoSaude& operadora);
  void Atualiza(const TzuqPlanoSaude& operadora);
  // The operator with its holders and their dependants; an engine failure reaches the caller.
  void Exclui(const TzuqPlanoSaude& operadora);
  // The key of the stored operator with the same CNPJ; 0 when none.
  int JaExiste(const TzuqPlanoSaude& operadora);
  int QuantidadeRegistros();
  // The name stored for a number (kind 1 person, else company; check digits may come along).
  QString BuscaNome(const QString& digitos, int tipo);
  // A fund or club annex of the declaration has a CNPJ of the same root.
  bool CnpjUsadoPorFundo(const QString& cnpj);
  // By key, or by CNPJ.
  std::vector<std::unique_ptr<TzuqPlanoSaude>> ConsultaTodas();
  std::vector<std::unique_ptr<TzuqPlanoSaude>> ConsultaTodasPorCnpj();

  // Where the lists put what they find wrong in stored numbers and names (not owned).
  void SetErros(TErros* erros) { m_erros = erros; }

 private:
  std::vector<std::unique_ptr<TzuqPlanoSaude>> Lista(const QString& sql, bool apara);

  TErros* m_erros = nullptr;
};
