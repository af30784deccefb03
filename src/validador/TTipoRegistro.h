#pragma once

#include <QStringView>

#include <cstdint>

// The record types of a declaration text file, in the fixed order that indexes the layout
// tables, the analyzer's per-type tables and the storage.
enum class TTipoRegistro : uint8_t {
  RTOLV, RESPO, DECPF, DECPJ, IDREC, BPFDEC, BPJDEC, FCI, BPFFCI, BPJFCI, PROC, BPFPROC, BPJPROC, RRA,
  BPFRRA, RTRT, RTPO, RTPP, RTDP, RTPA, RTIRF, CJAA, CJAC, ESRT, ESPO, ESPP, ESDP, ESPA, ESIR, ESDJ,
  RIP65, RIBMR, RIDAC, RIIRP, RIAP, RIVC, RIMOG, DAJUD, QTMESES, RIL96, RIPTS, RIO, PSE, OPSE, TPSE,
  DTPSE, RPDE, BRPDE, VRPDE, INF, FIMTOLV
};

inline constexpr int kQuantidadeTipos = 51;

constexpr int Ordinal(TTipoRegistro tipo) { return static_cast<int>(tipo); }
constexpr TTipoRegistro TipoDoOrdinal(int ordinal) { return static_cast<TTipoRegistro>(ordinal); }

// The enumeration value's own name ("RTOLV" for the header).
QStringView NomeValorTipo(TTipoRegistro tipo);

// The seven beneficiary types, and the monthly or annual value types (RTRT to RIO).
bool EhBeneficiario(TTipoRegistro tipo);
bool EhTipoValor(TTipoRegistro tipo);
