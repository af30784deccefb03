#include "nucleo/TTolvAnexo.h"

#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"

TTolvAnexo::TTolvAnexo() : TTolvAnexo(std::make_unique<TContribuinte>()) {}

TTolvAnexo::TTolvAnexo(std::unique_ptr<TContribuinte> identidade)
    : m_contribuinte(std::move(identidade)), m_resumo(std::make_unique<TResumo>(this)) {}

TTolvAnexo::~TTolvAnexo() { LiberaColecoesDoDono(); }

void TTolvAnexo::LiberaColecoesDoDono() {
  LiberaItens();
  LiberaColecaoCodigoRetencao();
}

void TTolvAnexo::LiberaColecaoCodigoRetencao() { m_codigosRetencao.reset(); }

void TTolvAnexo::Limpar() {
  TTolvAnexo::LiberaItens();
  m_resumo.reset();
  m_contribuinte->LimpaTudo();
  m_fonteDK.clear();
}

void TTolvAnexo::LiberaItens() { m_itens.reset(); }

void TTolvAnexo::Atribui(TTolvAnexo& destino) {
  destino.m_fonteDK = m_fonteDK;
  m_contribuinte->CopiaPara(*destino.m_contribuinte);
  GetResumo().CopiaPara(destino.GetResumo());
}

TColecaoCodigoRetencao& TTolvAnexo::GetColecaoCodigoRetencao() {
  if (!m_codigosRetencao) m_codigosRetencao = std::make_unique<TColecaoCodigoRetencao>(*this);
  return *m_codigosRetencao;
}

TColecaoTolvItem& TTolvAnexo::GetItens() {
  if (!m_itens) m_itens = std::make_unique<TColecaoTolvItem>(GetDeclaracao(), *this);
  return *m_itens;
}

TResumo& TTolvAnexo::GetResumo() {
  if (!m_resumo) m_resumo = std::make_unique<TResumo>(this);
  return *m_resumo;
}
