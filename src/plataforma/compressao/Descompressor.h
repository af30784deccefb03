#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "plataforma/compressao/Compressor.h"

namespace compressao {

// One file of an archive as its central directory describes it.
struct Entrada {
  QString nome;
  int64_t tamanho = 0;  // uncompressed
  uint32_t crc = 0;
};

// Reads the ZIP archives that Compressor writes (and any plain ZIP archive of files). Nothing
// named by an archive is trusted: an archive is refused whole, before anything is written, when
// an entry's name is not a bare file name (a folder part, "..", a drive, a control character),
// two entries share a name whatever its letter case, an entry is encrypted or the destination's
// free space cannot hold what the archive declares. Entries stream to disk in blocks, each
// checked against its size and CRC-32; a cancel takes effect between blocks.
class Descompressor {
 public:
  Descompressor();
  ~Descompressor();
  Descompressor(const Descompressor&) = delete;
  Descompressor& operator=(const Descompressor&) = delete;

  // Reads the archive's list of entries; false, with Erro(), when it is not a readable ZIP
  // archive or one of its names is refused.
  bool Le(const QString& arquivo);
  const std::vector<Entrada>& Entradas() const;

  // Extracts every entry into `pasta` (which must exist) under its own name. A file of that name
  // already there is a failure. On failure or cancel the files this call wrote are removed.
  Resultado Descomprimir(const QString& arquivo, const QString& pasta, const Progresso& progresso = {});
  // Asks the running Descomprimir to stop at the next block (from the progress callback).
  void Cancela();
  const QString& Erro() const;
  // The paths written by the last successful Descomprimir.
  const QStringList& Extraidos() const;

  // Where the free space of a folder comes from (the file system's by default; tests give their
  // own). Empty restores the default.
  using EspacoLivre = std::function<int64_t(const QString& pasta)>;
  static void DefineEspacoLivre(EspacoLivre espaco);

  // Whether a name read from an archive may become a file name: a bare name, without separators,
  // "..", ':' or control characters.
  static bool NomeSeguro(const QString& nome);

 private:
  struct Impl;
  std::unique_ptr<Impl> m;
};

}  // namespace compressao
