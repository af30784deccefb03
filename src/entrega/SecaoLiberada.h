#pragma once

#include <QString>

class TTolv;

// The sections of a declaration that an indicator of its header lets in. The verification checks
// such a section, and the declaration file carries it, only while its indicator is on; both ask
// SecaoLiberada, so that no record reaches the file that the verification did not see.
enum class SecaoIndicada {
  FundosClubes,  // fund and club annexes: IN_ADM_FC
  Processos,     // judicial-process annexes: IN_ADVOGADO
  RraJustica,    // income received cumulatively by court order: IN_ADVOGADO
  PlanosSaude,   // collective health plans: IN_PLANOSAUDE
  Remessas,      // payments to residents abroad: IN_REMESSA
};

// The header's indicators as the declaration object holds them (on or off).
struct IndicadoresSecoes {
  bool AdmFc = false;
  bool Advogado = false;
  bool PlanoSaude = false;
  bool Remessa = false;

  static IndicadoresSecoes De(const TTolv& declaracao);
  // From the stored columns, as the declaration object reads them: a numeric indicator is on when
  // it is not 0, IN_REMESSA when it is not "N" (pass a null one as "N").
  static IndicadoresSecoes DasColunas(int inAdmFc, int inAdvogado, int inPlanoSaude, const QString& inRemessa);
};

// Whether the section is checked and written under these indicators.
bool SecaoLiberada(SecaoIndicada secao, const IndicadoresSecoes& indicadores);

// The section's title, as the verification lists it.
QString NomeSecaoIndicada(SecaoIndicada secao);
// The indicator that lets the section in, as the identification page names it.
QString NomeIndicadorSecao(SecaoIndicada secao);
