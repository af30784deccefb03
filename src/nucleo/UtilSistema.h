#pragma once

#include <QString>
#include <QVariant>

// The program's home web page, opened from the help menu and the wizards.
inline const QString kSiteInternet = QStringLiteral("https://www.bvd.gov.br/tolv2014");

// Asks the desktop to open a web page or a document (a path or an address). False when it
// could not be asked.
bool AbreEndereco(const QString& endereco);
// Whether a program that opens web pages is installed; when one is and abre is true, opens the
// program's home web page with it (hourglass cursor meanwhile).
bool AbreSiteInternet(bool abre);

// The value unless it is the database's null, else the default.
inline QVariant ValorOuPadrao(const QVariant& valor, const QVariant& padrao) {
  return valor.isNull() ? padrao : valor;
}

// Does nothing: a callback for work that needs no progress report.
inline void ProcedimentoVazio() {}
