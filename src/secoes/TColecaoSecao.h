#pragma once

#include <QString>

#include <map>
#include <memory>

#include "nucleo/TColecao.h"
#include "plataforma/bd/Transacao.h"

// The base of the data-access objects of the supplementary sections: a transaction of its own
// ("read_committed", "rec_version", "nowait": a read never sees a stale snapshot and a write never
// waits on another transaction of this same program) on the open declaration's connection, which
// it neither moves nor reopens. Statements are prepared once per object and run many times.
//
// Work that could not run (the index marked unusable, a failure flag set) is never answered as if
// it had been done: writes raise EColecaoError 96 ("not saved") and reads 97, both with the table.
// A failure of the engine is fatal, as for every collection. Its user ends a use with Confirma;
// what is pending when the object goes is rolled back.
class TColecaoSecao : public TColecao {
 public:
  ~TColecaoSecao() override;
  // Commits the object's transaction.
  void Confirma() override;

 protected:
  // Needs an open declaration: raises std::logic_error otherwise.
  explicit TColecaoSecao(const QString& tabela);

  void AbreConsulta(bd::Consulta& consulta) override;

  // The object's statements, prepared on first use.
  bd::Procedimento& Procedimento(const QString& nome);
  bd::Consulta& Comando(const QString& sql);

  // A write: commits what is pending, runs the procedure, commits.
  void Grava(bd::Procedimento& procedimento);
  // A deletion: as a write, but an engine failure reaches the caller as bd::ErroBanco.
  void GravaExclusao(bd::Procedimento& procedimento);
  // A question: runs in the transaction as it stands.
  void Pergunta(bd::Procedimento& procedimento);
  // Opens a list or a count in the transaction as it stands.
  void Abre(bd::Consulta& consulta);

  bool PodeExecutar() const { return !FalhaBanco && !FalhaBancoIndice; }
  [[noreturn]] void NaoGravado() const;
  [[noreturn]] void NaoLido() const;

  static bd::Dado TextoOuNulo(const QString& texto);

 private:
  bd::Transacao m_transacao;
  QString m_tabela;
  std::map<QString, std::unique_ptr<bd::Procedimento>> m_procedimentos;
  std::map<QString, std::unique_ptr<bd::Consulta>> m_consultas;
};
