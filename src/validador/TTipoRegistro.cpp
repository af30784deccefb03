#include "validador/TTipoRegistro.h"

namespace {

// Views over the literals: their lengths are known without counting.
constexpr QStringView kNomes[kQuantidadeTipos] = {
    u"RTOLV", u"RESPO", u"DECPF", u"DECPJ", u"IDREC", u"BPFDEC", u"BPJDEC", u"FCI", u"BPFFCI", u"BPJFCI",
    u"PROC", u"BPFPROC", u"BPJPROC", u"RRA", u"BPFRRA", u"RTRT", u"RTPO", u"RTPP", u"RTDP", u"RTPA",
    u"RTIRF", u"CJAA", u"CJAC", u"ESRT", u"ESPO", u"ESPP", u"ESDP", u"ESPA", u"ESIR", u"ESDJ",
    u"RIP65", u"RIBMR", u"RIDAC", u"RIIRP", u"RIAP", u"RIVC", u"RIMOG", u"DAJUD", u"QTMESES", u"RIL96",
    u"RIPTS", u"RIO", u"PSE", u"OPSE", u"TPSE", u"DTPSE", u"RPDE", u"BRPDE", u"VRPDE", u"INF",
    u"FIMTOLV"};

}  // namespace

QStringView NomeValorTipo(TTipoRegistro tipo) { return kNomes[Ordinal(tipo)]; }

bool EhBeneficiario(TTipoRegistro tipo) {
  using enum TTipoRegistro;
  switch (tipo) {
    case BPFDEC: case BPJDEC: case BPFFCI: case BPJFCI: case BPFPROC: case BPJPROC: case BPFRRA:
      return true;
    default:
      return false;
  }
}

bool EhTipoValor(TTipoRegistro tipo) {
  return Ordinal(tipo) >= Ordinal(TTipoRegistro::RTRT) && Ordinal(tipo) <= Ordinal(TTipoRegistro::RIO);
}
