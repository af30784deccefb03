#include "nucleo/TColecaoResumo.h"

#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

TColecaoResumo::TColecaoResumo(TTolv& declaracao) {
  bd::Transacao& transacao = declaracao.GetTransacaoDeclaracao();
  DefineTransacao(&transacao);
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) return;
  m_declaracao = &declaracao;
  m_procedimento = std::make_unique<bd::Procedimento>(transacao, QStringLiteral("INCLUI_ATU_RESUMO"));
  m_procedimento->prepara();
  m_atualizaResumos = std::make_unique<bd::Procedimento>(transacao, QStringLiteral("ATUALIZAR_RESUMO"));
  m_consultaLista.defineTransacao(&transacao);
  m_consultaLista.defineSql(QStringLiteral("Select * from RESUMOS\norder by E_FONTE_DK"));
  m_consultaLista.prepara();
  m_consultaTotal.defineTransacao(&transacao);
  m_consultaTotal.defineSql(QStringLiteral("Select * from BUSCA_RESUMO_TOTAL"));
  m_consultaTotal.prepara();
}

TColecaoResumo::~TColecaoResumo() { m_declaracao = nullptr; }

void TColecaoResumo::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

void TColecaoResumo::CarregaObjeto(TResumo& resumo, bd::Consulta& dados) {
  if (NoInicio() && NoFim()) {
    resumo.Zera();
    return;
  }
  LeTotais(resumo, dados);
}

void TColecaoResumo::LeTotais(TResumo& resumo, const bd::Consulta& dados) {
  for (int i = 0; i < TResumo::kTotais; ++i) {
    const auto total = TResumo::Total(i);
    resumo.GetTotal(total).SetValorMonetario(
        Valor::deDezMilesimos(dados.campo(QString::fromLatin1(TResumo::NomeColuna(total))).dezMilesimos()));
  }
  resumo.SetOk(uint8_t(dados.campo(QStringLiteral("OK")).inteiro()));
}

bool TColecaoResumo::LocalizaResumo(TResumo& resumo) {
  if (FalhaBanco || !m_declaracao || !resumo.GetDono()) return false;
  if (!m_consultaLista.aberta() && !AbreDataSet(m_consultaLista)) return false;
  return m_consultaLista.localiza(QStringLiteral("E_FONTE_DK"), {resumo.GetDono()->GetFonteDK()});
}

void TColecaoResumo::CarregaResumo(TResumo& resumo) {
  if (FalhaBanco) return;
  if (LocalizaResumo(resumo)) CarregaObjeto(resumo, m_consultaLista);
}

void TColecaoResumo::CarregaResumoTotal(TResumo& resumo) {
  if (FalhaBanco || !m_declaracao) return;
  m_consultaTotal.fecha();
  if (!AbreDataSet(m_consultaTotal)) return;
  m_total = m_consultaTotal.campo(QStringLiteral("TOTAL")).inteiro();
  // The totals of every source, so that an opened declaration shows them before any recalculation.
  if (m_total > 0) LeTotais(resumo, m_consultaTotal);
  m_consultaTotal.fecha();
}

void TColecaoResumo::GravaResumo(TResumo& resumo) {
  if (!resumo.GetDono()) return;
  GravaResumo(resumo.GetDono()->GetFonteDK(), resumo, true);
}

void TColecaoResumo::GravaResumo(const QString& fonte, const TResumo& resumo, bool confirma) {
  if (!m_declaracao || m_declaracao->GetFonteDK().isEmpty() || fonte.isEmpty()) return;
  m_procedimento->param(QStringLiteral("E_FONTE_DK"), fonte);
  for (int i = 0; i < TResumo::kTotais; ++i) {
    const auto total = TResumo::Total(i);
    m_procedimento->param(QString::fromLatin1(TResumo::NomeColuna(total)),
                          bd::DezMilesimos{resumo.GetTotal(total).GetValorInterno().dezMilesimos()});
  }
  m_procedimento->param(QStringLiteral("OK"), int(resumo.GetOk()));
  IniciaTransacao();
  if (ExecutaProcedure(*m_procedimento) && confirma) ConfirmaTransacaoRetendo();
  EsqueceLeituras();
}

void TColecaoResumo::AtualizaResumos() {
  if (!m_declaracao) return;
  IniciaTransacao();
  if (ExecutaProcedure(*m_atualizaResumos)) ConfirmaTransacaoRetendo();
  EsqueceLeituras();
}

void TColecaoResumo::EsqueceLeituras() {
  m_consultaLista.fecha();
  m_total = -1;
}
