#include "secoes/TzuqCachesRemessa.h"

#include <memory>

#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecao.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

std::unique_ptr<TzuqCachesRemessa> g_caches;

// Reads the template under the collections' failure policy.
class LeitorModelo : public TColecao {
 public:
  explicit LeitorModelo(bd::Transacao& transacao) : m_transacao(transacao) {}

  template <class F>
  void Le(const QString& sql, F&& linha) {
    bd::Consulta consulta(m_transacao, sql);
    if (!AbreDataSet(consulta)) return;
    for (; !consulta.eof(); consulta.proximo()) linha(consulta);
    consulta.fecha();
  }

 protected:
  void AbreConsulta(bd::Consulta&) override {}

 private:
  bd::Transacao& m_transacao;
};

}  // namespace

TzuqCachesRemessa& TzuqCachesRemessa::Instancia() {
  if (!g_caches) {
    auto caches = std::unique_ptr<TzuqCachesRemessa>(new TzuqCachesRemessa());
    caches->Le();
    g_caches = std::move(caches);
  }
  return *g_caches;
}

void TzuqCachesRemessa::Descarta() { g_caches.reset(); }

void TzuqCachesRemessa::Le() {
  std::unique_ptr<bd::Conexao> conexao = TColecao::CriaConexaoModelo();
  {
    bd::Transacao transacao(*conexao, {QStringLiteral("read"), QStringLiteral("read_committed"),
                                       QStringLiteral("rec_version"), QStringLiteral("nowait")});
    LeitorModelo leitor(transacao);
    leitor.Le(QStringLiteral("SELECT * FROM CONSULT_TODOS_PAISES"),
              [this](bd::Consulta& q) { m_paises.insert(q.campo(QStringLiteral("TPAI_CD")).inteiro()); });
    leitor.Le(QStringLiteral("SELECT TRFB_CD FROM TB_REL_FONTE_BENEFICIARIO"),
              [this](bd::Consulta& q) { m_relacoes.insert(q.campo(QStringLiteral("TRFB_CD")).texto()); });
    leitor.Le(QStringLiteral("SELECT * FROM CONSULT_TODOS_TCRR ORDER BY TCRR_CD_RETENCAO"), [this](bd::Consulta& q) {
      m_codigos.insert(q.campo(QStringLiteral("TCRR_CD_RETENCAO")).texto(),
                       CodigoRetencao{q.campo(QStringLiteral("TCRR_DESCRICAO")).texto(),
                                      q.campo(QStringLiteral("TCRR_IN_FUNDO_CLUBE")).texto(),
                                      q.campo(QStringLiteral("TCRR_TP_BENEFICIARIO")).texto(),
                                      q.campo(QStringLiteral("TCRR_NATUREZAS_VALIDAS")).texto()});
    });
    leitor.Le(QStringLiteral("SELECT * FROM CONSULT_TODOS_TFOT ORDER BY TFOT_CD_FORMA_TRIBUTACAO"),
              [this](bd::Consulta& q) {
                TzuqFormaTributacao forma{q.campo(QStringLiteral("TFOT_CD_FORMA_TRIBUTACAO")).inteiro(),
                                          q.campo(QStringLiteral("TFOT_IN_ZERO")).texto(),
                                          q.campo(QStringLiteral("TFOT_DESCRICAO")).texto(),
                                          q.campo(QStringLiteral("TFOT_IN_NAO_ZERO")).texto()};
                m_formas.insert(forma.codigo, forma);
              });
    leitor.Le(QStringLiteral("SELECT * FROM TB_TIPO_RENDIMENTO"), [this](bd::Consulta& q) {
      m_tiposRendimento.insert(q.campo(QStringLiteral("TTIR_CD_TIPO_RENDIMENTO")).inteiro());
    });
    if (transacao.ativa()) transacao.commit();
  }
  conexao->desconecta();
}

bool TzuqCachesRemessa::BuscaCodigoRetencao(const QString& codigo, TCodigoRetencao& destino) const {
  const auto achado = m_codigos.constFind(codigo);
  if (achado == m_codigos.constEnd()) return false;
  destino.SetCodigo(codigo);
  destino.SetResumo(achado->descricao);
  destino.SetAnexo(achado->fundoClube);
  destino.SetPfPjAmbos(achado->tipoBeneficiario);
  destino.SetNaturezas(achado->naturezas);
  return true;
}

std::optional<TzuqFormaTributacao> TzuqCachesRemessa::BuscaFormaTributacao(int codigo) const {
  const auto achada = m_formas.constFind(codigo);
  if (achada == m_formas.constEnd()) return std::nullopt;
  return *achada;
}
