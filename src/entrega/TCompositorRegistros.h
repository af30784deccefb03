#pragma once

#include <QString>

#include <cstdint>

#include "entrega/LinhaRegistro.h"
#include "entrega/ValoresLinha.h"

class SaidaDeclaracao;
struct EstadoGravacao;

// One composer per record type of the beneficiary blocks, all over the file's one output. The
// declarant's block uses them now; the fund, process and supplementary blocks compose their own
// records with the same calls, so that every value record follows one rule: written only when
// the sum of its amounts is above zero, each amount in whole cents, a zero amount an empty field.
class TCompositorRegistros {
 public:
  TCompositorRegistros(SaidaDeclaracao& saida, EstadoGravacao& estado) : m_saida(saida), m_estado(estado) {}

  // Starts a revenue code; the beneficiaries that follow are under it.
  void IDREC(const QString& codigo);
  // A person beneficiary ("BPFDEC", "BPFFCI", ...): CPF, name (apostrophe to blank), report
  // date (yyyymmdd or empty). Counted in QtdBeneficiariosPF. The value records that follow are
  // this beneficiary's (a refused text names it).
  void BeneficiarioPF(const char* identificador, const QString& base, const QString& nome, const QDate& dataLaudo);
  // A company beneficiary: CNPJ and name (apostrophe kept). Counted in QtdBeneficiariosPJ.
  void BeneficiarioPJ(const char* identificador, const QString& base, const QString& nome);

  // A monthly value record of `meses` amounts (13, or 12 with an empty thirteenth field).
  // Answers whether it was written and the sum of its cents.
  bool Mensal(const char* identificador, const SerieArquivo& serie, int meses = 13, int64_t* somaCentavos = nullptr);
  // RTIRF: its cents go into TotalIrrf.
  void Irrf(const SerieArquivo& serie);
  // An annual record: the identifier and one amount.
  void Anual(const char* identificador, int64_t dezMilesimos);
  // RIO: the amount and the description of other exempt income (apostrophe kept).
  void Outros(int64_t dezMilesimos, const QString& descricao);
  // The judicial group CJAA to ESDJ of one line; ESIR's cents go into TotalIrrfSuspenso.
  void GrupoJudicial(const SeriesJudiciais& judicial);

  // The value records of a person beneficiary of the declarant, in file order; the judicial
  // group after RIMOG when `judicial`.
  void ValoresPessoa(const ValoresLinha& linha, bool judicial);
  // Those of a company beneficiary: RTRT and RTIRF.
  void ValoresEmpresa(const ValoresLinha& linha);

 private:
  void Grava();

  SaidaDeclaracao& m_saida;
  EstadoGravacao& m_estado;
  LinhaRegistro m_linha;
  QString m_codigo;
  QString m_chave;
};
