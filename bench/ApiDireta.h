#pragma once

// An attachment and a transaction straight on the engine's OO API, without the database layer,
// for the benchmarks that compare the layer with a bare call.

#include <firebird/Interface.h>

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "plataforma/bd/ErroBanco.h"

struct ApiDireta {
  Firebird::IMaster* mestre = Firebird::fb_get_master_interface();
  Firebird::IStatus* status = mestre->getStatus();
  Firebird::ThrowStatusWrapper st{status};
  Firebird::IUtil* util = mestre->getUtilInterface();
  Firebird::IAttachment* att = nullptr;
  Firebird::ITransaction* tra = nullptr;

  // Connects as the program does and starts a read-committed transaction.
  explicit ApiDireta(const QString& arquivo) {
    Firebird::IXpbBuilder* dpb = util->getXpbBuilder(&st, Firebird::IXpbBuilder::DPB, nullptr, 0);
    dpb->insertString(&st, isc_dpb_user_name, "sysdba");
    dpb->insertString(&st, isc_dpb_password, "quintapel");
    dpb->insertString(&st, isc_dpb_lc_ctype, "UTF8");
    const QByteArray nome = QFile::encodeName(arquivo);
    att = mestre->getDispatcher()->attachDatabase(&st, nome.constData(), dpb->getBufferLength(&st), dpb->getBuffer(&st));
    dpb->dispose();
    const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                                 isc_tpb_nowait};
    tra = att->startTransaction(&st, sizeof tpb, tpb);
  }
  // Commits and starts the next transaction, as a batch does between its commits.
  void confirma() {
    tra->commit(&st);
    const unsigned char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                                 isc_tpb_nowait};
    tra = att->startTransaction(&st, sizeof tpb, tpb);
  }
  // Commits what is still open and detaches.
  ~ApiDireta() {
    if (tra) tra->commit(&st);
    att->detach(&st);
    status->dispose();
  }
  ApiDireta(const ApiDireta&) = delete;
  ApiDireta& operator=(const ApiDireta&) = delete;
};

// The input message of a prepared statement, written field by field: every input not null.
class MensagemDireta {
 public:
  MensagemDireta(ApiDireta& api, Firebird::IMessageMetadata* meta)
      : m_buffer(meta->getMessageLength(&api.st)) {
    const unsigned n = meta->getCount(&api.st);
    for (unsigned i = 0; i < n; ++i) {
      m_offsets.push_back(meta->getOffset(&api.st, i));
      m_nulos.push_back(meta->getNullOffset(&api.st, i));
      nulo(i, false);
    }
  }
  void nulo(unsigned i, bool nulo) {
    const short indicador = nulo ? -1 : 0;
    std::memcpy(&m_buffer[m_nulos[i]], &indicador, sizeof indicador);
  }
  template <class T>
  void valor(unsigned i, T v) {
    std::memcpy(&m_buffer[m_offsets[i]], &v, sizeof v);
  }
  void texto(unsigned i, const QByteArray& b) {
    const uint16_t n = uint16_t(b.size());
    std::memcpy(&m_buffer[m_offsets[i]], &n, 2);
    std::memcpy(&m_buffer[m_offsets[i] + 2], b.constData(), size_t(n));
  }
  unsigned char* dados() { return m_buffer.data(); }

 private:
  std::vector<unsigned char> m_buffer;
  std::vector<unsigned> m_offsets;
  std::vector<unsigned> m_nulos;
};

// A prepared statement run bare, its rows fetched into a buffer.
class ConsultaDireta {
 public:
  ConsultaDireta(ApiDireta& api, const char* sql) : m_api(api) {
    m_stmt = api.att->prepare(&api.st, api.tra, 0, sql, 3, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    m_entrada = m_stmt->getInputMetadata(&api.st);
    m_saida = m_stmt->getOutputMetadata(&api.st);
    m_in = std::make_unique<MensagemDireta>(api, m_entrada);
    m_linha.resize(m_saida->getMessageLength(&api.st));
  }
  ~ConsultaDireta() {
    m_entrada->release();
    m_saida->release();
    m_stmt->free(&m_api.st);
  }
  ConsultaDireta(const ConsultaDireta&) = delete;
  ConsultaDireta& operator=(const ConsultaDireta&) = delete;
  MensagemDireta& in() { return *m_in; }
  // A column of the first row, read as a 32-bit integer (`semLinha` without a row).
  int32_t primeira(unsigned coluna = 0, int32_t semLinha = 0) {
    Firebird::IResultSet* rs = m_stmt->openCursor(&m_api.st, m_api.tra, m_entrada, m_in->dados(), m_saida, 0);
    int32_t valor = semLinha;
    if (rs->fetchNext(&m_api.st, m_linha.data()) == Firebird::IStatus::RESULT_OK)
      std::memcpy(&valor, m_linha.data() + m_saida->getOffset(&m_api.st, coluna), sizeof valor);
    rs->close(&m_api.st);
    return valor;
  }
  // Up to `maximo` rows fetched; how many came.
  int busca(int maximo) {
    Firebird::IResultSet* rs = m_stmt->openCursor(&m_api.st, m_api.tra, m_entrada, m_in->dados(), m_saida, 0);
    int n = 0;
    while (n < maximo && rs->fetchNext(&m_api.st, m_linha.data()) == Firebird::IStatus::RESULT_OK) ++n;
    rs->close(&m_api.st);
    return n;
  }
  // The output buffer of the last execution and where an output column starts in it.
  const unsigned char* saida() const { return m_linha.data(); }
  unsigned deslocamentoSaida(unsigned coluna) { return m_saida->getOffset(&m_api.st, coluna); }
  // Runs the statement once (a procedure), its output into the buffer.
  void executa() { m_stmt->execute(&m_api.st, m_api.tra, m_entrada, m_in->dados(), m_saida, m_linha.data()); }

 private:
  ApiDireta& m_api;
  Firebird::IStatement* m_stmt;
  Firebird::IMessageMetadata* m_entrada;
  Firebird::IMessageMetadata* m_saida;
  std::unique_ptr<MensagemDireta> m_in;
  std::vector<unsigned char> m_linha;
};

// The bare browse: `passos` runs of a statement whose first input is a key and whose column
// `coluna` gives the next one (kept when no row comes); `direcao`, when given, is the second input.
inline double PassosDiretos(const QString& arquivo, const char* sql, unsigned coluna, int inicio, int passos,
                            const char* direcao = nullptr) {
  ApiDireta api(arquivo);
  ConsultaDireta passo(api, sql);
  if (direcao) passo.in().texto(1, direcao);
  int32_t chave = inicio;
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < passos; ++i) {
    passo.in().valor(0, chave);
    chave = passo.primeira(coluna, chave);
  }
  return relogio.nsecsElapsed() / 1e9;
}

// Fetches every row of the statements, nothing more; how many rows came.
inline int64_t BuscaLinhas(ApiDireta& api, const QList<QByteArray>& consultas) {
  int64_t linhas = 0;
  for (const QByteArray& sql : consultas) {
    Firebird::IStatement* stmt =
        api.att->prepare(&api.st, api.tra, 0, sql.constData(), 3, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
    Firebird::IMessageMetadata* meta = stmt->getOutputMetadata(&api.st);
    std::vector<unsigned char> buffer(meta->getMessageLength(&api.st));
    Firebird::IResultSet* rs = stmt->openCursor(&api.st, api.tra, nullptr, nullptr, meta, 0);
    while (rs->fetchNext(&api.st, buffer.data()) == Firebird::IStatus::RESULT_OK) ++linhas;
    rs->close(&api.st);
    meta->release();
    stmt->free(&api.st);
  }
  return linhas;
}

// Runs the body of a benchmark; a failure of the database layer or of the engine is said on stderr
// and gives the exit status 1.
template <class F>
int RodaProtegido(F&& corpo) {
  try {
    return corpo();
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
  } catch (const Firebird::FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
  }
  return 1;
}
