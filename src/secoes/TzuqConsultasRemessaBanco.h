#pragma once

#include "secoes/IzuqConsultasRemessa.h"

// The look-ups as the editor's field checks ask them: countries, relation codes and income types
// in the open declaration's own tables, one data-access object per question; revenue codes,
// taxation forms and the cached variants from the process-wide caches. The default of every
// beneficiary and line that was given no look-ups of its own.
class TzuqConsultasRemessaBanco : public IzuqConsultasRemessa {
 public:
  static TzuqConsultasRemessaBanco& Instancia();

  bool ExistePais(int codigo) override;
  bool ExistePaisEmCache(int codigo) override;
  bool ExisteRelacao(const QString& codigo) override;
  bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) override;
  std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) override;
  bool ExisteTipoRendimento(const QString& codigo) override;
  bool ExisteTipoRendimentoEmCache(int codigo) override;
};
