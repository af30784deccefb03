#include "interface/DadosImpressao.h"

#include <QFile>
#include <QString>

#include <optional>

#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

namespace {

bool existe(bd::Conexao* conexao, const QString& sql) {
  if (!conexao || !conexao->conectada()) return false;
  bd::Transacao leitura(*conexao, {QStringLiteral("read"), QStringLiteral("read_committed"),
                                   QStringLiteral("rec_version"), QStringLiteral("nowait")});
  bd::Consulta consulta(leitura, sql);
  consulta.abre();
  const bool tem = !consulta.eof();
  consulta.fecha();
  leitura.commit();
  return tem;
}

}  // namespace

bool ExistemDadosDeclaracao(const QString& arquivo) {
  const QString caminho = Pastas::dados() + u'/' + arquivo;
  bd::Conexao* conexao = TColecao::GetBancoDeclaracao();
  std::optional<bd::Conexao> propria;
  if (!conexao || !conexao->conectada() || conexao->arquivo().compare(caminho, Qt::CaseInsensitive) != 0) {
    if (arquivo.isEmpty() || !QFile::exists(caminho)) return false;
    propria.emplace(caminho);
    propria->conecta();
    conexao = &*propria;
  }
  // Source 1 is the declarant itself: annexes start at 2.
  return existe(conexao,
                QStringLiteral("SELECT 1 FROM RDB$DATABASE WHERE\n"
                               "  EXISTS (SELECT 1 FROM TOLV_ITENS)\n"
                               "  OR EXISTS (SELECT 1 FROM TB_REMESSA)\n"
                               "  OR EXISTS (SELECT 1 FROM FONTES WHERE FONTE_DK > 1)\n"
                               "  OR EXISTS (SELECT 1 FROM TB_PS_OPERADORA)\n"
                               "  OR EXISTS (SELECT 1 FROM RRA_ITEM WHERE IN_TIPO_RRA IN ('1', '2'))"));
}

bool ExistemDeclaracoes() {
  return existe(TColecao::GetBancoIndice(), QStringLiteral("SELECT 1 FROM RDB$DATABASE WHERE EXISTS (SELECT 1 FROM TOLVS)"));
}
