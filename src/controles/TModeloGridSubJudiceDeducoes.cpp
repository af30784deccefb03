#include "controles/TModeloGridSubJudiceDeducoes.h"

#include "nucleo/TTolvItem.h"

TModeloGridSubJudiceDeducoes::TModeloGridSubJudiceDeducoes(QObject* pai)
    : TModeloGridRendimentosDeducoes(pai, 10) {}

TRendimentosTributaveis* TModeloGridSubJudiceDeducoes::Series() const {
  return TolvItem() ? &TolvItem()->GetSubJudice() : nullptr;
}

TMonetario* TModeloGridSubJudiceDeducoes::MonetarioDados(int colDados, int mes) const {
  if (colDados == kMolestia || colDados == kDeducao) return nullptr;
  if (colDados == kDeposito)
    return TolvItem() && mes >= 1 && mes <= TSerieMensal::kMeses ? &TolvItem()->GetSubJudice().GetDeposito(mes)
                                                                  : nullptr;
  return TModeloGridRendimentosDeducoes::MonetarioDados(colDados, mes);
}

TMonetario* TModeloGridSubJudiceDeducoes::TotalDados(int colDados) const {
  if (colDados == kMolestia || colDados == kDeducao) return nullptr;
  if (colDados == kDeposito) return TolvItem() ? &TolvItem()->GetSubJudice().GetTotalDeposito() : nullptr;
  return TModeloGridRendimentosDeducoes::TotalDados(colDados);
}

QString TModeloGridSubJudiceDeducoes::TituloPadrao(int colDados) const {
  switch (colDados) {
    case kMolestia: return {};
    case kRetido: return QStringLiteral("IRRF");
    case kRendimento:
    case kDeposito:
      return TModeloGridRendimentosDeducoes::TituloPadrao(colDados);
    default:
      // These keep their two lines whatever MultiLinha says.
      break;
  }
  static const char16_t* const titulos[] = {u"Mês", u"", u"", u"Deduções", u"Previdência\rOficial",
                                            u"Previdência\rPriv e FAPI", u"Dependentes", u"Pensão\rAlimentícia"};
  return colDados >= 0 && colDados < 8 ? QString::fromUtf16(titulos[colDados]) : QString();
}

void TModeloGridSubJudiceDeducoes::ListaObservados(TTolvItem& item, std::vector<IObservavel*>& valores) const {
  TModeloGridRendimentosDeducoes::ListaObservados(item, valores);
  valores.push_back(&item.GetSubJudice().GetTotalDeposito());
  valores.push_back(&item.GetSubJudice().GetDeposito(kMesDecimo));
}
