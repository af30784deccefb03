#pragma once

// An attachment and a transaction straight on the engine's OO API, without the database layer,
// for the benchmarks that compare the layer with a bare call.

#include <firebird/Interface.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstring>
#include <vector>

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
