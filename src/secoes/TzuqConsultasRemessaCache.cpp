#include "secoes/TzuqConsultasRemessaCache.h"

#include "secoes/ConversaoRemessa.h"
#include "secoes/TzuqCachesRemessa.h"

TzuqConsultasRemessaCache& TzuqConsultasRemessaCache::Instancia() {
  static TzuqConsultasRemessaCache instancia;
  return instancia;
}

bool TzuqConsultasRemessaCache::ExistePais(int codigo) { return TzuqCachesRemessa::Instancia().ExistePais(codigo); }

bool TzuqConsultasRemessaCache::ExistePaisEmCache(int codigo) {
  return TzuqCachesRemessa::Instancia().ExistePais(codigo);
}

bool TzuqConsultasRemessaCache::ExisteRelacao(const QString& codigo) {
  return TzuqCachesRemessa::Instancia().ExisteRelacao(codigo);
}

bool TzuqConsultasRemessaCache::BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) {
  return TzuqCachesRemessa::Instancia().BuscaCodigoRetencao(codigo, destino);
}

std::optional<TzuqFormaTributacao> TzuqConsultasRemessaCache::BuscaFormaTributacao(int codigo) {
  return TzuqCachesRemessa::Instancia().BuscaFormaTributacao(codigo);
}

bool TzuqConsultasRemessaCache::ExisteTipoRendimento(const QString& codigo) {
  // As the table's procedure: a code that is not a number exists nowhere.
  int numero = 0;
  return ConversaoRemessa::TentaInteiro(codigo, numero) && TzuqCachesRemessa::Instancia().ExisteTipoRendimento(numero);
}

bool TzuqConsultasRemessaCache::ExisteTipoRendimentoEmCache(int codigo) {
  return TzuqCachesRemessa::Instancia().ExisteTipoRendimento(codigo);
}
