#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include "plataforma/bd/Dado.h"

// The filter of the declaration lists of the initial, open and delete dialogs: the texts of the
// three boxes (number, name, calendar year) turned into conditions with parameters, the rule that
// leaves the list as it is while the check digits of a complete number are typed, and the keys
// that the number and year boxes take.
namespace FiltroDeclaracoes {

// The texts typed into the boxes edtCPFCNPJ, edtNome and edtAnoCalendario.
struct Caixas {
  QString numero;
  QString nome;
  QString ano;
};

// A list's statement: the conditions (empty: every row) and their parameters, in order.
struct Clausula {
  QStringList condicoes;
  QStringList parametros;
  QList<bd::Dado> valores;

  bool operator==(const Clausula& outra) const = default;
  // "where A AND B" or empty.
  QString Where() const;
};

// The last calendar year the program declares: the open lists stop there.
inline const QString kAnoMaximo = QStringLiteral("2014");

// Each non-empty box, in the order number, name, year, adds a prefix condition; the name is
// compared upper-cased on both sides. limiteAno puts "calendar year up to kAnoMaximo" first.
// A typed text is always a parameter: no character of it is ever part of the statement.
Clausula Monta(const Caixas& caixas, bool limiteAno);

// The list's statement with the clause: the index rows of TOLVS in the order of kind and
// number, then year (so that the order never changes between two reads).
QString Sql(const Clausula& clausula);

// True only while the number box has the focus and the typed text is a complete CPF (10 or 11
// characters) or CNPJ (13 or 14) whose 10th/13th character is the first, or whose 11th/14th is
// the second, check digit of its first 9/12 characters: the list stays on the base the
// index holds.
bool DigitoVerificadorConfere(const QString& texto, bool focoNoNumero);

// The characters the number and year boxes take: digits and the control characters of copy (3),
// backspace (8), tab (9), Enter (13), paste (22), cut (24) and Esc (27).
bool TeclaPermitida(QChar caractere);

}  // namespace FiltroDeclaracoes
