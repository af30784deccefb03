#pragma once

#include <QHash>
#include <QString>

#include <cstdint>

#include "nucleo/TLinhasVerificacao.h"
#include "nucleo/TTolvItemGridValida.h"

class TErros;
class TTolv;
class TTolvItem;

// The pendency check of one beneficiary line: its beneficiary, revenue code, report date and
// monthly and annual amounts, each finding added to the list given (nothing raised, no row
// written). The declaration's verification runs it over its own lines and hands it to the fund
// and process walks for theirs. One object serves one declaration's verification: it asks the
// database at most once per CNPJ root whether a fund has it.
class TVerificacaoTolvItem {
 public:
  // The fields a finding leads to, by kind of line.
  struct Campos {
    uint8_t codigo, ni, nome, tributaveis, compensacao, subJudice, isentos, anualOutros, descricaoOutros;
  };
  static const Campos kCamposDeclarante;
  static const Campos kCamposFundo;
  static const Campos kCamposProcesso;
  static const Campos& CamposDe(const TTolvItem& linha);

  // The declaration outlives the object.
  explicit TVerificacaoTolvItem(TTolv& declaracao);

  // Every check of the line, the value rules last.
  void Verifica(TTolvItem& linha, TErros& erros);
  // The monthly and annual value rules.
  void VerificaValoresMensais(TTolvItem& linha, TErros& erros);

  // This object as the line check of a walk; it must outlive the walk.
  TLinhasVerificacao::VerificaLinha Funcao();

  // "Jan" to "Dez" and "13º" for months 1 to 13.
  static QString NomeMes(int mes);

 private:
  // A fund of the declaration has the CNPJ's root.
  bool RaizDeFundo(const QString& cnpj);

  TTolv* m_declaracao;
  TTolvItemGridValida m_grade;
  QHash<QString, bool> m_raizesFundo;
};
