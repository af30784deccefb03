#pragma once

class ContextoGravacao;

// One block of the declaration file between the declarant's records and the trailer (the
// declarant's beneficiaries, the fund and process annexes, the supplementary sections). The
// writer runs the blocks of BlocosDoArquivo() in that order, each only while the writing has
// not been cancelled. A block reads its rows forward only through the context's transaction,
// composes its records with the context's composers and polls the cancel at every row.
// Failures are exceptions: they end the writing.
class IBlocoArquivo {
 public:
  virtual ~IBlocoArquivo() = default;
  // Before anything of the file is written: refuses (ErroGravacao) a section whose stored data
  // the declaration's indicators keep out of the verification, so that nothing is written
  // unchecked and nothing stored is left out without a word.
  virtual void Confere(ContextoGravacao& /*contexto*/) {}
  virtual void Gera(ContextoGravacao& contexto) = 0;
};
