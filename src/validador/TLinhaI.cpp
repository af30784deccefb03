#include "validador/TLinhaI.h"

#include "validador/TRegrasAnalisador.h"

void TLinhaI::Define(const QString& texto) {
  m_texto = texto;
  Divide();
}

void TLinhaI::Divide() {
  m_itens.Divide(m_texto);
  m_numeroCampos = m_itens.Quantidade() - 2;
  m_tipo = TRegrasAnalisador::TipoPorNome(m_itens.Quantidade() > 0 ? m_itens.Item(0) : QStringView());
}

QString TLinhaI::Campo(int posicao) const {
  if (posicao < 0 || posicao >= m_itens.Quantidade()) return {};
  const QStringView item = m_itens.Item(posicao);
  return posicao == 0 ? item.toString().toUpper() : item.toString();
}

void TLinhaI::LimpaCampos(const TTFlagCampo::Campos& campos) {
  for (const uint16_t posicao : campos) m_itens.EsvaziaItem(posicao);
}
