#include "secoes/TzuqRelacaoDependenciaDAO.h"

TzuqRelacaoDependenciaDAO::TzuqRelacaoDependenciaDAO() : TColecaoSecao(QStringLiteral("TB_PS_REL_DEPENDENCIA")) {}

std::vector<TzuqRelacaoDependencia> TzuqRelacaoDependenciaDAO::ConsultaTodas() {
  std::vector<TzuqRelacaoDependencia> lista;
  bd::Consulta& c = Comando(QStringLiteral("SELECT * FROM CONSULT_TODAS_REL_DEPENDENCIA ORDER BY TPRD_CD"));
  Abre(c);
  for (; !c.eof(); c.proximo())
    lista.push_back({c.campo(QStringLiteral("TPRD_CD")).texto(), c.campo(QStringLiteral("TPRD_DESCRICAO")).texto()});
  c.fecha();
  return lista;
}
