#include "nucleo/TColecaoComprovantePJ.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovantePJ.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"

namespace {

const QString kNrPj = QStringLiteral("NR_PJ");

QString Mes(int mes) { return NumeroComZeros(mes, 2); }

}  // namespace

TColecaoComprovantePJ::TColecaoComprovantePJ(TTolv& declaracao) {
  if (!Conecta(declaracao)) return;
  Prepara(m_consultaLista, QStringLiteral("Select * from BUSCA_COMPROV_PJ(:NR_PJ)"));
  Prepara(m_complemento, QStringLiteral("Select * from BUSCA_COMPROV_PJ_COMPL(:NR_PJ)"));
  Prepara(m_consultaComando, QStringLiteral("EXECUTE PROCEDURE EXCLUI_COMPROV_PJ(:NR_PJ)"));
  m_procedimento = PreparaProcedimento(QStringLiteral("INCLUI_ATU_COMPROV_PJ"));
  m_procComplemento = PreparaProcedimento(QStringLiteral("INCLUI_ATU_COMPROV_PJ_COMPL"));
}

TColecaoComprovantePJ::~TColecaoComprovantePJ() = default;

bool TColecaoComprovantePJ::LocalizaComprovante(const TComprovante& comprovante) {
  if (!AbreLista(kNrPj, comprovante, true)) return false;
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
  if (!AbreLista(kNrPj, comprovante, false)) return false;
  const TRendimentoMensalPJ& linha = comprovante.GetLinha(indice);
  return m_consultaLista.localiza(QStringLiteral("COD_RETENCAO;MES"), {linha.GetCodigo(), Mes(linha.GetMes())});
}

void TColecaoComprovantePJ::GravaComprovante(TComprovantePJ& comprovante) {
  if (!PodeGravar(comprovante)) return;
  const QString numero = comprovante.GetBeneficiario().GetBase();
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
    gravou = ExecutaConfirmando(p);
  }
  // What was just stored is read again by the next look-up.
  m_consultaLista.fecha();
  m_procComplemento->param(kNrPj, numero);
  m_procComplemento->param(QStringLiteral("INFO_COMPL"), TextoOuNulo(comprovante.GetInfoComplementar().GetValor()));
  m_procComplemento->param(QStringLiteral("INFO_COMPL_IN4"), TextoOuNulo(comprovante.GetInfoComplementarIn4().GetValor()));
  ExecutaConfirmando(*m_procComplemento);
}

void TColecaoComprovantePJ::ExcluiComprovante(const TBeneficiarioTolv& beneficiario) {
  ExcluiDoBeneficiario(kNrPj, beneficiario);
}
