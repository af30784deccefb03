#pragma once

#include <QString>

#include <optional>

#include "secoes/TzuqFormaTributacao.h"

class TCodigoRetencao;

// The reference look-ups behind the field rules of the payments abroad. The program answers
// them from the open declaration's database or from the process-wide caches of the template;
// the tests answer them from small tables of their own.
class IzuqConsultasRemessa {
 public:
  virtual ~IzuqConsultasRemessa() = default;

  // The country in the declaration's table; in the cached list of the template.
  virtual bool ExistePais(int codigo) = 0;
  virtual bool ExistePaisEmCache(int codigo) = 0;
  // The relation code between paying source and beneficiary, compared as stored.
  virtual bool ExisteRelacao(const QString& codigo) = 0;
  // The revenue code for payments abroad: description, beneficiary kind, fund-or-club flag (in
  // the annex field) and valid natures. False, and `destino` untouched, when there is none.
  virtual bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) = 0;
  virtual std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) = 0;
  // The income type in the declaration's table (the code as text); in the cached list.
  virtual bool ExisteTipoRendimento(const QString& codigo) = 0;
  virtual bool ExisteTipoRendimentoEmCache(int codigo) = 0;
};
