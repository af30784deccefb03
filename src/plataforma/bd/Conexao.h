#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace bd {

namespace interno {
struct NucleoConexao;
}
class Transacao;

// One attachment to a database file through the embedded engine, with the program's fixed
// login and UTF-8 texts. Move-only; the destructor disconnects, rolling back whatever its
// transactions left active. Repointing (another file) keeps the object: transactions and
// statements bound to it follow it, their handles released at the disconnection.
class Conexao {
 public:
  Conexao();
  explicit Conexao(const QString& arquivo);
  ~Conexao();
  Conexao(Conexao&&) noexcept;
  Conexao& operator=(Conexao&&) noexcept;
  Conexao(const Conexao&) = delete;
  Conexao& operator=(const Conexao&) = delete;

  const QString& arquivo() const;
  void defineArquivo(const QString& arquivo);  // only while disconnected
  void conecta();
  void desconecta();
  bool conectada() const;

  // Statements given only the connection work in this transaction (engine defaults).
  Transacao& transacaoPadrao();

  bool escritaForcada();  // the database's write mode
  int buffersPagina();    // pages of the cache in use for the database

  // Whether a connection of this process has the file attached.
  static bool arquivoEmUso(const QString& arquivo);
  // Runs `fecha` when the program ends (a return from main, exit), before the layer's own state
  // goes, the last registered first: owners of connections that live to the end close them there.
  static void fechaAoEncerrar(std::function<void()> fecha);
  // Copies a database file: written under a temporary name beside the target and renamed over
  // it once complete, so a failure leaves no partial file and destroys nothing. Refused while
  // either file is attached here. Raises ErroBanco with the reason.
  static void copiaArquivo(const QString& origem, const QString& destino);

  std::shared_ptr<interno::NucleoConexao> nucleo() const { return m; }

 private:
  std::shared_ptr<interno::NucleoConexao> m;
};

}  // namespace bd
