#include "controles/TModeloGridRendimentosDeducoes.h"

#include "nucleo/TTolvItem.h"

namespace {

using R = TRendimentosTributaveis;

// The series of each data column; -1 for none.
int serieDaColuna(int colDados) {
  switch (colDados) {
    case TModeloGridMesesDeducoes::kRendimento: return R::kRendimento;
    case TModeloGridMesesDeducoes::kMolestia: return R::kMolestia;
    case TModeloGridMesesDeducoes::kDeducao: return R::kDeducao;
    case TModeloGridMesesDeducoes::kDeducaoPO: return R::kDeducaoPO;
    case TModeloGridMesesDeducoes::kDeducaoPP: return R::kDeducaoPP;
    case TModeloGridMesesDeducoes::kDeducaoDP: return R::kDeducaoDP;
    case TModeloGridMesesDeducoes::kDeducaoPA: return R::kDeducaoPA;
    case TModeloGridMesesDeducoes::kRetido: return R::kRetido;
    default: return -1;
  }
}

}  // namespace

TModeloGridRendimentosDeducoes::TModeloGridRendimentosDeducoes(QObject* pai, int colunasDados)
    : TModeloGridMesesDeducoes(pai, colunasDados) {}

TRendimentosTributaveis* TModeloGridRendimentosDeducoes::Series() const {
  return TolvItem() ? &TolvItem()->GetTributaveis() : nullptr;
}

bool TModeloGridRendimentosDeducoes::CelulaEditavel(int col, int lin) const {
  if (!TModeloGridMesesDeducoes::CelulaEditavel(col, lin)) return false;
  const QString codigo = TolvItem() ? TolvItem()->GetCodigoRetencao().GetCodigo() : QString();
  if (VisaoMolestia()) {
    if (col == 3 && (codigo == u"5565" || (codigo == u"5928" && Molestia()))) return false;
    if (Molestia() && (col == 1 || col == 5 || col == 7)) return false;
    return true;
  }
  return !(Molestia() && col == 2);
}

void TModeloGridRendimentosDeducoes::SetValorCelula(int colDados, int mes, const QString& texto) {
  TModeloGridMesesDeducoes::SetValorCelula(colDados, mes, texto);
  R* series = Series();
  if (!series || colDados < kDeducaoPO || colDados > kDeducaoPA) return;
  series->GetDeducao(mes).SetValorMonetario(
      series->GetDeducaoPO(mes).GetValorMonetario() + series->GetDeducaoPP(mes).GetValorMonetario() +
      series->GetDeducaoDP(mes).GetValorMonetario() + series->GetDeducaoPA(mes).GetValorMonetario());
}

TMonetario* TModeloGridRendimentosDeducoes::MonetarioDados(int colDados, int mes) const {
  R* series = Series();
  const int serie = serieDaColuna(colDados);
  if (!series || serie < 0 || mes < 1 || mes > TSerieMensal::kMeses) return nullptr;
  return &series->GetSerie(R::Serie(serie)).Mes(mes);
}

TMonetario* TModeloGridRendimentosDeducoes::TotalDados(int colDados) const {
  R* series = Series();
  const int serie = serieDaColuna(colDados);
  if (!series || serie < 0) return nullptr;
  return &series->GetSerie(R::Serie(serie)).Total();
}

void TModeloGridRendimentosDeducoes::ListaObservados(TTolvItem&, std::vector<IObservavel*>& valores) const {
  R* series = Series();
  if (!series) return;
  for (int s = 0; s < R::kSeries; ++s) {
    TSerieMensal& serie = series->GetSerie(R::Serie(s));
    valores.push_back(&serie.Total());
    valores.push_back(&serie.Mes(kMesDecimo));
  }
}
