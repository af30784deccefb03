#include "secoes/TzuqPaisDAO.h"

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"
#include "secoes/TzuqCachesRemessa.h"

TzuqPaisDAO::TzuqPaisDAO() = default;
TzuqPaisDAO::~TzuqPaisDAO() = default;

std::vector<TzuqPais> TzuqPaisDAO::ConsultaTodos() {
  std::vector<TzuqPais> paises;
  bd::Consulta consulta(bd::Consulta::Modo::Sequencial);
  consulta.defineSql(QStringLiteral("SELECT * FROM CONSULT_TODOS_PAISES ORDER BY TPAI_CD"));
  Percorre(consulta, [&paises](bd::Consulta& linha) {
    paises.push_back({linha.campo(QStringLiteral("TPAI_CD")).inteiro(), linha.campo(QStringLiteral("TPAI_NOME")).texto()});
  });
  return paises;
}

bool TzuqPaisDAO::Existe(int codigo) {
  if (!Conectado()) return false;
  bd::Procedimento& p = Procedimento(m_existe, QStringLiteral("CONSULT_TPAI_POR_CD"));
  p.param(QStringLiteral("TPAI_CD_I"), codigo);
  if (!ExecutaProcedure(p)) return false;
  const bool existe = p.saida(QStringLiteral("COUNT_O")).inteiro() > 0;
  ConfirmaTransacao();
  return existe;
}

bool TzuqPaisDAO::ExisteEmCache(int codigo) { return TzuqCachesRemessa::Instancia().ExistePais(codigo); }
