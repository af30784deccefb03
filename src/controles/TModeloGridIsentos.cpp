#include "controles/TModeloGridIsentos.h"

#include "nucleo/TTolvItem.h"

TModeloGridIsentos::TModeloGridIsentos(QObject* pai) : TModeloGridMeses(pai, 7) { m_visivel.fill(true); }

bool TModeloGridIsentos::ColunaVisivel(int col) const {
  return col >= 0 && col < int(m_visivel.size()) && m_visivel[size_t(col)];
}

void TModeloGridIsentos::SetColunaVisivel(int col, bool visivel) {
  if (col < 0 || col >= int(m_visivel.size()) || m_visivel[size_t(col)] == visivel) return;
  m_visivel[size_t(col)] = visivel;
  Atualiza();
}

QString TModeloGridIsentos::GetTituloColuna(int colDados) const {
  if (!MultiLinha()) return {};
  if (colDados == kRip65 && TolvItem()) {
    const QString& codigo = TolvItem()->GetCodigoRetencao().GetCodigo();
    if (codigo == u"3533" || codigo == u"3540" || codigo == u"3556")
      return QStringLiteral("Parcela isenta de aposentadoria para\rmaiores de 65 (sessenta e cinco) anos");
  }
  static const char16_t* const titulos[] = {u"Mês",
                                            u"Parcela Isenta\r65 Anos",
                                            u"Bolsa\rMédico-Residente",
                                            u"Diária e\rAjuda de Custo",
                                            u"Indenização e\rRescisão de Contrato",
                                            u"Abono\rPecuniário",
                                            u"Voluntário\rCopa"};
  return colDados >= 0 && colDados < 7 ? QString::fromUtf16(titulos[colDados]) : QString();
}

QString TModeloGridIsentos::GetTextoCelula(int col, int lin) const {
  if (SemDecimo(col, lin)) return {};
  return TModeloGridMeses::GetTextoCelula(col, lin);
}

TMonetario* TModeloGridIsentos::MonetarioDados(int colDados, int mes) const {
  if (!TolvItem() || colDados < kRip65 || colDados > kCopa || mes < 1 || mes > TSerieMensal::kMeses) return nullptr;
  return &TolvItem()->GetIsentos().GetSerie(TRendimentosIsentos::Serie(colDados - 1)).Mes(mes);
}

TMonetario* TModeloGridIsentos::TotalDados(int colDados) const {
  if (!TolvItem() || colDados < kRip65 || colDados > kCopa) return nullptr;
  return &TolvItem()->GetIsentos().GetTotal(TRendimentosIsentos::Serie(colDados - 1));
}

bool TModeloGridIsentos::CelulaEditavel(int col, int lin) const {
  return ColunaVisivel(col) && !SemDecimo(col, lin) && TModeloGridMeses::CelulaEditavel(col, lin);
}

void TModeloGridIsentos::ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const {
  for (int s = 0; s < TRendimentosIsentos::kSeries; ++s) {
    TSerieMensal& serie = item.GetIsentos().GetSerie(TRendimentosIsentos::Serie(s));
    valores.push_back(&serie.Total());
    valores.push_back(&serie.Mes(kMesDecimo));
  }
}
