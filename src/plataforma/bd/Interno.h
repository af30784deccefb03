#pragma once

// Firebird-facing internals of the database layer. Included only by the layer's sources,
// never by a public header.

#include <firebird/Interface.h>

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Dado.h"

namespace bd {
class Transacao;
}

namespace bd::interno {

Firebird::IMaster* mestre();
Firebird::IUtil* util();
Firebird::IProvider* provedor();

// The engine puts in handlers of its own for SIGINT and SIGTERM at its first attachment, even a
// failed one, and shuts itself down on them unless the program declines (the provider registers
// the refusal while PedidoTermino is installed). Around each attachment: the program's handlers,
// when installed, take over again once the attachment is done, so that its signals reach them
// first.
class RetomaSinais {
 public:
  RetomaSinais() = default;
  ~RetomaSinais();
  RetomaSinais(const RetomaSinais&) = delete;
  RetomaSinais& operator=(const RetomaSinais&) = delete;
};

// A status for one call; engine failures come out as Firebird::FbException.
class Status {
 public:
  Status();
  Firebird::ThrowStatusWrapper* get() { return &m_st; }

 private:
  Firebird::ThrowStatusWrapper m_st;
};

// For releases in destructors: failures are ignored.
class StatusSilencioso {
 public:
  StatusSilencioso();
  ~StatusSilencioso() { m_st.dispose(); }
  StatusSilencioso(const StatusSilencioso&) = delete;
  StatusSilencioso& operator=(const StatusSilencioso&) = delete;
  Firebird::CheckStatusWrapper* get() { return &m_st; }
  bool falhou() const { return m_st.getState() & Firebird::IStatus::STATE_ERRORS; }

 private:
  Firebird::CheckStatusWrapper m_st;
};

ErroBanco erroDe(const Firebird::FbException& e);
ErroBanco erroDe(const intptr_t* vetor);

// Runs f and turns an engine failure into ErroBanco.
template <class F>
auto protegido(F&& f) -> decltype(f()) {
  try {
    return f();
  } catch (const Firebird::FbException& e) {
    throw erroDe(e);
  }
}

// One column of a message (a field of a row or a parameter).
struct Descritor {
  unsigned tipo = 0;  // SQL_* without the null bit
  int subtipo = 0;
  int escala = 0;
  unsigned tamanho = 0;
  unsigned charset = 0;
  unsigned deslocamento = 0;
  unsigned deslocamentoNulo = 0;
  QString nome;  // alias as the engine reports it
};

std::vector<Descritor> descreve(Firebird::IMessageMetadata* md);

struct ContextoBlob {
  Firebird::IAttachment* att = nullptr;
  Firebird::ITransaction* tra = nullptr;
};

// Who receives a value; named only when a failure has to say it.
struct Quem {
  const QString* nome = nullptr;  // the parameter's or field's name; may be empty
  int posicao = 0;                // 1-based position of a parameter without a name
  bool campo = false;
  QString texto() const;
};

bool nulo(const Descritor& d, const unsigned char* linha);
void codifica(const Descritor& d, unsigned char* linha, const Dado& v, const ContextoBlob& ctx,
              const Quem& quem);
// A text into a text column of a message, in the column's character set; too long raises.
void codificaTexto(const Descritor& d, unsigned char* linha, QStringView texto, const Quem& quem);
Dado decodifica(const Descritor& d, const unsigned char* linha, const ContextoBlob& ctx);
// Straight from the row, without a Dado on the way: an exact number of an integer kind as
// ten-thousandths or as an integer (null reads 0), a text column as its text (null reads empty).
// Nothing for the kinds (or scales) that take the general road.
std::optional<int64_t> dezMilesimosDireto(const Descritor& d, const unsigned char* linha);
std::optional<int64_t> inteiroDireto(const Descritor& d, const unsigned char* linha);
std::optional<QString> textoDireto(const Descritor& d, const unsigned char* linha);
// The bytes of a text column as stored (a CHAR without its trailing blanks; null reads empty);
// nothing for the other kinds. They live as long as the row.
std::optional<QByteArrayView> bytesDeTexto(const Descritor& d, const unsigned char* linha);
void anula(const std::vector<Descritor>& ds, unsigned char* linha);

// What a field handle reads: the descriptors and the current row of a query.
class FonteCampos {
 public:
  virtual ~FonteCampos() = default;
  virtual const Descritor& descritor(int indice) const = 0;
  virtual const unsigned char* linha() const = 0;  // nullptr when there is no current row
  virtual unsigned char* linhaEditavel() const = 0;  // raises when the row cannot be edited
  virtual ContextoBlob contextoBlob() const = 0;
};

struct NucleoTransacao;

// Statements hear of the end of their transaction (cursors close) and of the disconnection
// of their connection (every handle goes).
class Dependente {
 public:
  virtual ~Dependente() = default;
  virtual void fimTransacao(NucleoTransacao* t) noexcept = 0;
  virtual void desconexao() noexcept = 0;
};

struct NucleoConexao {
  Firebird::IAttachment* att = nullptr;
  QString arquivo;
  uint64_t geracao = 0;  // one more at each connection
  std::vector<NucleoTransacao*> transacoes;
  std::vector<Dependente*> dependentes;
  QHash<QString, QStringList> entradasProcedimentos;  // input names of each procedure, in order
  std::unique_ptr<bd::Transacao> padrao;

  ~NucleoConexao();
  void conecta();
  void desconecta();  // rolls back what is active, releases every handle, detaches
  void exigeConectada() const;
};

struct NucleoTransacao {
  std::shared_ptr<NucleoConexao> conexao;
  Firebird::ITransaction* tra = nullptr;
  QByteArray tpb;  // empty: the engine's default (concurrency, wait, write)
  QStringList parametros;
  bool alterada = false;  // a statement that may change data ran since the last commit or rollback

  ~NucleoTransacao();
  void vincula(std::shared_ptr<NucleoConexao> c);
  bool ativa() const { return tra != nullptr; }
  void inicia();
  void garanteAtiva() {
    if (!tra) inicia();
  }
  void commit();
  void prepara();
  void commitRetendo();
  void rollback();
  void rollbackRetendo();
  void descarta() noexcept;  // rollback without failing (destructors, disconnection)
  void avisaFim() noexcept;
};

// Frees a prepared statement with its metadata and takes its owner off the connection's list;
// failures are ignored (destructors, disconnection).
void liberaComando(Firebird::IStatement*& stmt, Firebird::IMessageMetadata*& entrada,
                   Firebird::IMessageMetadata*& saida, std::shared_ptr<NucleoConexao>& conexao, Dependente* dono) noexcept;

QByteArray montaTpb(const QStringList& parametros);

// The input names of a stored procedure (the name in capitals), in order: read from the database
// once per connection and kept in it.
QStringList entradasProcedimento(const std::shared_ptr<NucleoTransacao>& transacao, const QString& nome);

// Registered attachments of this process, by absolute file name.
bool arquivoConectado(const QString& caminhoAbsoluto);
// See Conexao::fechaAoEncerrar.
void registraFechamento(std::function<void()> fecha);

}  // namespace bd::interno
