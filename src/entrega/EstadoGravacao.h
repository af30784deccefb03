#pragma once

#include <QDate>
#include <QString>

#include <cstdint>

#include "entrega/SecaoLiberada.h"

// The writer's running state, shared by every block of one writing: what the header records
// set, the beneficiary counters and the tax totals that the envelope adds up. Totals are whole
// cents, sums of the cents written, so that the envelope matches the records to the cent.
struct EstadoGravacao {
  // Set before the writing.
  int AnoCalendario = 0;
  int AnoReferencia = 2014;
  QString TipoDeclaracao;  // "O" or "R"; "N" or "S" once the header is written
  QString NumeroRecibo;    // first 10 characters of the stored receipt; 12 once the header is written
  QString ReciboArmazenado;  // the same 10 characters, for the envelope's reserved area
  QString Uf;

  // Kept by the declarant's records for the envelope.
  QString NomeDeclarante;        // as stored
  QString NiDeclarante;          // the stored base
  QString CpfResponsavel;        // the stored base of the person responsible (before the CNPJ for a company)
  QString Natureza;              // IN_NATUREZADECLAR as stored
  QDate DataEvento;
  int TipoEvento = 0;
  QString Encerra;               // IN_ENCERRA: "1" special situation
  bool InAdmFc = false;
  bool InCopa = false;
  // The indicators that let the sections in, read before anything is written.
  IndicadoresSecoes Indicadores;

  // Zeroed at the start of every file.
  bool EhJudicial = false;
  int32_t QtdBeneficiariosPF = 0;
  int32_t QtdBeneficiariosPJ = 0;
  int64_t TotalIrrf = 0;
  int64_t TotalIrrfSuspenso = 0;
  int64_t TotalRraIrrf = 0;
  int64_t TotalRemessaIrrf = 0;
  int64_t TotalRemessaRendimento = 0;

  void ZeraContadores() {
    EhJudicial = false;
    QtdBeneficiariosPF = QtdBeneficiariosPJ = 0;
    TotalIrrf = TotalIrrfSuspenso = TotalRraIrrf = TotalRemessaIrrf = TotalRemessaRendimento = 0;
  }
  bool PessoaFisica() const { return NiDeclarante.size() == 9; }
};
