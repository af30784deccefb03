#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

namespace compressao {

// How writing or extracting an archive ended (the codes the backup windows act on).
enum Resultado : int { Falhou = 0, Concluido = 1, Cancelado = 2 };

// Told the share of the work done, 0 to 100, each time it grows by a whole percent. It may let
// the window process its events and ask the work to stop; it must not raise.
using Progresso = std::function<void(int percentual)>;

// Writes ZIP archives that any archive tool opens: each listed file is one entry named by its
// base name, deflated at a fast level, read in blocks so that a file of any size streams through
// and a cancel takes effect between two blocks.
class Compressor {
 public:
  Compressor();
  ~Compressor();
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  // Adds a file to the list of the next archive. False, adding nothing, when it is not a regular
  // file that can be opened for reading, or a file of that base name (whatever its letter case)
  // is already listed.
  bool AdicionaArquivo(const QString& caminho);
  const QStringList& Arquivos() const;
  // The sum of the listed files' sizes.
  int64_t TamanhoTotal() const;
  void LimpaLista();

  // Writes the archive of the listed files at `arquivo`, replacing a file of that name only once
  // the archive is complete (on failure or cancel nothing is left there, and an older file of
  // that name stays as it was). Temporary files that an interrupted run left beside it go first.
  // The list is emptied whatever the result.
  Resultado Comprimir(const QString& arquivo, const Progresso& progresso = {});
  // Asks the running Comprimir to stop at the next block (from the progress callback).
  void CancelarCompressao();
  // Why the last Comprimir failed; empty after a success or a cancel.
  const QString& Erro() const;

  // The deflate level: the fastest, whose output is still a fraction of a database's size.
  static constexpr int kNivel = 1;

 private:
  struct Impl;
  std::unique_ptr<Impl> m;
};

}  // namespace compressao
