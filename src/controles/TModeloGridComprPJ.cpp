#include "controles/TModeloGridComprPJ.h"

#include "nucleo/TComprovantePJ.h"

TModeloGridComprPJ::TModeloGridComprPJ(QObject* pai) : TModeloGrid(pai) { SetDimensoes(5, 2, 0, 1); }

void TModeloGridComprPJ::SetComprovante(TComprovantePJ* comprovante) {
  m_comprovante = comprovante;
  Recarrega();
}

void TModeloGridComprPJ::Recarrega() {
  SetDimensoes(5, m_comprovante ? m_comprovante->GetQuantidadeLinhas() + 1 : 1, 0, 1);
  TModeloGrid::Atualiza();
}

bool TModeloGridComprPJ::CelulaAceitaEdicao(int col, int lin) const {
  return col == kDescricao && CelulaEditavel(col, lin);
}

QString TModeloGridComprPJ::GetTextoCelula(int col, int lin) const {
  static const char16_t* const titulos[] = {u"Mês", u"Código", u"Descrição do rendimento", u"Rendimento",
                                            u"Imp. Retido"};
  static const char16_t* const meses[] = {u"Jan", u"Fev", u"Mar", u"Abr", u"Mai", u"Jun",
                                          u"Jul", u"Ago", u"Set", u"Out", u"Nov", u"Dez"};
  if (!Contem(col, lin)) return {};
  if (lin == 0) return QString::fromUtf16(titulos[col]);
  if (!m_comprovante || lin > m_comprovante->GetQuantidadeLinhas()) return {};
  TRendimentoMensalPJ& linha = m_comprovante->GetLinha(lin - 1);
  switch (col) {
    case kMes: {
      const int mes = linha.GetMes();
      return mes >= 1 && mes <= 12 ? QString::fromUtf16(meses[mes - 1]) : QString();
    }
    case kCodigo: return linha.GetCodigo();
    case kDescricao: return linha.GetDescricao();
    case kRendimento: return linha.GetRendimento().GetFormatado();
    case kImposto: return linha.GetImposto().GetFormatado();
    default: return {};
  }
}

void TModeloGridComprPJ::SetTextoCelula(int col, int lin, const QString& texto) {
  if (col != kDescricao || !m_comprovante || lin < 1 || lin > m_comprovante->GetQuantidadeLinhas()) return;
  m_comprovante->GetLinha(lin - 1).SetDescricao(texto);
}

QRect TModeloGridComprPJ::GetAreaEditavel() const {
  QRect area = TModeloGrid::GetAreaEditavel();
  area.setLeft(kDescricao);
  area.setRight(kDescricao);
  return area;
}

TModeloGrid::Pintura TModeloGridComprPJ::PinturaDe(int col, int lin, Estado estado) const {
  if (lin > 0 && (col == kDescricao || !estado.selecionada)) {
    if (col == kDescricao) return {Pintura::CelulaFixa, Pintura::Esquerda};
    return {Pintura::CelulaFixa, col <= kCodigo ? Pintura::Centro : Pintura::Direita};
  }
  return TModeloGrid::PinturaDe(col, lin, estado);
}

const TMonetario* TModeloGridComprPJ::MonetarioCelula(int col, int lin) const {
  if (!m_comprovante || lin < 1 || lin > m_comprovante->GetQuantidadeLinhas()) return nullptr;
  TRendimentoMensalPJ& linha = m_comprovante->GetLinha(lin - 1);
  if (col == kRendimento) return &linha.GetRendimento();
  if (col == kImposto) return &linha.GetImposto();
  return nullptr;
}
