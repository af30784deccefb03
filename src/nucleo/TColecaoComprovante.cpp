#include "nucleo/TColecaoComprovante.h"

#include "nucleo/TColecaoCompensavel.h"
#include "nucleo/TColecaoComprovantePF.h"
#include "nucleo/TColecaoComprovantePJ.h"
#include "nucleo/TComprovantePF.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TComprovantePJ.h"
#include "nucleo/TTolv.h"

namespace {

constexpr int kNadaGravado = 2;

}  // namespace

TColecaoComprovante::TColecaoComprovante(TTolv& declaracao)
    : m_pf(std::make_unique<TColecaoComprovantePF>(declaracao)),
      m_pj(std::make_unique<TColecaoComprovantePJ>(declaracao)),
      m_compensavel(std::make_unique<TColecaoCompensavel>(declaracao)),
      m_fonteLinhas([&declaracao](const TBeneficiarioTolv& beneficiario, const std::function<void(TTolvItem&)>& adiciona) {
        declaracao.GetItens().CarregaComprovante(beneficiario, adiciona);
      }) {}

TColecaoComprovante::~TColecaoComprovante() = default;

bool TColecaoComprovante::CarregaComprovante(TComprovante& comprovante) {
  if (m_fonteLinhas)
    m_fonteLinhas(comprovante.GetBeneficiario(), [&comprovante](TTolvItem& linha) { comprovante.AdicionaItem(linha); });
  if (auto* pf = dynamic_cast<TComprovantePF*>(&comprovante)) {
    m_pf->CarregaComprovante(*pf);
    m_compensavel->CarregaComprovante(*pf);
  } else if (auto* pj = dynamic_cast<TComprovantePJ*>(&comprovante)) {
    m_pj->CarregaComprovante(*pj);
  }
  return true;
}

int TColecaoComprovante::GravaComprovante(TComprovante& comprovante) {
  if (auto* pf = dynamic_cast<TComprovantePF*>(&comprovante)) {
    int resultado = kNadaGravado;
    if (pf->GetModificado() || pf->GetInfoComplementar().GetModificado()) resultado = m_pf->GravaComprovante(*pf);
    m_compensavel->GravaComprovante(*pf);
    return resultado;
  }
  if (auto* pj = dynamic_cast<TComprovantePJ*>(&comprovante)) m_pj->GravaComprovante(*pj);
  return kNadaGravado;
}
