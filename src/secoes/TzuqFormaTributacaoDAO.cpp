#include "secoes/TzuqFormaTributacaoDAO.h"

#include "plataforma/bd/Consulta.h"
#include "secoes/TzuqConsultasRemessaCache.h"
#include "secoes/TzuqValorRemessa.h"

TzuqFormaTributacaoDAO::TzuqFormaTributacaoDAO() = default;
TzuqFormaTributacaoDAO::~TzuqFormaTributacaoDAO() = default;

std::vector<TzuqFormaTributacao> TzuqFormaTributacaoDAO::ConsultaTodas() {
  std::vector<TzuqFormaTributacao> formas;
  bd::Consulta consulta(bd::Consulta::Modo::Sequencial);
  consulta.defineSql(QStringLiteral("SELECT * FROM CONSULT_TODOS_TFOT ORDER BY TFOT_CD_FORMA_TRIBUTACAO"));
  Percorre(consulta, [&formas](bd::Consulta& linha) {
    formas.push_back({linha.campo(QStringLiteral("TFOT_CD_FORMA_TRIBUTACAO")).inteiro(),
                      linha.campo(QStringLiteral("TFOT_IN_ZERO")).texto(),
                      linha.campo(QStringLiteral("TFOT_DESCRICAO")).texto(),
                      linha.campo(QStringLiteral("TFOT_IN_NAO_ZERO")).texto()});
  });
  return formas;
}

bool TzuqFormaTributacaoDAO::Permitida(const QString& forma, const QString& irrf) {
  return TzuqValorRemessa::FormaTributacaoPermitida(TzuqConsultasRemessaCache::Instancia(), forma, irrf);
}
