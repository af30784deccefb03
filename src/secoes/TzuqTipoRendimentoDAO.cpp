#include "secoes/TzuqTipoRendimentoDAO.h"

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"
#include "secoes/ConversaoRemessa.h"
#include "secoes/TzuqCachesRemessa.h"

TzuqTipoRendimentoDAO::TzuqTipoRendimentoDAO() = default;
TzuqTipoRendimentoDAO::~TzuqTipoRendimentoDAO() = default;

std::vector<TzuqTipoRendimento> TzuqTipoRendimentoDAO::ConsultaTodos() {
  std::vector<TzuqTipoRendimento> tipos;
  bd::Consulta consulta(bd::Consulta::Modo::Sequencial);
  consulta.defineSql(QStringLiteral("SELECT * FROM CONSULT_TODOS_TTIR ORDER BY TTIR_CD_TIPO_RENDIMENTO"));
  Percorre(consulta, [&tipos](bd::Consulta& linha) {
    tipos.push_back({linha.campo(QStringLiteral("TTIR_CD_TIPO_RENDIMENTO")).inteiro(),
                     linha.campo(QStringLiteral("TTIR_DESCRICAO")).texto(),
                     linha.campo(QStringLiteral("TTIR_TCRR_NAO_PERMITIDO")).texto()});
  });
  return tipos;
}

bool TzuqTipoRendimentoDAO::Existe(const QString& codigo) {
  if (!Conectado()) return false;
  bd::Procedimento& p = Procedimento(m_existe, QStringLiteral("CONSULT_TTIR_POR_CD"));
  p.param(QStringLiteral("TTIR_CD_TIPO_RENDIMENTO_I"), codigo);
  if (!ExecutaProcedure(p)) return false;
  const bool existe = p.saida(QStringLiteral("COUNT_O")).inteiro() > 0;
  ConfirmaTransacao();
  return existe;
}

bool TzuqTipoRendimentoDAO::ExisteEmCache(const QString& codigo) {
  return TzuqCachesRemessa::Instancia().ExisteTipoRendimento(ConversaoRemessa::Inteiro(codigo));
}
