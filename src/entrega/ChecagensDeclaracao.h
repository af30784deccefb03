#pragma once

#include <QString>

#include "entrega/SecaoLiberada.h"

class TErros;
class TTolv;

// What a declaration holds in each section, read once before its checks (one statement): rows
// stored, whatever the header's indicators say.
struct FatosSecoes {
  bool LinhasProprias = false;  // lines of the declarant's own source
  bool RraDeclarante = false;
  bool RraJustica = false;
  bool AnexosFundo = false;
  bool AnexosProcesso = false;
  bool Remessas = false;
  bool PlanosSaude = false;

  // The declarant has beneficiaries of its own: lines or accumulated income it paid.
  bool BeneficiariosProprios() const { return LinhasProprias || RraDeclarante; }
  // Processes count with the court's accumulated income.
  bool Processos() const { return AnexosProcesso || RraJustica; }

  static FatosSecoes Le(TTolv& declaracao);
};

// The sections found clean so far; each is cleared by its first finding.
struct MarcadoresSecoes {
  bool RraDeclarante = true;
  bool RraJustica = true;
  bool PlanosSaude = true;
  bool FundosClubes = true;
  bool Justica = true;
  bool Remessas = true;
};

// The declarant's header: number, name, special-situation event, nature, year, event date, kind
// and special situation. Errors only.
void VerificaIdentificacao(TTolv& declaracao, TErros& erros);
// Indicators that disagree with what the sections hold (warnings).
void VerificaIndicadores(const TTolv& declaracao, const IndicadoresSecoes& indicadores, const FatosSecoes& fatos,
                         TErros& erros, MarcadoresSecoes& marcadores);
// The CPF of the person responsible before the CNPJ (company declarants).
void VerificaRespCnpj(TTolv& declaracao, TErros& erros);
// A declaration without beneficiaries of its own: allowed, warned or refused by its kind ("O" or
// "R") and what its other sections hold.
void VerificaSemBeneficiario(const QString& tipoDeclaracao, const IndicadoresSecoes& indicadores,
                             const FatosSecoes& fatos, const QString& fonte, TErros& erros);
