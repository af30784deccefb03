#pragma once

#include "secoes/IzuqConsultasRemessa.h"

// Every look-up answered from the process-wide caches of the template (TzuqCachesRemessa): a
// full check of a beneficiary and its lines makes no database round trip. The verification's.
class TzuqConsultasRemessaCache : public IzuqConsultasRemessa {
 public:
  static TzuqConsultasRemessaCache& Instancia();

  bool ExistePais(int codigo) override;
  bool ExistePaisEmCache(int codigo) override;
  bool ExisteRelacao(const QString& codigo) override;
  bool BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) override;
  std::optional<TzuqFormaTributacao> BuscaFormaTributacao(int codigo) override;
  bool ExisteTipoRendimento(const QString& codigo) override;
  bool ExisteTipoRendimentoEmCache(int codigo) override;
};
