#pragma once

#include <QStringList>

#include <memory>

namespace bd {

class Conexao;
namespace interno {
struct NucleoTransacao;
}

// A transaction built from the parameter names the program uses ("read_committed",
// "rec_version", "nowait", "concurrency", "wait", "read", "write", "lock_timeout=5", ...);
// none means the engine's default. It may exist before its connection is chosen. Move-only;
// the destructor rolls back an active transaction: commit is always written out.
class Transacao {
 public:
  explicit Transacao(const QStringList& parametros = {});
  explicit Transacao(Conexao& conexao, const QStringList& parametros = {});
  ~Transacao();
  Transacao(Transacao&&) noexcept;
  Transacao& operator=(Transacao&&) noexcept;
  Transacao(const Transacao&) = delete;
  Transacao& operator=(const Transacao&) = delete;

  void defineConexao(Conexao* conexao);  // refused while active
  bool temConexao() const;
  bool vinculadaA(const Conexao& conexao) const;
  const QStringList& parametros() const;
  void defineParametros(const QStringList& parametros);  // takes effect at the next start

  bool ativa() const;
  // A statement that may change data (a command, a procedure, a script) ran since the last commit
  // or rollback: what a rollback would undo.
  bool pendente() const;
  void inicia();
  void commit();          // closes the cursors of its statements
  // The first phase of a commit that must go with another database's: what can refuse the commit
  // runs now and the cursors close; afterwards only commit or rollback.
  void prepara();
  void commitRetendo();   // keeps the context and the cursors
  void rollback();
  void rollbackRetendo();

  // For holders that may outlive this object: the pointer it yields is null once it is gone.
  std::weak_ptr<Transacao* const> referencia() const { return m_eu; }

  std::shared_ptr<interno::NucleoTransacao> nucleo() const { return m; }

 private:
  std::shared_ptr<interno::NucleoTransacao> m;
  std::shared_ptr<Transacao*> m_eu;  // points back here; cleared when this object goes
};

}  // namespace bd
