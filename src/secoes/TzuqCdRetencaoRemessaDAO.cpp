#include "secoes/TzuqCdRetencaoRemessaDAO.h"

#include "plataforma/bd/Consulta.h"
#include "secoes/TzuqCachesRemessa.h"

namespace {

const QString kTodos = QStringLiteral("SELECT * FROM CONSULT_TODOS_TCRR");
const QString kOrdem = QStringLiteral("ORDER BY TCRR_CD_RETENCAO");

TCodigoRetencao Codigo(const bd::Consulta& linha) {
  TCodigoRetencao codigo;
  codigo.SetCodigo(linha.campo(QStringLiteral("TCRR_CD_RETENCAO")).texto());
  codigo.SetResumo(linha.campo(QStringLiteral("TCRR_DESCRICAO")).texto());
  codigo.SetNaturezas(linha.campo(QStringLiteral("TCRR_NATUREZAS_VALIDAS")).texto());
  codigo.SetPfPjAmbos(linha.campo(QStringLiteral("TCRR_TP_BENEFICIARIO")).texto());
  codigo.SetAnexo(linha.campo(QStringLiteral("TCRR_IN_FUNDO_CLUBE")).texto());
  return codigo;
}

// '%' and '_' of the nature match themselves.
QString Padrao(const QString& texto) {
  QString escapado = texto;
  escapado.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("\\%")).replace(u'_', QStringLiteral("\\_"));
  return u'%' + escapado + u'%';
}

}  // namespace

TzuqCdRetencaoRemessaDAO::TzuqCdRetencaoRemessaDAO() = default;
TzuqCdRetencaoRemessaDAO::~TzuqCdRetencaoRemessaDAO() = default;

std::vector<TCodigoRetencao> TzuqCdRetencaoRemessaDAO::ConsultaTodos() {
  std::vector<TCodigoRetencao> codigos;
  bd::Consulta consulta(bd::Consulta::Modo::Sequencial);
  consulta.defineSql(kTodos + u'\n' + kOrdem);
  Percorre(consulta, [&codigos](bd::Consulta& linha) { codigos.push_back(Codigo(linha)); });
  return codigos;
}

std::vector<TCodigoRetencao> TzuqCdRetencaoRemessaDAO::ConsultaPorNatureza(const QString& natureza) {
  std::vector<TCodigoRetencao> codigos;
  bd::Consulta consulta(bd::Consulta::Modo::Sequencial);
  consulta.defineSql(kTodos + QStringLiteral("\nWHERE tcrr_naturezas_validas LIKE :NATUREZA ESCAPE '\\'\n") + kOrdem);
  consulta.param(QStringLiteral("NATUREZA"), Padrao(natureza));
  Percorre(consulta, [&codigos](bd::Consulta& linha) { codigos.push_back(Codigo(linha)); });
  return codigos;
}

void TzuqCdRetencaoRemessaDAO::Carrega(TCodigoRetencao& codigo) {
  if (!TzuqCachesRemessa::Instancia().BuscaCodigoRetencao(codigo.GetCodigo(), codigo)) codigo.Limpar();
}
