#include "nucleo/TColecaoComprovantePJ.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovantePJ.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/bd/Transacao.h"

namespace {

const QString kNrPj = QStringLiteral("NR_PJ");

QString Mes(int mes) { return NumeroComZeros(mes, 2); }

bd::Dado TextoOuNulo(const QString& texto) { return texto.isEmpty() ? bd::Dado() : bd::Dado(texto); }

}  // namespace

TColecaoComprovantePJ::TColecaoComprovantePJ(TTolv& declaracao) {
  bd::Transacao& transacao = declaracao.GetTransacaoDeclaracao();
  DefineTransacao(&transacao);
  AbrirBancoDeclaracao(declaracao.GetNomeBancoDeclaracao(), false);
  if (FalhaBanco || FalhaBancoIndice) return;
  m_declaracao = &declaracao;
  const auto prepara = [&transacao](bd::Consulta& consulta, const QString& sql) {
    consulta.defineTransacao(&transacao);
    consulta.defineSql(sql);
    consulta.prepara();
  };
  prepara(m_consultaLista, QStringLiteral("Select * from BUSCA_COMPROV_PJ(:NR_PJ)"));
  prepara(m_complemento, QStringLiteral("Select * from BUSCA_COMPROV_PJ_COMPL(:NR_PJ)"));
  prepara(m_consultaComando, QStringLiteral("EXECUTE PROCEDURE EXCLUI_COMPROV_PJ(:NR_PJ)"));
  m_procedimento = std::make_unique<bd::Procedimento>(transacao, QStringLiteral("INCLUI_ATU_COMPROV_PJ"));
  m_procedimento->prepara();
  m_procComplemento = std::make_unique<bd::Procedimento>(transacao, QStringLiteral("INCLUI_ATU_COMPROV_PJ_COMPL"));
  m_procComplemento->prepara();
}

TColecaoComprovantePJ::~TColecaoComprovantePJ() = default;

void TColecaoComprovantePJ::AbreConsulta(bd::Consulta& consulta) {
  consulta.fecha();
  AbreDataSet(consulta);
}

bool TColecaoComprovantePJ::AbreDescricoes(const TBeneficiarioTolv& beneficiario) {
  const QString numero = beneficiario.GetBase();
  if (m_consultaLista.aberta() && m_consultaLista.valorParametro(kNrPj).comoTexto() == numero) return true;
  m_consultaLista.fecha();
  m_consultaLista.param(kNrPj, numero);
  return AbreDataSet(m_consultaLista);
}

bool TColecaoComprovantePJ::LocalizaComprovante(const TComprovante& comprovante) {
  if (!m_declaracao) return false;
  m_consultaLista.fecha();
  if (!AbreDescricoes(comprovante.GetBeneficiario())) return false;
  m_complemento.fecha();
  m_complemento.param(kNrPj, comprovante.GetBeneficiario().GetBase());
  AbreDataSet(m_complemento);
  return !m_consultaLista.vazia() || !m_complemento.vazia();
}

bool TColecaoComprovantePJ::CarregaComprovante(TComprovantePJ& comprovante) {
  LocalizaComprovante(comprovante);
  if (m_consultaLista.aberta()) CarregaObjeto(comprovante, m_consultaLista);
  return true;
}

void TColecaoComprovantePJ::CarregaObjeto(TComprovantePJ& comprovante, bd::Consulta& dados) {
  for (dados.primeiro(); !dados.eof(); dados.proximo()) {
    const int indice = comprovante.LocalizaLinha(dados.campo(QStringLiteral("COD_RETENCAO")).texto(),
                                                 dados.campo(QStringLiteral("MES")).texto().toInt());
    if (indice >= 0)
      comprovante.GetLinha(indice).SetDescricao(dados.campo(QStringLiteral("NAT_RENDIMENTO")).texto());
  }
  const bool temTextos = m_complemento.aberta() && !m_complemento.vazia();
  comprovante.GetInfoComplementar().SetValor(temTextos ? m_complemento.campo(QStringLiteral("INFO_COMPL")).texto() : QString());
  comprovante.GetInfoComplementarIn4().SetValor(
      temTextos ? m_complemento.campo(QStringLiteral("INFO_COMPL_IN4")).texto() : QString());
}

bool TColecaoComprovantePJ::ExisteLinha(const TComprovantePJ& comprovante, int indice) {
  if (!m_declaracao || !AbreDescricoes(comprovante.GetBeneficiario())) return false;
  const TRendimentoMensalPJ& linha = comprovante.GetLinha(indice);
  return m_consultaLista.localiza(QStringLiteral("COD_RETENCAO;MES"), {linha.GetCodigo(), Mes(linha.GetMes())});
}

void TColecaoComprovantePJ::GravaComprovante(TComprovantePJ& comprovante) {
  const TBeneficiarioTolv& beneficiario = comprovante.GetBeneficiario();
  const TTolv* declaracao = beneficiario.GetDeclaracao();
  if (!m_declaracao || !declaracao || declaracao->GetTolvDK().isEmpty() || beneficiario.GetNiDigitos().isEmpty())
    return;
  const QString numero = beneficiario.GetBase();
  bd::Procedimento& p = *m_procedimento;
  bool gravou = true;
  for (int i = 0; gravou && i < comprovante.GetQuantidadeLinhas(); ++i) {
    TRendimentoMensalPJ& linha = comprovante.GetLinha(i);
    if (!linha.GetModificado()) continue;
    const bool padrao = linha.UsaDescricaoPadrao();
    if (!ExisteLinha(comprovante, i) && padrao) continue;
    p.param(QStringLiteral("EXCLUIR"), padrao ? 1 : 0);
    p.param(kNrPj, numero);
    p.param(QStringLiteral("COD_RETENCAO"), linha.GetCodigo());
    p.param(QStringLiteral("MES"), Mes(linha.GetMes()));
    p.param(QStringLiteral("NAT_RENDIMENTO"), linha.GetDescricao().left(100));
    gravou = ExecutaProcedure(p);
    if (gravou) ConfirmaTransacaoRetendo();
  }
  // What was just stored is read again by the next look-up.
  m_consultaLista.fecha();
  m_procComplemento->param(kNrPj, numero);
  m_procComplemento->param(QStringLiteral("INFO_COMPL"), TextoOuNulo(comprovante.GetInfoComplementar().GetValor()));
  m_procComplemento->param(QStringLiteral("INFO_COMPL_IN4"), TextoOuNulo(comprovante.GetInfoComplementarIn4().GetValor()));
  if (ExecutaProcedure(*m_procComplemento)) ConfirmaTransacaoRetendo();
}

void TColecaoComprovantePJ::ExcluiComprovante(const TBeneficiarioTolv& beneficiario) {
  if (!m_declaracao || beneficiario.GetNiDigitos().isEmpty()) return;
  m_consultaComando.param(kNrPj, beneficiario.GetBase());
  if (ExecutaConsulta(m_consultaComando)) ConfirmaTransacaoRetendo();
  m_consultaLista.fecha();
}
