#include "entrega/ValoresLinha.h"

#include "plataforma/bd/Consulta.h"

namespace {
const char* const kMeses[13] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"};
}

LeitorLinhaArquivo::LeitorLinhaArquivo(const bd::Consulta& consulta)
    : m_consulta(consulta),
      m_codigo(Posicao(QStringLiteral("TRIB_TRIBU"))),
      m_tipo(Posicao(QStringLiteral("E_IN_PF_PJ"))),
      m_numero(Posicao(QStringLiteral("E_NR_PF_PJ"))),
      m_nome(Posicao(QStringLiteral("NM_NM_EMPR"))),
      m_laudo(Posicao(QStringLiteral("DATA_LAUDO"))),
      m_judicial(Posicao(QStringLiteral("J_E_TOLV_ITEM"))),
      m_rendimento(Serie("VL_RENDIME")),
      m_po(Serie("VL_DEDUCAO_PO")),
      m_pp(Serie("VL_DEDUCAO_PP")),
      m_dp(Serie("VL_DEDUCAO_DP")),
      m_pa(Serie("VL_DEDUCAO_PA")),
      m_retido(Serie("VL_RETIDO")),
      m_molestia(Serie("VL_MOLESTIA")),
      m_jAnterior(Serie("J_VL_ANOANTERIOR")),
      m_jAtual(Serie("J_VL_ANOATUAL")),
      m_jRendimento(Serie("J_VL_RENDIME")),
      m_jPO(Serie("J_VL_DEDUCAO_PO")),
      m_jPP(Serie("J_VL_DEDUCAO_PP")),
      m_jDP(Serie("J_VL_DEDUCAO_DP")),
      m_jPA(Serie("J_VL_DEDUCAO_PA")),
      m_jRetido(Serie("J_VL_RETIDO")),
      m_jDeposito(Serie("J_VL_DEPOSITO")),
      m_rip65(Serie("VL_RIP65")),
      m_dac(Serie("VL_DAC")),
      m_pdv(Serie("VL_PDV")),
      m_ap(Serie("VL_AP")),
      m_copa(Serie("VL_COPA")),
      m_bolsa(Serie("VL_BOLSA")),
      m_titSoc(Posicao(QStringLiteral("VL_ANUAL_TITSOC"))),
      m_lucDiv(Posicao(QStringLiteral("VL_ANUAL_LUCDIV"))),
      m_outro(Posicao(QStringLiteral("VL_ANUAL_OUTRO"))),
      m_descOutro(Posicao(QStringLiteral("VL_ANUAL_DESCOUTRO"))) {}

int LeitorLinhaArquivo::Posicao(const QString& nome) const { return m_consulta.indiceCampo(nome); }

LeitorLinhaArquivo::Posicoes LeitorLinhaArquivo::Serie(const char* prefixo) const {
  Posicoes p;
  for (int m = 0; m < 13; ++m)
    p.meses[m] = Posicao(QStringLiteral("%1_%2").arg(QLatin1String(prefixo), QLatin1String(kMeses[m])));
  return p;
}

void LeitorLinhaArquivo::Le(const Posicoes& p, SerieArquivo& serie) const {
  for (int m = 0; m < 13; ++m) serie[m] = p.meses[m] ? m_consulta.campo(p.meses[m]).dezMilesimos() : 0;
}

void LeitorLinhaArquivo::LeChave(ValoresLinha& linha) const {
  linha.Codigo = m_codigo ? m_consulta.campo(m_codigo).texto() : QString();
  linha.Tipo = m_tipo ? m_consulta.campo(m_tipo).texto() : QString();
  linha.Numero = m_numero ? m_consulta.campo(m_numero).texto() : QString();
}

void LeitorLinhaArquivo::LeValores(ValoresLinha& linha, bool completa) const {
  linha.Nome = m_nome ? m_consulta.campo(m_nome).texto() : QString();
  Le(m_rendimento, linha.Rendimento);
  Le(m_retido, linha.Retido);
  if (!completa) return;
  linha.DataLaudo = m_laudo ? m_consulta.campo(m_laudo).data() : QDate();
  Le(m_po, linha.DeducaoPO);
  Le(m_pp, linha.DeducaoPP);
  Le(m_dp, linha.DeducaoDP);
  Le(m_pa, linha.DeducaoPA);
  Le(m_molestia, linha.Molestia);
  SeriesJudiciais& j = linha.Judicial;
  j.Existe = m_judicial && !m_consulta.campo(m_judicial).nulo();
  if (j.Existe) {
    Le(m_jAnterior, j.AnoAnterior);
    Le(m_jAtual, j.AnoAtual);
    Le(m_jRendimento, j.Rendimento);
    Le(m_jPO, j.DeducaoPO);
    Le(m_jPP, j.DeducaoPP);
    Le(m_jDP, j.DeducaoDP);
    Le(m_jPA, j.DeducaoPA);
    Le(m_jRetido, j.Retido);
    Le(m_jDeposito, j.Deposito);
  }
  Le(m_rip65, linha.Rip65);
  Le(m_dac, linha.Dac);
  Le(m_pdv, linha.Pdv);
  Le(m_ap, linha.Ap);
  Le(m_copa, linha.Copa);
  Le(m_bolsa, linha.Bolsa);
  linha.TitularSocio = m_titSoc ? m_consulta.campo(m_titSoc).dezMilesimos() : 0;
  linha.LucrosDividendos = m_lucDiv ? m_consulta.campo(m_lucDiv).dezMilesimos() : 0;
  linha.Outros = m_outro ? m_consulta.campo(m_outro).dezMilesimos() : 0;
  linha.DescricaoOutros = m_descOutro ? m_consulta.campo(m_descOutro).texto() : QString();
}
