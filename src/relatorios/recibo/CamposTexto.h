#pragma once

#include <QByteArrayView>
#include <QString>

// Reading the fields of the declaration and receipt files, which are Windows-1252 bytes.
namespace CamposTexto {

QString Texto(QByteArrayView bytes);
// Digits only, and at least one.
bool SoDigitos(QByteArrayView bytes);
// yyyymmdd as dd/mm/yyyy; empty for anything that is not a date.
QString Data(QByteArrayView aaaammdd);
// Positions from 1, cut at the end of the line (empty beyond it).
QByteArrayView Trecho(QByteArrayView linha, qsizetype inicio, qsizetype tamanho);

}  // namespace CamposTexto
