#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

#include "plataforma/bd/Campo.h"
#include "plataforma/bd/Dado.h"

namespace bd {

class Conexao;
class Transacao;
namespace interno {
struct NucleoTransacao;
}

// A statement with :NAME parameters (one name may appear several times; '?' is positional)
// and, for a SELECT, its rows. Sequencial streams the rows forward only; Cache keeps every row
// read so that it moves both ways, locates rows and edits them in memory only. Prepared once,
// executed many times; the parameters keep their values between executions. The transaction
// starts by itself when a statement needs it. A commit or rollback of the transaction (not the
// retaining ones) closes the query. Move-only.
class Consulta {
 public:
  enum class Modo { Sequencial, Cache };

  explicit Consulta(Modo modo = Modo::Sequencial);
  Consulta(Transacao& transacao, const QString& sql, Modo modo = Modo::Sequencial);
  // On the connection's default transaction.
  Consulta(Conexao& conexao, const QString& sql, Modo modo = Modo::Sequencial);
  ~Consulta();
  Consulta(Consulta&&) noexcept;
  Consulta& operator=(Consulta&&) noexcept;
  Consulta(const Consulta&) = delete;
  Consulta& operator=(const Consulta&) = delete;

  void defineTransacao(Transacao* transacao);
  bool usaTransacao(const Transacao& transacao) const;
  bool temTransacao() const;
  void defineTransacao(std::shared_ptr<interno::NucleoTransacao> transacao);
  std::shared_ptr<interno::NucleoTransacao> nucleoTransacao() const;
  void defineSql(const QString& sql);  // closes, forgets the preparation and the parameters
  const QString& sql() const;
  void defineModo(Modo modo);  // closes
  Modo modo() const;
  // Off for texts whose ':' are not parameters (procedure bodies).
  void defineVerificaParametros(bool verifica);

  void prepara();
  bool preparada() const;
  void desprepara();

  QStringList nomesParametros() const;  // distinct, in order of appearance
  int quantidadeParametros() const;     // positions
  bool temParametro(const QString& nome) const;
  void param(const QString& nome, const Dado& valor);  // raises when the name is not there
  void param(int posicao, const Dado& valor);          // 1-based
  Dado valorParametro(const QString& nome) const;
  Dado valorParametro(int posicao) const;  // 1-based
  void limpaParametros();

  // Runs a statement that returns no rows (or one row of outputs, readable through campo()).
  void executa();
  uint64_t linhasAfetadas();

  void abre();  // nothing when already open
  void fecha();
  bool aberta() const;

  bool bof() const;
  bool eof() const;
  bool vazia() const;
  void primeiro();  // a forward-only query runs again
  void anterior();  // Cache only
  void proximo();
  void ultimo();    // Cache only
  void buscaTodas();
  int quantidade();  // Cache: every row; Sequencial: rows read so far
  int posicao() const;  // 1-based, 0 without a current row

  // Locates from the first row; on success the row becomes current. Fields separated by ';'.
  bool localiza(const QString& campos, const QList<Dado>& valores, OpcoesLocaliza opcoes = {});

  int quantidadeCampos() const;
  QString nomeCampo(int posicao) const;  // 1-based
  bool temCampo(const QString& nome) const;
  int indiceCampo(const QString& nome) const;  // 1-based, 0 when absent
  Campo campo(const QString& nome) const;  // raises when the name is not there
  Campo campo(int posicao) const;          // 1-based
  // `quantidade` columns of the current row from `primeira` (1-based), as ten-thousandths, straight
  // into `destino` (a row of amounts read at once); null reads 0. Raises as campo() would.
  void dezMilesimos(int primeira, int quantidade, int64_t* destino) const;
  // Changes whenever the statement is prepared again (0 while it is not): places found by name
  // stay right while it stays the same.
  uint64_t preparo() const;

  // Cache only, in memory: a new empty row at the end, made current; the current row removed.
  void acrescenta();
  void exclui();

  struct Nucleo;

 private:
  std::unique_ptr<Nucleo> m;
};

}  // namespace bd
