#include "nucleo/TComprovante.h"

#include "nucleo/TTolvItem.h"

TComprovante::TComprovante(TBeneficiarioTolv& beneficiario) : m_beneficiario(&beneficiario) {}

TComprovante::~TComprovante() = default;

void TComprovante::AdicionaItem(TTolvItem& linha) {
  if (linha.GetIndicadorAnexo() == u"0") m_temLinhaDeclaracao = true;
  ++m_quantidadeItens;
}

void TComprovante::Limpar() {
  m_infoComplementar.Limpar();
  m_infoComplementarIn4.Limpar();
  m_planosSaude.clear();
  m_quantidadeItens = 0;
  m_temLinhaDeclaracao = false;
}
