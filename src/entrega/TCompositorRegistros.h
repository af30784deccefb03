#pragma once

#include <QString>

#include <cstdint>

#include "entrega/LinhaRegistro.h"
#include "entrega/ValoresLinha.h"

class SaidaDeclaracao;
struct EstadoGravacao;

// One composer per record type of the beneficiary blocks, all over the file's one output. Every
// block composes its records with these calls, so that every value record follows one rule:
// written only when the sum of its amounts is above zero, each amount in whole cents, a zero
// amount an empty field. Records of a block's own shape are filled through Inicia and Grava.
class TCompositorRegistros {
 public:
  TCompositorRegistros(SaidaDeclaracao& saida, EstadoGravacao& estado) : m_saida(saida), m_estado(estado) {}

  // Starts a revenue code; the beneficiaries that follow are under it.
  void IDREC(const QString& codigo);
  // A person beneficiary ("BPFDEC", "BPFFCI", ...): CPF, name (apostrophe to blank), report
  // date (yyyymmdd or empty). Counted in QtdBeneficiariosPF. The value records that follow are
  // this beneficiary's (a refused text names it).
  void BeneficiarioPF(const char* identificador, const QString& base, const QString& nome, const QDate& dataLaudo);
  // A company beneficiary: CNPJ and name (apostrophe kept unless `apostrofoParaBranco`). Counted
  // in QtdBeneficiariosPJ.
  void BeneficiarioPJ(const char* identificador, const QString& base, const QString& nome,
                      bool apostrofoParaBranco = false);

  // A record of the block's own shape: fill the line it answers, then Grava(). `chave` names the
  // record in a refused text; the value records that follow are named by it too.
  LinhaRegistro& Inicia(const char* identificador, const QString& chave);
  void Grava();

  // A monthly value record of `meses` amounts (13, or 12 with an empty thirteenth field).
  // Answers whether it was written and the sum of its cents.
  bool Mensal(const char* identificador, const SerieArquivo& serie, int meses = 13, int64_t* somaCentavos = nullptr);
  // Twelve amounts in tenths (the stored value times 10, halves away from zero), written only when
  // their sum is above zero; the line ends with December's field.
  bool Decimos(const char* identificador, const SerieArquivo& serie);
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
  // Those of a fund's beneficiary, person or company: the declarant's list without RIVC and RIBMR,
  // the judicial group whenever the line has its judicial row.
  void ValoresFundo(const ValoresLinha& linha);
  // Those of a process's beneficiary, person or company: RTRT to RIMOG and the judicial group.
  void ValoresProcesso(const ValoresLinha& linha);

 private:

  SaidaDeclaracao& m_saida;
  EstadoGravacao& m_estado;
  LinhaRegistro m_linha;
  QString m_codigo;
  QString m_chave;
};
