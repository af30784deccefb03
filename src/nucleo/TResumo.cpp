#include "nucleo/TResumo.h"

#include <QStringList>

#include <array>

#include "nucleo/Compensacao.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"

namespace {

constexpr std::array<const char*, TResumo::kTotais> kColunas = {
    "TOT_BENEF",   "TOT_REND",        "TOT_DED",        "TOT_IRRF",        "TOT_ANO_ATU",
    "TOT_ANO_ANT", "TOT_REND_SUBJUD", "TOT_DED_SUBJUD", "TOT_IRRF_SUBJUD", "TOT_DEP_SUBJUD",
};

constexpr std::array<const char*, 13> kMeses = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL",
                                                "AGO", "SET", "OUT", "NOV", "DEZ", "13"};

// A series' annual total (months 1 to 12) plus its thirteenth month; nothing for no series.
Valor AnualMaisDecimo(const TSerieMensal* serie) {
  if (!serie) return {};
  return serie->Total().GetValorMonetario() + serie->Mes(13).GetValorMonetario();
}

const TSerieMensal* Serie(TRendimentosTributaveis* r, TRendimentosTributaveis::Serie s) {
  return r ? &r->GetSerie(s) : nullptr;
}

void Soma(TMonetario& total, const TSerieMensal* nova, const TSerieMensal* anterior) {
  total.SetValorMonetario(total.GetValorInterno() + AnualMaisDecimo(nova) - AnualMaisDecimo(anterior));
}

// "PREFIXOJAN + PREFIXOFEV + ..." over the months given.
QString SomaMeses(const QString& prefixo, int meses = 13) {
  QStringList termos;
  for (int m = 0; m < meses; ++m) termos << prefixo + QString::fromLatin1(kMeses[size_t(m)]);
  return termos.join(QStringLiteral(" + "));
}

QString SomaDeducoes() {
  QStringList termos;
  for (const char* parte : {"VL_DEDUCAO_PO_", "VL_DEDUCAO_PP_", "VL_DEDUCAO_DP_", "VL_DEDUCAO_PA_"})
    termos << SomaMeses(QString::fromLatin1(parte));
  return termos.join(QStringLiteral(" + "));
}

// Opens a read-only statement and hands back its one row.
class Leitura {
 public:
  Leitura(bd::Transacao& transacao, const QString& sql) : m_consulta(transacao, sql) { m_consulta.abre(); }
  Valor valor(const char* campo) const {
    return Valor::deDezMilesimos(m_consulta.eof() ? 0 : m_consulta.campo(QString::fromLatin1(campo)).dezMilesimos());
  }

 private:
  bd::Consulta m_consulta;
};

}  // namespace

const char* TResumo::NomeColuna(Total total) { return kColunas[size_t(total)]; }

TResumo::TResumo(TTolvAnexo* dono) : m_dono(dono) {}

TMonetario& TResumo::GetTotal(Total total) {
  return const_cast<TMonetario&>(static_cast<const TResumo*>(this)->GetTotal(total));
}

const TMonetario& TResumo::GetTotal(Total total) const {
  switch (total) {
    case kTotBenef:
      return m_totBenef;
    case kTotRend:
      return m_totRend;
    case kTotDed:
      return m_totDed;
    case kTotIrrf:
      return m_totIrrf;
    case kTotAnoAtu:
      return m_totAnoAtu;
    case kTotAnoAnt:
      return m_totAnoAnt;
    case kTotRendSubjud:
      return m_totRendSubjud;
    case kTotDedSubjud:
      return m_totDedSubjud;
    case kTotIrrfSubjud:
      return m_totIrrfSubjud;
    case kTotDepSubjud:
      break;
  }
  return m_totDepSubjud;
}

void TResumo::Zera() {
  for (int i = 0; i < kTotais; ++i) GetTotal(Total(i)).SetValorMonetario({});
  for (TMonetario* m : {&m_isentos, &m_remessa, &m_retidoRemessa, static_cast<TMonetario*>(&m_qtdeOperadoras),
                        static_cast<TMonetario*>(&m_qtdeTitulares), static_cast<TMonetario*>(&m_qtdeDependentes),
                        &m_valorDependentes, &m_valorTitulares})
    m->SetValorMonetario({});
  m_ok = 1;
}

void TResumo::CopiaPara(TResumo& destino) const {
  for (int i = 0; i < kTotais; ++i) destino.GetTotal(Total(i)).SetValorMonetario(GetTotal(Total(i)).GetValorInterno());
  destino.m_isentos.SetValorMonetario(m_isentos.GetValorInterno());
  destino.m_remessa.SetValorMonetario(m_remessa.GetValorInterno());
  destino.m_retidoRemessa.SetValorMonetario(m_retidoRemessa.GetValorInterno());
  destino.m_qtdeOperadoras.SetValorMonetario(m_qtdeOperadoras.GetValorInterno());
  destino.m_qtdeTitulares.SetValorMonetario(m_qtdeTitulares.GetValorInterno());
  destino.m_qtdeDependentes.SetValorMonetario(m_qtdeDependentes.GetValorInterno());
  destino.m_valorDependentes.SetValorMonetario(m_valorDependentes.GetValorInterno());
  destino.m_valorTitulares.SetValorMonetario(m_valorTitulares.GetValorInterno());
  destino.m_ok = m_ok;
}

bool TResumo::PossuiJudicial() {
  bool possui = false;
  for (const TMonetario* m :
       {&m_totRendSubjud, &m_totDedSubjud, &m_totIrrfSubjud, &m_totDepSubjud, &m_totAnoAtu, &m_totAnoAnt})
    possui = possui || m->GetValorInterno() > Valor();
  m_judicial = possui ? 1 : 0;
  return possui;
}

void TResumo::AtualizaComItem(const Linha& anterior, const Linha& nova) {
  using R = TRendimentosTributaveis;
  // One beneficiary more for a line not stored before, one less for a line no longer stored;
  // an imported line added to a stored one (action 3) is no new beneficiary.
  const bool tinhaChave = !anterior.chave.isEmpty();
  const bool temChave = !nova.chave.isEmpty();
  int delta = 0;
  if (!tinhaChave && !temChave)
    delta = nova.acao == 3 ? -1 : 1;
  else if (!tinhaChave)
    delta = nova.acao == 3 ? 0 : 1;
  else if (!temChave)
    delta = -1;
  if (delta) m_totBenef.SetValorMonetario(m_totBenef.GetValorInterno() + Valor::deReais(delta));

  if (!nova.deducaoEspecializada && nova.tributaveis) nova.tributaveis->SomaDeducoes();

  Soma(m_totRend, Serie(nova.tributaveis, R::kRendimento), Serie(anterior.tributaveis, R::kRendimento));
  Soma(m_totDed, Serie(nova.tributaveis, R::kDeducao), Serie(anterior.tributaveis, R::kDeducao));
  Soma(m_totIrrf, Serie(nova.tributaveis, R::kRetido), Serie(anterior.tributaveis, R::kRetido));
  Soma(m_totAnoAtu, nova.compensacao ? &nova.compensacao->GetSerieAnoAtual() : nullptr,
       anterior.compensacao ? &anterior.compensacao->GetSerieAnoAtual() : nullptr);
  Soma(m_totAnoAnt, nova.compensacao ? &nova.compensacao->GetSerieAnoAnterior() : nullptr,
       anterior.compensacao ? &anterior.compensacao->GetSerieAnoAnterior() : nullptr);
  m_isentos.SetValorMonetario({});

  if (nova.anoCalendario < u"2001") return;
  Soma(m_totRendSubjud, Serie(nova.subJudice, R::kRendimento), Serie(anterior.subJudice, R::kRendimento));
  Soma(m_totDedSubjud, Serie(nova.subJudice, R::kDeducao), Serie(anterior.subJudice, R::kDeducao));
  Soma(m_totIrrfSubjud, Serie(nova.subJudice, R::kRetido), Serie(anterior.subJudice, R::kRetido));
  Soma(m_totDepSubjud, nova.subJudice ? &nova.subJudice->GetDepositos() : nullptr,
       anterior.subJudice ? &anterior.subJudice->GetDepositos() : nullptr);
}

void TResumo::Calcula(bd::Conexao& conexao) {
  bd::Transacao transacao(conexao, {QStringLiteral("read"), QStringLiteral("read_committed"),
                                    QStringLiteral("rec_version"), QStringLiteral("nowait")});
  const Leitura itens(transacao,
                      QStringLiteral("SELECT SUM(%1) AS TOTALRENDIMENTO, SUM(%2) AS TOTALDEDUCAO, "
                                     "SUM(%3) AS TOTALRETIDO, SUM(%4) AS TOTALMOLESTIA FROM TOLV_ITENS")
                          .arg(SomaMeses(QStringLiteral("VL_RENDIME_")), SomaDeducoes(),
                               SomaMeses(QStringLiteral("VL_RETIDO_")), SomaMeses(QStringLiteral("VL_MOLESTIA_"))));
  QStringList isentos;
  for (const char* serie : {"VL_RIP65_", "VL_DAC_", "VL_PDV_", "VL_AP_", "VL_BOLSA_"})
    isentos << SomaMeses(QString::fromLatin1(serie));
  isentos << SomaMeses(QStringLiteral("VL_COPA_"), 12)
          << QStringLiteral("VL_ANUAL_OUTRO + VL_ANUAL_LUCDIV + VL_ANUAL_TITSOC");
  const Leitura isencoes(transacao,
                         QStringLiteral("SELECT SUM(%1) AS TOTALISENTOS FROM ISENTOS").arg(isentos.join(" + ")));
  const Leitura judiciais(
      transacao, QStringLiteral("SELECT SUM(%1) AS TOTALRENDIME, SUM(%2) AS TOTALDEDUCAO, SUM(%3) AS TOTALRETIDO, "
                                "SUM(%4) AS TOTALDEPOSITO, SUM(%5) AS TOTALANOATUAL, SUM(%6) AS TOTALANOANTERIOR "
                                "FROM JUDICIAIS")
                     .arg(SomaMeses(QStringLiteral("VL_RENDIME_")), SomaDeducoes(),
                          SomaMeses(QStringLiteral("VL_RETIDO_")), SomaMeses(QStringLiteral("VL_DEPOSITO_")),
                          SomaMeses(QStringLiteral("VL_ANOATUAL_")), SomaMeses(QStringLiteral("VL_ANOANTERIOR_"))));
  const Leitura remessa(transacao, QStringLiteral("select sum(TVRE_VL_RENDIMENTO_PAGO) as TOTALREMESSA,\n"
                                                  "       SUM(TVRE_VL_IRRF) AS TOTALRETIDOREMESSA\n"
                                                  "from TB_VALOR_REMESSA"));
  const Leitura operadoras(transacao,
                           QStringLiteral("select count(tb_ps_operadora.tpo_id) as qtde from tb_ps_operadora"));
  const Leitura titulares(transacao, QStringLiteral("select count(tb_ps_titular.tpt_id) as qtde from tb_ps_titular"));
  const Leitura dependentes(transacao,
                            QStringLiteral("select count(tb_ps_dependente.tpd_id) as qtde from tb_ps_dependente"));
  const Leitura pagoDependentes(
      transacao, QStringLiteral("select sum(tb_ps_dependente.tpd_vl_pago) as Valor from tb_ps_dependente"));
  const Leitura pagoTitulares(transacao,
                              QStringLiteral("select sum(tb_ps_titular.tpt_vl_pago) as Valor from tb_ps_titular"));

  m_totRend.SetValorMonetario(itens.valor("TOTALRENDIMENTO"));
  m_totDed.SetValorMonetario(itens.valor("TOTALDEDUCAO"));
  m_totIrrf.SetValorMonetario(itens.valor("TOTALRETIDO"));
  m_totAnoAtu.SetValorMonetario(judiciais.valor("TOTALANOATUAL"));
  m_totAnoAnt.SetValorMonetario(judiciais.valor("TOTALANOANTERIOR"));
  m_isentos.SetValorMonetario(isencoes.valor("TOTALISENTOS") + itens.valor("TOTALMOLESTIA"));
  m_totRendSubjud.SetValorMonetario(judiciais.valor("TOTALRENDIME"));
  m_totDedSubjud.SetValorMonetario(judiciais.valor("TOTALDEDUCAO"));
  m_totIrrfSubjud.SetValorMonetario(judiciais.valor("TOTALRETIDO"));
  m_totDepSubjud.SetValorMonetario(judiciais.valor("TOTALDEPOSITO"));
  m_remessa.SetValorMonetario(remessa.valor("TOTALREMESSA"));
  m_retidoRemessa.SetValorMonetario(remessa.valor("TOTALRETIDOREMESSA"));
  m_qtdeOperadoras.SetValorMonetario(operadoras.valor("qtde"));
  m_qtdeTitulares.SetValorMonetario(titulares.valor("qtde"));
  m_qtdeDependentes.SetValorMonetario(dependentes.valor("qtde"));
  m_valorDependentes.SetValorMonetario(pagoDependentes.valor("Valor"));
  m_valorTitulares.SetValorMonetario(pagoTitulares.valor("Valor"));
}
