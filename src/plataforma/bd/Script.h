#pragma once

#include <QString>

namespace bd {

class Transacao;

// Runs a script of several statements in a transaction: ';' ends each statement, SET TERM
// chooses another terminator for procedure bodies, COMMIT and ROLLBACK end the transaction,
// the isql settings (SET SQL DIALECT, SET NAMES, ...) are skipped. Definitions are committed
// (retaining) as they go, so the next statements see them. Nothing is committed at the end:
// the caller commits. Raises ErroBanco at the first failing statement.
class Script {
 public:
  explicit Script(Transacao& transacao) : m_transacao(transacao) {}
  void executa(const QString& texto);

 private:
  Transacao& m_transacao;
};

}  // namespace bd
