#include "nucleo/TComprovantePJ.h"

#include "nucleo/TTolvItem.h"

TComprovantePJ::TComprovantePJ(TBeneficiarioTolv& beneficiario) : TComprovante(beneficiario) {}

TComprovantePJ::~TComprovantePJ() = default;

bool TComprovantePJ::GetModificado() const {
  if (!m_modificado) {
    m_modificado = GetInfoComplementar().GetModificado() || GetInfoComplementarIn4().GetModificado();
    for (size_t i = 0; !m_modificado && i < m_linhas.size(); ++i) m_modificado = m_linhas[i]->GetModificado();
  }
  return m_modificado;
}

void TComprovantePJ::SetModificado(bool modificado) {
  GetInfoComplementar().SetModificado(modificado);
  GetInfoComplementarIn4().SetModificado(modificado);
  for (const auto& linha : m_linhas) linha->SetModificado(modificado);
  m_modificado = modificado;
}

void TComprovantePJ::AdicionaItem(TTolvItem& linha) {
  TComprovante::AdicionaItem(linha);
  const QString& regime = linha.GetCodigoRetencao().GetRegime();
  if (regime == u"F" || regime == u"N") return;
  m_codigos.push_back(std::make_unique<TCodigoRetencao>(linha.GetCodigoRetencao()));
  const TCodigoRetencao& codigo = *m_codigos.back();
  for (int mes = 1; mes <= 12; ++mes) {
    if (linha.GetTributaveis().GetRendimento(mes).EhZero()) continue;
    m_linhas.push_back(std::make_unique<TRendimentoMensalPJ>(linha, codigo, mes));
    (codigo.GetIn4() ? m_temIn4 : m_temNaoIn4) = true;
  }
}

void TComprovantePJ::Limpar() {
  m_linhas.clear();
  m_codigos.clear();
  m_temIn4 = m_temNaoIn4 = false;
  TComprovante::Limpar();
}

int TComprovantePJ::LocalizaLinha(const QString& codigo, int mes) const {
  for (size_t i = 0; i < m_linhas.size(); ++i)
    if (m_linhas[i]->GetMes() == mes && m_linhas[i]->GetCodigo() == codigo) return int(i);
  return -1;
}
