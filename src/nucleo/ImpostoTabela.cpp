#include "nucleo/ImpostoTabela.h"

#include <array>

namespace {

struct Faixa {
  int64_t limiteCentavos;  // belongs to its own band; -1 for the last band
  int64_t aliquotaPontosBase;
  int64_t deducaoCentavos;
};

using Tabela = std::array<Faixa, 5>;

constexpr Tabela kTabela2013 = {{{171018, 0, 0},
                                 {256391, 750, 12831},
                                 {341859, 1500, 32060},
                                 {427159, 2250, 57700},
                                 {-1, 2750, 79058}}};

constexpr Tabela kTabela2014 = {{{178777, 0, 0},
                                 {267929, 750, 13408},
                                 {357243, 1500, 33503},
                                 {446381, 2250, 60296},
                                 {-1, 2750, 82615}}};

}  // namespace

Valor CalculaImpostoTabela(QStringView ano, Valor base) {
  const Tabela* tabela = ano == u"2013" ? &kTabela2013 : ano == u"2014" ? &kTabela2014 : nullptr;
  if (!tabela) return Valor();
  const Faixa* faixa = &tabela->back();
  for (const Faixa& f : *tabela) {
    if (f.limiteCentavos >= 0 && base <= Valor::deCentavos(f.limiteCentavos)) {
      faixa = &f;
      break;
    }
  }
  // Exact: the base in ten-thousandths times the rate in basis points. A binary product
  // would lose a cent on bases such as 1.791,60.
  const __int128 brutoDezMil = __int128(base.dezMilesimos()) * faixa->aliquotaPontosBase / 10000;
  const int64_t brutoCentavos = int64_t(brutoDezMil / 100);
  const int64_t impostoCentavos = brutoCentavos - faixa->deducaoCentavos;
  // The 2013 table leaves a gap above its first limit where the deduction exceeds the gross tax.
  return impostoCentavos > 0 ? Valor::deCentavos(impostoCentavos) : Valor();
}
