#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// The older fixed-width declaration layout, as far as the previous-years wizard reads it
// (positions from 1).

// The declarant record: "1" at 9, "TOLV" at 24-27 (any case), "1" or "2" at 33 and at 34.
struct DeclaranteAnterior {
  QString ano;               // 28-31, the calendar year
  uint8_t tipo = 0;          // 34: 1 a person, 2 a company
  QString ni;                // a person's CPF 13-23, a company's CNPJ 10-23
  QString nome;              // 43-102
  int natureza = -1;         // 35 when a digit
  bool depositario = false;  // 41 is "1"
  bool normal = true;        // 33 is "1"

  static std::optional<DeclaranteAnterior> Le(const QString& linha);
};

// What the wizard reads of an older file before its import: the declarant record, and a sample
// of its beneficiary records.
struct LeituraAnterior {
  enum class Situacao {
    Lida,           // the declarant record was found
    SemDeclarante,  // the file holds no declarant record of the layout
    NaoLida,        // the file could not be opened or read: nothing more is done, nor said
  };
  Situacao situacao = Situacao::NaoLida;
  std::optional<DeclaranteAnterior> declarante;
  // Positions 37-40 of the first line, four blanks when none.
  QString texto4 = QStringLiteral("    ");
  // Cells of the sample's rows (at most 19).
  std::vector<QStringList> amostra;
  // A line after the first could not be read for the sample.
  bool falhaAmostra = false;

  // A first line starting with "TOLV" is passed over; then lines are read until one has "1",
  // "2", "4" or "5" at position 9. Opening asks whether to try again.
  static LeituraAnterior Le(const QString& arquivo);
  // The sample: the first line's 37-40, then each later line of kind "2", "5" or "8".
  void LeAmostra(const QString& arquivo);
};
