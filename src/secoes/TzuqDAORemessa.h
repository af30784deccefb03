#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "nucleo/TColecao.h"

namespace bd {
class Consulta;
class Procedimento;
class Transacao;
}  // namespace bd

// Base of the data-access objects of the payments abroad: a transaction of its own
// ("read_committed", "rec_version", "nowait") on the shared connection of the open declaration's
// database, and the collections' failure policy (a failing statement or commit is a fatal
// EFalhaBanco). Without an open declaration the object is not connected: its reads find nothing
// and its writes do nothing. Its user ends a use with Confirma; whatever is still pending when it
// is destroyed is rolled back.
//
// Objects that write beneficiaries and their lines together in batch use share one transaction
// (the constructor that takes another object): a line then sees its beneficiary before either is
// committed. The shared transaction belongs to the first object, which must outlive the others.
class TzuqDAORemessa : public TColecao {
 public:
  ~TzuqDAORemessa() override;
  bool Conectado() const { return m_conectado; }
  // Commits the transaction (the shared one, for an object on another's).
  void Confirma() override;

  // Batch use (the import): the saves are committed together every kIntervaloConfirmacao saves
  // and at Confirma, instead of one by one.
  static constexpr int kIntervaloConfirmacao = 50000;

 protected:
  TzuqDAORemessa();
  // On the transaction of `dono`.
  explicit TzuqDAORemessa(TzuqDAORemessa& dono);
  void AbreConsulta(bd::Consulta&) override {}

  bd::Transacao& Transacao() { return *m_transacao; }
  // A procedure of the object's transaction, prepared on first use.
  bd::Procedimento& Procedimento(std::unique_ptr<bd::Procedimento>& guardado, const QString& nome);
  // Opens the query on the object's transaction, calls `linha` on every row and closes it.
  void Percorre(bd::Consulta& consulta, const std::function<void(bd::Consulta&)>& linha);
  // The integer output of a procedure without inputs (a count, a key); 0 when not run.
  int SaidaInteira(std::unique_ptr<bd::Procedimento>& guardado, const QString& nome, const QString& saida);
  // After a save that the caller commits keeping the transaction: at once, or in batch use at
  // every kIntervaloConfirmacao saves.
  void ConfirmaGravacao();

 private:
  void Conecta();

  std::unique_ptr<bd::Transacao> m_transacaoPropria;
  bd::Transacao* m_transacao;
  bool m_conectado = false;
  int m_gravacoes = 0;
};
