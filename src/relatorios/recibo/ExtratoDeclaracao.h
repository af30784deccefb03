#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

#include "nucleo/Valor.h"

class LinhasArquivo;

// What the delivery receipt prints of the declaration file: its header, the person responsible,
// counts and totals, and the funds. Read from the records up to the trailer.
class ExtratoDeclaracao {
 public:
  // The totals, in the order of the receipt's rows. Records with a funds total add to it in the
  // funds context; every other record adds to the declarant's, whatever the context.
  enum Total {
    Tributaveis,                 // RTRT
    PrevidenciaOficial,          // RTPO
    PrevidenciaPrivada,          // RTPP
    Dependentes,                 // RTDP
    PensaoAlimenticia,           // RTPA
    ImpostoRetido,               // RTIRF
    Isentos,                     // RIDAC RIIRP RIAP RIMOG RIVC RIBMR RIP65, RIO RIPTS RIL96
    DespesasAcaoJudicial,        // DAJUD
    CompensacaoAnoCalendario,    // CJAC
    CompensacaoAnosAnteriores,   // CJAA
    TributaveisSuspensos,        // ESRT
    PrevidenciaOficialSuspensa,  // ESPO
    PrevidenciaPrivadaSuspensa,  // ESPP
    DependentesSuspensos,        // ESDP
    PensaoSuspensa,              // ESPA
    ImpostoSuspenso,             // ESIR
    DepositoJudicial,            // ESDJ
    PlanoTitulares,              // TPSE
    PlanoDependentes,            // DTPSE
    ExteriorRendimentos,         // VRPDE
    ExteriorImposto,             // VRPDE
    FundosTributaveis,
    FundosImpostoRetido,
    FundosCompensacaoAnoCalendario,
    FundosCompensacaoAnosAnteriores,
    FundosTributaveisSuspensos,
    FundosImpostoSuspenso,
    FundosDepositoJudicial,
    kTotais
  };
  enum Contagem {
    BeneficiariosPF,        // BPFDEC BPFRRA BPFPROC, BRPDE of kind 1
    BeneficiariosPJ,        // BPJDEC BPJPROC, BRPDE of kind 2
    BeneficiariosPFFundos,  // BPFFCI
    BeneficiariosPJFundos,  // BPJFCI
    TitularesPlano,         // TPSE
    DependentesPlano,       // DTPSE
    kContagens
  };
  static constexpr int kFundosPorLinha = 5;

  // Header (TOLV): years as written.
  QString AnoEntrega;
  QString AnoCalendario;
  bool Retificadora = false;
  // The calendar year, plus one unless the declaration is a special situation's (filing year
  // equal to the calendar year); empty when the calendar year is not a number.
  QString Exercicio;
  bool SituacaoEspecial = false;

  // Declarant (DECPF or DECPJ).
  QString NiDeclarante;  // as written: 11 or 14 digits
  bool PessoaJuridica = false;
  QString NomeDeclarante;
  QString Natureza;       // one character (companies)
  QString DataEvento;     // dd/mm/yyyy, when the situation indicator is "S"
  QString TipoEvento;     // one character (persons)

  // The third line of the file, the declarant record, as the receipt is checked against it.
  QString NiTerceiraLinha;
  QString NomeTerceiraLinha;

  // The person responsible (RESPO).
  QString CpfResponsavel;  // formatted 999.999.999-99
  QString NomeResponsavel;
  QString DddResponsavel;
  QString FoneResponsavel;
  QString RamalResponsavel;
  QString FaxResponsavel;
  QString EmailResponsavel;

  std::array<int64_t, kContagens> Contagens{};
  std::array<Valor, kTotais> Totais{};
  // Distinct fund CNPJs formatted 99.999.999/9999-99, five to a row; no row is empty.
  std::vector<std::array<QString, kFundosPorLinha>> Fundos;

  // False when a record held an amount that is not a number of cents: the totals cannot be told.
  bool Legivel = true;

  int64_t Contador(Contagem c) const { return Contagens[size_t(c)]; }
  Valor Soma(Total t) const { return Totais[size_t(t)]; }

  // Reads the records from the first line until the trailer FIMTOLV or the end.
  static ExtratoDeclaracao Preenche(LinhasArquivo& linhas);
};
