#include "nucleo/TColecaoCompensavel.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kNrPf = QStringLiteral("NR_PF");

Valor Coluna(const bd::Consulta& dados, const char* nome) {
  return Valor::deDezMilesimos(dados.campo(QLatin1String(nome)).dezMilesimos());
}

}  // namespace

TColecaoCompensavel::TColecaoCompensavel(TTolv& declaracao) {
  bd::Transacao& transacao = declaracao.GetTransacaoDeclaracao();
  DefineTransacao(&transacao);
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) return;
  m_declaracao = &declaracao;
  m_consultaLista.defineTransacao(&transacao);
  m_consultaLista.defineSql(QStringLiteral("Select * from BUSCA_COMPENSAVEL(:NR_PF)"));
  m_consultaLista.prepara();
  m_procedimento = std::make_unique<bd::Procedimento>(transacao, QStringLiteral("INCLUI_ATU_COMPENSAVEL"));
  m_procedimento->prepara();
}

TColecaoCompensavel::~TColecaoCompensavel() = default;

void TColecaoCompensavel::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

bool TColecaoCompensavel::AbreParciais(const QString& numero) {
  if (m_consultaLista.aberta() && m_consultaLista.valorParametro(kNrPf).comoTexto() == numero) return true;
  m_consultaLista.fecha();
  m_consultaLista.param(kNrPf, numero);
  return AbreDataSet(m_consultaLista);
}

bool TColecaoCompensavel::LocalizaComprovante(const TComprovante& comprovante) {
  if (!m_declaracao) return false;
  m_consultaLista.fecha();
  return AbreParciais(comprovante.GetBeneficiario().GetBase()) && !m_consultaLista.vazia();
}

void TColecaoCompensavel::CarregaParciais(TComprovantePF& comprovante, bd::Consulta& dados) {
  for (dados.primeiro(); !dados.eof(); dados.proximo()) {
    const int indice = comprovante.IndiceParcial(dados.campo(QStringLiteral("COD_RETENCAO")).texto());
    if (indice < 0) continue;
    TRendimentoParcial& parcial = comprovante.GetParcial(indice);
    parcial.GetRendimento().SetValorMonetario(Coluna(dados, "REND_COMPENSAVEL"));
    parcial.GetImposto().SetValorMonetario(Coluna(dados, "IRRF_COMPENSAVEL"));
    comprovante.AjustaParcial(indice);
  }
}

bool TColecaoCompensavel::CarregaComprovante(TComprovantePF& comprovante) {
  if (LocalizaComprovante(comprovante)) CarregaParciais(comprovante, m_consultaLista);
  return true;
}

bool TColecaoCompensavel::ExisteParcial(const TComprovantePF& comprovante, int indice) {
  if (!m_declaracao || !AbreParciais(comprovante.GetBeneficiario().GetBase())) return false;
  return m_consultaLista.localiza(QStringLiteral("COD_RETENCAO"), {comprovante.GetParcial(indice).GetCodigo()});
}

void TColecaoCompensavel::GravaComprovante(TComprovantePF& comprovante) {
  const TBeneficiarioTolv& beneficiario = comprovante.GetBeneficiario();
  const TTolv* declaracao = beneficiario.GetDeclaracao();
  if (!m_declaracao || !declaracao || declaracao->GetTolvDK().isEmpty() || beneficiario.GetNiDigitos().isEmpty())
    return;
  bd::Procedimento& p = *m_procedimento;
  bool gravou = true;
  for (int i = 0; gravou && i < comprovante.QuantidadeParciais(); ++i) {
    TRendimentoParcial& parcial = comprovante.GetParcial(i);
    if (!parcial.GetModificado()) continue;
    const bool zerado = parcial.EstaZerado();
    if (!ExisteParcial(comprovante, i) && zerado) continue;
    p.param(QStringLiteral("EXCLUIR"), zerado ? 1 : 0);
    p.param(kNrPf, beneficiario.GetBase());
    p.param(QStringLiteral("COD_RETENCAO"), parcial.GetCodigo());
    p.param(QStringLiteral("REND_COMPENSAVEL"), bd::DezMilesimos{parcial.GetRendimento().GetValorMonetario().dezMilesimos()});
    p.param(QStringLiteral("IRRF_COMPENSAVEL"), bd::DezMilesimos{parcial.GetImposto().GetValorMonetario().dezMilesimos()});
    gravou = ExecutaProcedure(p);
    if (gravou) ConfirmaTransacaoRetendo();
  }
  // What was just stored is read again by the next look-up.
  m_consultaLista.fecha();
}
