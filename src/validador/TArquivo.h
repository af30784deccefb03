#pragma once

#include <QString>

#include <cstdint>

#include "validador/LeitorLinhas.h"
#include "validador/TPrimitivo.h"

// The file element: the declaration text file read line by line, with the file's own rule (the
// first line must be a header). The analysis reader and the import reader derive from it.
class TArquivo : public TPrimitivo {
 public:
  TArquivo(TArquivoDados& dados, const TabelaRegras& tabela);

  // Opens the file and starts the progress with its size. A missing file opens nothing and
  // answers true (the first read then finds no line); a file that cannot be opened asks whether
  // to try again, and answers false when the user gives up.
  bool Abre(const QString& nome);
  // End of file; a read error is told ("Erro de acesso ao arquivo.") and ends it.
  bool Fim();
  void Fecha();
  bool Aberto() const { return m_leitor.Aberto(); }

  // -1 when the file cannot be found.
  static int64_t TamanhoArquivo(const QString& nome);
  // The file's first line, empty when the file does not exist; a read error asks whether to try
  // again.
  static void LePrimeiraLinha(const QString& nome, QString& texto);

 protected:
  // The next line into the text; false at the end, or on a read error, which is told ("erro").
  bool LeTexto(QString& texto, int64_t& bytes);

  LeitorLinhas m_leitor;
};
