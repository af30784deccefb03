#include "secoes/TzuqConsultasRemessaBanco.h"

#include "secoes/TzuqConsultasRemessaCache.h"
#include "secoes/TzuqPaisDAO.h"
#include "secoes/TzuqRelFonteBeneficiarioDAO.h"
#include "secoes/TzuqTipoRendimentoDAO.h"

TzuqConsultasRemessaBanco& TzuqConsultasRemessaBanco::Instancia() {
  static TzuqConsultasRemessaBanco instancia;
  return instancia;
}

bool TzuqConsultasRemessaBanco::ExistePais(int codigo) { return TzuqPaisDAO().Existe(codigo); }

bool TzuqConsultasRemessaBanco::ExistePaisEmCache(int codigo) {
  return TzuqConsultasRemessaCache::Instancia().ExistePaisEmCache(codigo);
}

bool TzuqConsultasRemessaBanco::ExisteRelacao(const QString& codigo) {
  return TzuqRelFonteBeneficiarioDAO().Existe(codigo);
}

bool TzuqConsultasRemessaBanco::BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) {
  return TzuqConsultasRemessaCache::Instancia().BuscaCodigoRetencao(codigo, destino);
}

std::optional<TzuqFormaTributacao> TzuqConsultasRemessaBanco::BuscaFormaTributacao(int codigo) {
  return TzuqConsultasRemessaCache::Instancia().BuscaFormaTributacao(codigo);
}

bool TzuqConsultasRemessaBanco::ExisteTipoRendimento(const QString& codigo) {
  return TzuqTipoRendimentoDAO().Existe(codigo);
}

bool TzuqConsultasRemessaBanco::ExisteTipoRendimentoEmCache(int codigo) {
  return TzuqConsultasRemessaCache::Instancia().ExisteTipoRendimentoEmCache(codigo);
}
