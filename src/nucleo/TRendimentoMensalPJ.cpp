#include "nucleo/TRendimentoMensalPJ.h"

#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TTolvItem.h"
#include "nucleo/UtilTexto.h"

TRendimentoMensalPJ::TRendimentoMensalPJ(TTolvItem& linha, const TCodigoRetencao& codigo, int mes)
    : m_codigo(&codigo), m_mes(mes) {
  m_rendimento.SetValorMonetario(linha.GetTributaveis().GetRendimento(mes).GetValorMonetario());
  m_imposto.SetValorMonetario(linha.GetTributaveis().GetRetido(mes).GetValorMonetario());
}

void TRendimentoMensalPJ::SetDescricao(const QString& texto) {
  const QString descricao = Apara(texto);
  if (descricao.compare(m_codigo->GetResumo(), Qt::CaseInsensitive) != 0) {
    m_descricao = descricao;
  } else {
    if (m_descricao.isEmpty()) return;
    m_descricao.clear();
  }
  m_modificado = true;
}

QString TRendimentoMensalPJ::GetDescricao() const { return m_descricao.isEmpty() ? m_codigo->GetResumo() : m_descricao; }

QString TRendimentoMensalPJ::GetCodigo() const { return m_codigo->GetCodigo(); }

bool TRendimentoMensalPJ::GetIn4() const { return m_codigo->GetIn4(); }
