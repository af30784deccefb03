#include "nucleo/TColecaoComprovantePF.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kNrPf = QStringLiteral("NR_PF");

QString TextoValor(const bd::Campo& campo) { return Valor::deDezMilesimos(campo.dezMilesimos()).formata(2, false); }

bd::Dado Dinheiro(const TMonetario& valor) { return bd::DezMilesimos{valor.GetValorMonetario().dezMilesimos()}; }

// The twelve monthly columns of a series of RRA_ITEM added up, under a name.
QString SomaAno(const char* prefixo, const char* nome, bool ultima) {
  static const char* const kMeses[] = {"jan", "fev", "mar", "abr", "mai", "jun", "jul", "ago", "set", "out", "nov", "dez"};
  QStringList parcelas;
  for (const char* mes : kMeses) parcelas << QStringLiteral("ri.%1_%2").arg(QLatin1String(prefixo), QLatin1String(mes));
  return parcelas.join(QStringLiteral(" + ")) + u' ' + QLatin1String(nome) + (ultima ? "" : ",");
}

QString SqlRra() {
  QStringList sql{QStringLiteral("select ri.rra_processo PROCESSO, ri.natureza NATUREZA,")};
  sql << SomaAno("vl_rendime", "TOTAL_RENDIMENTO", false) << SomaAno("vl_custas", "DAJ", false)
      << SomaAno("vl_deducao_po", "CPO", false) << SomaAno("vl_deducao_pa", "PA", false)
      << SomaAno("vl_retido", "IRR", false) << SomaAno("vl_molestia", "MOLESTIA", false)
      << SomaAno("qtde_meses", "MESES", true) << QStringLiteral("from rra_item ri where ri.nr_pf_pj = :ni")
      << QStringLiteral("order by ri.rra_processo nulls first, ri.natureza nulls first");
  return sql.join(u'\n');
}

}  // namespace

TColecaoComprovantePF::TColecaoComprovantePF(TTolv& declaracao) {
  m_interativo = true;
  if (!Conecta(declaracao)) return;
  Prepara(m_consultaLista, QStringLiteral("Select * from BUSCA_COMPROV_PF(:NR_PF)"));
  m_procedimento = PreparaProcedimento(QStringLiteral("INCLUI_ATU_COMPROV_PF"));
  Prepara(m_consultaComando, QStringLiteral("EXECUTE PROCEDURE EXCLUI_COMPROV_PF(:NR_PF)"));
  // An operator whose name is missing keeps its holder's payment.
  Prepara(m_titulares, QStringLiteral("select op.tpo_nr_pf_pj, be.NM_NM_EMPR, ti.tpt_vl_pago, ti.tpt_id "
                                      "from tb_ps_operadora op "
                                      "inner join tb_ps_titular ti on ti.tpt_tpo_id = op.tpo_id "
                                      "left join beneficiarios be on op.TPO_NR_PF_PJ = be.NR_PF_PJ "
                                      "where ti.tpt_nr_pf_pj = :CPF_TITULAR order by ti.tpt_id"));
  Prepara(m_dependentes, QStringLiteral("SELECT TPD.TPD_NR_PF_PJ, TPD.TPD_NOME, TPD.TPD_VL_PAGO, BEN.NM_NM_EMPR "
                                        "FROM TB_PS_DEPENDENTE TPD LEFT JOIN BENEFICIARIOS BEN ON TPD.TPD_IN_PF_PJ "
                                        "= BEN.IN_PF_PJ AND TPD.TPD_NR_PF_PJ = BEN.NR_PF_PJ WHERE TPD_TPT_ID = "
                                        ":ID_TITULAR ORDER BY TPD.TPD_ID DESC"));
  Prepara(m_rra, SqlRra());
}

TColecaoComprovantePF::~TColecaoComprovantePF() = default;

void TColecaoComprovantePF::SetInterativo(bool interativo) {
  TColecao::SetInterativo(interativo);
  if (!m_declaracao) return;
  // Left on, a later save on the statement page of a person of the batch would be refused.
  m_controleDuplicatas = interativo ? 0 : 1;
  if (interativo) return;
  bd::Consulta esvazia(*GetTransacao(), QStringLiteral("DELETE FROM IMPCOMPS"));
  if (ExecutaConsulta(esvazia)) ConfirmaTransacao();
}

bool TColecaoComprovantePF::LocalizaComprovante(const TComprovante& comprovante) {
  return AbreLista(kNrPf, comprovante, true) && !m_consultaLista.vazia();
}

bool TColecaoComprovantePF::CarregaComprovante(TComprovantePF& comprovante) {
  const bool achou = LocalizaComprovante(comprovante);
  if (achou)
    CarregaObjeto(comprovante, m_consultaLista);
  else
    ZeraComprovante(comprovante);
  return achou;
}

void TColecaoComprovantePF::CarregaObjeto(TComprovantePF& comprovante, bd::Consulta& dados) {
  if (dados.vazia()) {
    ZeraComprovante(comprovante);
    return;
  }
  const QString natureza = dados.campo(QStringLiteral("Q2NT")).texto();
  if (!natureza.isEmpty()) comprovante.GetNatureza().SetValor(natureza);
  comprovante.GetInfoComplementar().SetValor(dados.campo(QStringLiteral("INFO_COMPL")).texto());
  const QString numero = comprovante.GetBeneficiario().GetBase();
  CarregaPlanosSaude(comprovante, numero);
  CarregaRra(comprovante, numero);
}

void TColecaoComprovantePF::CarregaPlanosSaude(TComprovantePF& comprovante, const QString& numero) {
  QStringList& entradas = comprovante.GetPlanosSaude();
  m_titulares.fecha();
  m_titulares.param(QStringLiteral("CPF_TITULAR"), numero);
  for (m_titulares.abre(); !m_titulares.eof(); m_titulares.proximo()) {
    entradas << QStringLiteral("|O|") << m_titulares.campo(1).texto() << m_titulares.campo(2).texto()
             << TextoValor(m_titulares.campo(3));
    m_dependentes.fecha();
    m_dependentes.param(QStringLiteral("ID_TITULAR"), m_titulares.campo(4).inteiro());
    for (m_dependentes.abre(); !m_dependentes.eof(); m_dependentes.proximo()) {
      const bd::Campo nome = m_dependentes.campo(2);
      entradas << QStringLiteral("|D|") << m_dependentes.campo(1).texto()
               << (nome.nulo() ? m_dependentes.campo(4).texto() : nome.texto()) << TextoValor(m_dependentes.campo(3));
    }
    m_dependentes.fecha();
  }
  m_titulares.fecha();
}

void TColecaoComprovantePF::CarregaRra(TComprovantePF& comprovante, const QString& numero) {
  m_rra.fecha();
  m_rra.param(QStringLiteral("ni"), numero);
  for (m_rra.abre(); !m_rra.eof(); m_rra.proximo()) {
    auto quadro = std::make_unique<TQuadroRRA>();
    const QString processo = m_rra.campo(QStringLiteral("PROCESSO")).texto();
    const QString natureza = m_rra.campo(QStringLiteral("NATUREZA")).texto();
    quadro->GetProcesso().SetValor(processo);
    quadro->GetNatureza().SetValor(natureza);
    QString descricao = natureza;
    if (!natureza.isEmpty() && !processo.isEmpty()) descricao += QStringLiteral(" - ");
    if (!processo.isEmpty()) descricao += QStringLiteral(" Processo Nº: ") + processo;
    quadro->GetDescricao().SetValor(descricao);
    const auto le = [this](const char* coluna, TMonetario& destino) {
      destino.SetValorMonetario(Valor::deDezMilesimos(m_rra.campo(QLatin1String(coluna)).dezMilesimos()));
    };
    le("TOTAL_RENDIMENTO", quadro->GetRendimento());
    le("DAJ", quadro->GetCustas());
    le("CPO", quadro->GetPrevidenciaOficial());
    le("PA", quadro->GetPensaoAlimenticia());
    le("IRR", quadro->GetImpostoRetido());
    le("MOLESTIA", quadro->GetMolestia());
    le("MESES", quadro->GetMeses());
    comprovante.GetListaRra().Adiciona(std::move(quadro));
  }
  m_rra.fecha();
}

void TColecaoComprovantePF::ZeraComprovante(TComprovantePF& comprovante) {
  for (int linha = 2; linha <= 4; ++linha) comprovante.GetQuadro3().GetLinha(linha).SetValorMonetario(Valor());
  TQuadroRendIsentos& q4 = comprovante.GetQuadro4();
  for (TMonetario* valor : {static_cast<TMonetario*>(&q4.GetLinha01()), &q4.GetLinha02(), &q4.GetLinha03(),
                            &q4.GetLinha04(), &q4.GetLinha05(), &q4.GetLinha06(), &q4.GetSomaOutros()})
    valor->SetValorMonetario(Valor());
  q4.GetDescricao().Limpar();
  comprovante.GetInfoComplementar().Limpar();
}

int TColecaoComprovantePF::GravaComprovante(TComprovantePF& comprovante) {
  if (!PodeGravar(comprovante)) return 0;
  bd::Procedimento& p = *m_procedimento;
  TQuadroRendTributaveis& q3 = comprovante.GetQuadro3();
  TQuadroRendIsentos& q4 = comprovante.GetQuadro4();
  p.param(QStringLiteral("CONTROLA_DUPLICATAS"), int(m_controleDuplicatas));
  p.param(QStringLiteral("Q2NT"), comprovante.NaturezaPadrao() ? QString() : comprovante.GetNatureza().GetValor());
  p.param(kNrPf, comprovante.GetBeneficiario().GetBase());
  p.param(QStringLiteral("Q3L2"), Dinheiro(q3.GetLinha(2)));
  p.param(QStringLiteral("Q3L3"), Dinheiro(q3.GetLinha(3)));
  p.param(QStringLiteral("Q3L4"), Dinheiro(q3.GetLinha(4)));
  p.param(QStringLiteral("Q4L1"), Dinheiro(q4.GetLinha01()));
  p.param(QStringLiteral("Q4L2"), Dinheiro(q4.GetLinha02()));
  p.param(QStringLiteral("Q4L3"), Dinheiro(q4.GetLinha03()));
  p.param(QStringLiteral("Q4L4"), Dinheiro(q4.GetLinha04()));
  p.param(QStringLiteral("Q4L5"), Dinheiro(q4.GetLinha05()));
  p.param(QStringLiteral("Q4L7"), Dinheiro(q4.GetLinha06()));
  p.param(QStringLiteral("Q4L8"), Dinheiro(q4.GetSomaOutros()));
  p.param(QStringLiteral("Q4L8DESCR"), q4.GetDescricao().GetValor().left(60).trimmed());
  p.param(QStringLiteral("INFO_COMPL"), TextoOuNulo(comprovante.GetInfoComplementar().GetValor()));
  if (!ExecutaProcedure(p)) return 0;
  const int resultado = p.saida(QStringLiteral("RESULTADO")).inteiro();
  if (++m_gravacoes > kIntervaloConfirmacao || m_interativo) {
    ConfirmaTransacaoRetendo();
    m_gravacoes = 0;
  }
  return resultado;
}

void TColecaoComprovantePF::ExcluiComprovante(const TBeneficiarioTolv& beneficiario) {
  ExcluiDoBeneficiario(kNrPf, beneficiario);
}
