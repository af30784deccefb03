#include "nucleo/TColecaoCompensavel.h"

#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TTolv.h"

namespace {

const QString kNrPf = QStringLiteral("NR_PF");

Valor Coluna(const bd::Consulta& dados, const char* nome) {
  return Valor::deDezMilesimos(dados.campo(QLatin1String(nome)).dezMilesimos());
}

}  // namespace

TColecaoCompensavel::TColecaoCompensavel(TTolv& declaracao) {
  if (!Conecta(declaracao)) return;
  Prepara(m_consultaLista, QStringLiteral("Select * from BUSCA_COMPENSAVEL(:NR_PF)"));
  m_procedimento = PreparaProcedimento(QStringLiteral("INCLUI_ATU_COMPENSAVEL"));
}

TColecaoCompensavel::~TColecaoCompensavel() = default;

bool TColecaoCompensavel::LocalizaComprovante(const TComprovante& comprovante) {
  return AbreLista(kNrPf, comprovante, true) && !m_consultaLista.vazia();
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
  if (!AbreLista(kNrPf, comprovante, false)) return false;
  return m_consultaLista.localiza(QStringLiteral("COD_RETENCAO"), {comprovante.GetParcial(indice).GetCodigo()});
}

void TColecaoCompensavel::GravaComprovante(TComprovantePF& comprovante) {
  if (!PodeGravar(comprovante)) return;
  bd::Procedimento& p = *m_procedimento;
  bool gravou = true;
  for (int i = 0; gravou && i < comprovante.QuantidadeParciais(); ++i) {
    TRendimentoParcial& parcial = comprovante.GetParcial(i);
    if (!parcial.GetModificado()) continue;
    const bool zerado = parcial.EstaZerado();
    if (!ExisteParcial(comprovante, i) && zerado) continue;
    p.param(QStringLiteral("EXCLUIR"), zerado ? 1 : 0);
    p.param(kNrPf, comprovante.GetBeneficiario().GetBase());
    p.param(QStringLiteral("COD_RETENCAO"), parcial.GetCodigo());
    p.param(QStringLiteral("REND_COMPENSAVEL"), bd::DezMilesimos{parcial.GetRendimento().GetValorMonetario().dezMilesimos()});
    p.param(QStringLiteral("IRRF_COMPENSAVEL"), bd::DezMilesimos{parcial.GetImposto().GetValorMonetario().dezMilesimos()});
    gravou = ExecutaConfirmando(p);
  }
  // What was just stored is read again by the next look-up.
  m_consultaLista.fecha();
}
