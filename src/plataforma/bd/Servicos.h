#pragma once

#include <QString>
#include <QStringList>

#include "plataforma/bd/ExecucaoServico.h"

namespace bd {

// The engine's service manager, for the database settings that only it changes.
class Servicos {
 public:
  // Forced (synchronous) writes on or off. Raises ErroBanco.
  static void defineEscritaForcada(const QString& arquivo, bool ligada);
  // Pages of cache the database asks for when opened (0: the engine's default).
  static void defineBuffersPagina(const QString& arquivo, int paginas);

  // Whether the file's first page is the header of a database of this engine with a cache it
  // can set up: empty when it is, else why not. Read without attaching, so a file that would keep
  // the engine busy for good is told at once.
  static QString confereCabecalho(const QString& arquivo);
  // Far beyond any cache this program asks for (500 pages).
  static constexpr int kMaximoBuffers = 131072;

  // The tools that check and rebuild a database file, each a child process not started yet
  // (ExecucaoServico::inicia), stopped and failed when they run past a limit that grows with the
  // file's size. None of them may find the file attached by this process.
  static constexpr int kLimiteMinimo = 600;  // seconds
  static constexpr int kLimitePorMB = 2;
  //
  // Mends the database in place: corrupt records and pages are released so that a backup can
  // read past them; checksum errors are ignored.
  static ExecucaoServico consertaBanco(const QString& arquivo);
  // Validates the record and page structures in full, ignoring checksum errors; changes nothing.
  static ExecucaoServico validaBanco(const QString& arquivo);
  // Backs the database up into `copia` (replaced when present), telling each object.
  static ExecucaoServico copiaBanco(const QString& arquivo, const QString& copia);
  // Restores `copia` into a new database `destino` (replaced when present) that asks for
  // `buffers` pages of cache, telling each object.
  static ExecucaoServico restauraBanco(const QString& copia, const QString& destino, int buffers);
  // What a validation or a mending reported of its output: its summary of errors and warnings,
  // one line per kind with its count; empty when it found the database sound.
  static QStringList achadosValidacao(const QStringList& saida);
};

}  // namespace bd
