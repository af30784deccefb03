#include "nucleo/SubJudice.h"

void TSubJudice::ZeraValores() {
  TRendimentosTributaveis::ZeraValores();
  ZeraDepositos();
}

void TSubJudice::CopiaPara(TSubJudice& destino) const {
  TRendimentosTributaveis::CopiaPara(destino);
  m_depositos.CopiaPara(destino.m_depositos);
}

void TSubJudice::SetModificado(bool modificado) {
  TRendimentosTributaveis::SetModificado(modificado);
  m_depositos.SetModificado(modificado);
}

bool TSubJudice::GetModificado() const {
  return TRendimentosTributaveis::GetModificado() || m_depositos.TotalOuDecimoModificado();
}
