#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <cstdint>

// How the import reads the values of a declaration file's fields for storing them.
namespace ValoresImportacao {

// An amount in cents (digits only; empty is 0) as ten-thousandths, exactly. Throws
// std::invalid_argument for anything else: the analysis lets no such field through.
int64_t Valor(QStringView texto);
// A count of months in tenths ("125" is 12,5), as ten-thousandths.
int64_t Meses(QStringView texto);
// Eight digits, year, month and day; an invalid date when they are not one.
QDate Data(QStringView texto);
// A number as stored: its first nine characters for a person, twelve for a company.
inline QStringView Base(QStringView ni, bool pessoa) { return ni.left(pessoa ? 9 : 12); }

}  // namespace ValoresImportacao
