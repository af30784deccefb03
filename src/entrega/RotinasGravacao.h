#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>

// The small rules every record of the declaration file follows.

// A CPF base left-padded with "0" to nine digits, then its check digits; a base that is still
// not nine digits is written unchanged (an empty one gives "00000000000").
QString GeraCPF(const QString& base);
// A CNPJ base followed by its check digits; a base that is not twelve digits stays unchanged.
QString GeraCNPJ(const QString& base);
// Replaces `antigo` by `novo` until no `antigo` is left.
QString Substituistring(QString texto, const QString& antigo, const QString& novo);
// The text followed by blanks up to the length; a longer text is returned unchanged.
QString CompletaBrancos(const QString& texto, int tamanho);
// A revenue code's sub judice column: true exactly for "T".
bool testapoderjudicial(const QString& flag);

// An amount in ten-thousandths of a real as whole cents, halves away from zero.
int64_t CentavosDe(int64_t dezMilesimos);
// An amount in ten-thousandths as whole tenths, halves away from zero.
int64_t DecimosDe(int64_t dezMilesimos);
// Appends the whole number in decimal (a zero included).
void AcrescentaInteiro(QByteArray& destino, int64_t numero);
// A free text of a record whose whole line is normalised at once: NormalizaTextoArquivo without
// the trimming, which only touches the ends of the line.
QString NormalizaCampoLinha(QStringView texto, bool apostrofoParaBranco);
// The database's empty date: none at all, or 30/12/1899.
bool DataVazia(const QDate& data);
