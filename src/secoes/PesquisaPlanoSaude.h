#pragma once

#include <QString>

#include <vector>

// One operator of the health-plan editor's list: the CNPJ without its check digits, the
// registry number as shown (12345-5) and the company name.
struct TLinhaOperadora {
  int id = 0;
  QString cnpj;
  QString registroAns;
  QString nome;
};

// The criteria of the operator search. Each non-empty one is a prefix of its column (case
// matters); all of them must hold.
struct TCriterioOperadora {
  QString cnpj;
  QString registroAns;
  QString nome;
};

namespace PesquisaPlanoSaude {

// The CNPJ criterion as the list holds numbers: a complete CNPJ (14 digits, right check digits)
// is cut to its base, so that it finds its operator as its first twelve digits do.
QString CriterioCnpj(const QString& cnpj);
// A registry number of six digits in its shown form (12345-5); a shorter one as typed.
QString CriterioRegistroAns(const QString& registro);
// The rows of `lista` that the criteria select, in the list's order (indexes into `lista`).
std::vector<int> FiltraOperadoras(const std::vector<TLinhaOperadora>& lista, const TCriterioOperadora& criterio);

}  // namespace PesquisaPlanoSaude
