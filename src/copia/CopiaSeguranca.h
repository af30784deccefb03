#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

#include "plataforma/compressao/Compressor.h"

// The work of a backup, apart from its windows: which database files go into the archive, and
// the writing of the archive in place of an older one.
namespace CopiaSeguranca {

// The files of one archive.
struct Lista {
  QStringList arquivos;      // full paths, in the archive's order
  int64_t tamanhoTotal = 0;  // each file counted by its whole 128-byte blocks
  QString falha;             // why the list could not be made (names the file); empty when it was
  bool valida() const { return falha.isEmpty() && !arquivos.isEmpty(); }
};

// The whole database: the index, then every declaration database the index lists, in the
// index's order. A database that cannot be read, or a name in the index that is not a
// declaration database's, fails the list.
Lista ListaBase();
// One declaration's database, from its stored number (without check digits) and year.
Lista ListaDeclaracao(const QString& numeroBase, const QString& ano);

// Detaches the program's shared connections from the database files, so that each file read is
// whole and nothing writes to it meanwhile; the collections attach again when they need to.
void LiberaConexoes();
// The same for the open declaration's connection alone.
void LiberaBancoDeclaracao();

struct Resultado {
  compressao::Resultado codigo = compressao::Falhou;
  QString mensagem;  // why it failed; empty after a success or a cancel
};

// Writes the archive of the listed files: first under destino + ".tmp", then one checked rename
// over `destino`. On failure or cancel the ".tmp" file is gone and an older archive stays as it
// was. The compressor is the caller's so that its cancel can be reached from the progress.
Resultado Grava(const Lista& lista, const QString& destino, compressao::Compressor& compressor,
                const compressao::Progresso& progresso);

}  // namespace CopiaSeguranca
