#include "controles/TTolvEditNi.h"

#include "controles/VinculoObservador.h"
#include "nucleo/Ni.h"

TTolvEditNi::TTolvEditNi(QWidget* pai) : TTolvCustomEdit(pai) {
  SetLimiteTexto(kLimiteDigitos);
  SetSomenteDigitos(true);
}

TTolvEditNi::~TTolvEditNi() {
  if (m_ni) m_ni->RemoveObservador(this);
}

void TTolvEditNi::SetNi(TNi* ni) {
  TrocaObservado<TNi>(this, m_ni, ni);
  if (m_ni) Reexibe();
}

QString TTolvEditNi::GetValorDado(bool formatado) const {
  if (!m_ni) return TTolvCustomEdit::GetValorDado(formatado);
  return formatado ? m_ni->GetNiFormatado() : m_ni->GetNiDigitos();
}

void TTolvEditNi::SetValorDado(const QString& texto) {
  if (m_ni) m_ni->SetNi(texto);
}

void TTolvEditNi::Alterado(IObservavel*) { Reexibe(); }

void TTolvEditNi::Liberado(IObservavel* observavel) { EsqueceObservado(m_ni, observavel); }

QString TTolvEditNi::PreparaColagem(const QString& texto) const {
  QString digitos = texto.trimmed();
  return TNi::RetiraFormatacao(digitos);
}
