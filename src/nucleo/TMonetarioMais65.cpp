#include "nucleo/TMonetarioMais65.h"

#include "nucleo/Erros.h"

namespace {

struct Teto {
  const char* ateAno;  // the last year of the cap
  int64_t centavos;
  uint16_t mensagem;
};

constexpr Teto kTetos[] = {
    {"2001", 1'170'000, 111}, {"2005", 1'623'144, 112}, {"2006", 1'624'944, 113},
    {"2007", 1'707'797, 114}, {"2008", 1'784'653, 115}, {"2009", 1'864'967, 116},
};

}  // namespace

void TMonetarioMais65::VerificaLimite(Valor valor) const {
  for (const Teto& teto : kTetos) {
    if (m_anoCalendario > QLatin1String(teto.ateAno)) continue;
    if (valor > Valor::deCentavos(teto.centavos)) throw EMonetarioInvalido(teto.mensagem);
    break;
  }
  TMonetario::VerificaLimite(valor);
}
