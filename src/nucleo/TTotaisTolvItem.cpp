#include "nucleo/TTotaisTolvItem.h"

#include "nucleo/TTolvItem.h"

namespace {

Valor Ano(const TSerieMensal& serie) { return serie.Total().GetValorMonetario(); }

// Months 1 to 13.
Valor AnoCom13(const TSerieMensal& serie) { return Ano(serie) + serie.Mes(13).GetValorMonetario(); }

}  // namespace

TTotaisTolvItem::TTotaisTolvItem(TTolvItem& linha) {
  linha.GetCodigoRetencao().CopiaPara(m_codigo);
  using T = TRendimentosTributaveis;
  const T& trib = linha.GetTributaveis();
  const TSubJudice& sub = linha.GetSubJudice();
  const TRendimentosIsentos& isentos = linha.GetIsentos();
  const TCompensacao& comp = linha.GetCompensacao();

  const auto define = [this](Campo campo, Valor valor) { m_campos[campo].SetValorMonetario(valor); };
  define(kRendimento, Ano(trib.GetSerie(T::kRendimento)));
  define(kImposto, linha.GetTotalMes(TSerieMensal::kMeses + 1).GetValorMonetario());
  define(kCompensacaoAnterior, AnoCom13(comp.GetSerieAnoAnterior()));
  linha.CalculaLiquidoMes(13, m_campos[kDecimoTerceiroLiquido]);
  Valor liquido13 = sub.GetSerie(T::kRendimento).Mes(13).GetValorMonetario();
  for (T::Serie deducao : {T::kDeducaoPO, T::kDeducaoPP, T::kDeducaoDP, T::kDeducaoPA})
    liquido13 -= sub.GetSerie(deducao).Mes(13).GetValorMonetario();
  liquido13 -= sub.GetDepositos().Mes(13).GetValorMonetario();
  define(kDecimoTerceiroSubJudice, liquido13);
  define(kDepositoDecimoTerceiro, sub.GetDepositos().Mes(13).GetValorMonetario());
  define(kRendimentoSubJudice, Ano(sub.GetSerie(T::kRendimento)));
  define(kRetidoSubJudice, Ano(sub.GetSerie(T::kRetido)));
  define(kDepositos, Ano(sub.GetDepositos()));
  define(kDeducoes, Ano(trib.GetSerie(T::kDeducao)));
  define(kCopa, Ano(isentos.GetSerie(TRendimentosIsentos::kCopa)));
  define(kBolsa, Ano(isentos.GetSerie(TRendimentosIsentos::kBolsa)));
  define(kDeducoesSubJudice, Ano(sub.GetSerie(T::kDeducao)));
  define(kPrevidenciaOficial, Ano(trib.GetSerie(T::kDeducaoPO)));
  define(kPrevidenciaPrivada, Ano(trib.GetSerie(T::kDeducaoPP)));
  define(kPensaoAlimenticia, Ano(trib.GetSerie(T::kDeducaoPA)));
  define(kPrevidenciaOficialSubJudice, Ano(sub.GetSerie(T::kDeducaoPO)));
  define(kPrevidenciaPrivadaSubJudice, Ano(sub.GetSerie(T::kDeducaoPP)));
  define(kPensaoAlimenticiaSubJudice, Ano(sub.GetSerie(T::kDeducaoPA)));
  define(kAbono, Ano(isentos.GetSerie(TRendimentosIsentos::kAp)));
  define(kDiarias, Ano(isentos.GetSerie(TRendimentosIsentos::kDac)));
  define(kIndenizacao, Ano(isentos.GetSerie(TRendimentosIsentos::kPdv)));
  define(kAposentadoria65, AnoCom13(isentos.GetSerie(TRendimentosIsentos::kRip65)));
  define(kMolestia, AnoCom13(trib.GetSerie(T::kMolestia)));
}
