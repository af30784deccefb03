#include "nucleo/TRendimentoParcial.h"

#include "nucleo/TTotaisTolvItem.h"

TRendimentoParcial::TRendimentoParcial(TTotaisTolvItem& totais) : m_totais(&totais) {
  m_restoRendimento.AdicionaSomando(GetRendimentoTotal());
  m_restoRendimento.AdicionaSubtraendo(m_rendimento);
  m_restoImposto.AdicionaSomando(GetImpostoTotal());
  m_restoImposto.AdicionaSubtraendo(m_imposto);
  SetModificado(false);
}

TMonetario& TRendimentoParcial::GetRendimentoTotal() const { return m_totais->Get(TTotaisTolvItem::kRendimento); }

TMonetario& TRendimentoParcial::GetImpostoTotal() const { return m_totais->Get(TTotaisTolvItem::kImposto); }

QString TRendimentoParcial::GetCodigo() const { return m_totais->GetCodigoRetencao().GetCodigo(); }

bool TRendimentoParcial::GetModificado() const {
  if (!m_modificado) m_modificado = m_rendimento.GetModificado() || m_imposto.GetModificado();
  return m_modificado;
}

void TRendimentoParcial::SetModificado(bool modificado) {
  m_modificado = modificado;
  m_rendimento.SetModificado(modificado);
  m_imposto.SetModificado(modificado);
}
