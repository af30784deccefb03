#pragma once

#include <QString>
#include <QStringList>

// The declarations' database files in the data folder DADOS.
namespace ArquivosDeclaracao {

// Whether a file name has the form of a declaration's database: "TOLV2014", at least fifteen
// characters, ".FDB", in any letter case; never the index (Tolv.FDB) or the template
// (TOLV2014PD.FDB).
bool EhBancoDeclaracao(const QString& nome);
// The declaration databases of the data folder, in name order.
QStringList Lista();
// Moves DADOS/<arquivo> aside, inside DADOS, under a name that no declaration database takes,
// and answers that name; empty when there was no file. The file must not be attached: a file in
// use or a failed rename raises EColecaoError 95.
QString PoeDeLado(const QString& arquivo);
// Deletes the file, checked: false when it is still there.
bool Exclui(const QString& caminho);

}  // namespace ArquivosDeclaracao
