#include "controles/TModeloGridCompensacao.h"

#include "nucleo/TTolvItem.h"

TModeloGridCompensacao::TModeloGridCompensacao(QObject* pai) : TModeloGridMeses(pai, 5) {}

QString TModeloGridCompensacao::GetTituloColuna(int colDados) const {
  static const char16_t* const titulos[] = {u"Mês", u"Imposto Retido", u"Ano-calendário", u"Anos Anteriores",
                                            u"Total"};
  return colDados >= 0 && colDados < 5 ? QString::fromUtf16(titulos[colDados]) : QString();
}

TMonetario* TModeloGridCompensacao::MonetarioDados(int colDados, int mes) const {
  TTolvItem* item = TolvItem();
  if (!item || mes < 1 || mes > TSerieMensal::kMeses) return nullptr;
  switch (colDados) {
    case kRetido: return &item->GetTributaveis().GetRetido(mes);
    case kAnoAtual: return &item->GetCompensacao().GetAnoAtual(mes);
    case kAnoAnterior: return &item->GetCompensacao().GetAnoAnterior(mes);
    case kTotal: return &item->GetTotalMes(mes);
    default: return nullptr;
  }
}

TMonetario* TModeloGridCompensacao::TotalDados(int colDados) const {
  TTolvItem* item = TolvItem();
  if (!item) return nullptr;
  switch (colDados) {
    case kRetido: return &item->GetTributaveis().GetTotalRetido();
    case kAnoAtual: return &item->GetCompensacao().GetTotalAnoAtual();
    case kAnoAnterior: return &item->GetCompensacao().GetTotalAnoAnterior();
    case kTotal: return &item->GetTotalMes(kDadoTotais);
    default: return nullptr;
  }
}

bool TModeloGridCompensacao::CelulaEditavel(int col, int lin) const {
  return col != kRetido && col != kTotal && TModeloGridMeses::CelulaEditavel(col, lin);
}

QRect TModeloGridCompensacao::GetAreaEditavel() const {
  QRect area = TModeloGridMeses::GetAreaEditavel();
  area.setLeft(kAnoAtual);
  area.setRight(kAnoAnterior);
  return area;
}

TModeloGrid::Pintura TModeloGridCompensacao::PinturaDe(int col, int lin, Estado estado) const {
  if (estado.focada) return {Pintura::CelulaFocadaLinha, Pintura::Direita};
  if (lin == kLinhaTotais)
    return {Pintura::CelulaTotal, col == 0 ? Pintura::Centro : Pintura::Direita};
  return TModeloGridMeses::PinturaDe(col, lin, estado);
}

void TModeloGridCompensacao::ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const {
  // The month totals and the year's follow these.
  TRendimentosTributaveis& t = item.GetTributaveis();
  TCompensacao& c = item.GetCompensacao();
  valores.insert(valores.end(), {&t.GetTotalRetido(), &t.GetRetido(kMesDecimo), &c.GetTotalAnoAtual(),
                                 &c.GetAnoAtual(kMesDecimo), &c.GetTotalAnoAnterior(), &c.GetAnoAnterior(kMesDecimo)});
}
