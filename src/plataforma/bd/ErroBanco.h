#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>

namespace bd {

// The one failure of the database layer: the engine's message text with its SQLCODE, its
// first gds code and its SQLSTATE. Misuse detected by the layer itself (an unknown field, a
// value that does not fit) carries gds code 0. The layer never shows it: the caller decides.
class ErroBanco : public std::exception {
 public:
  explicit ErroBanco(const QString& mensagem, int sqlcode = 0, intptr_t codigoGds = 0,
                     const QString& sqlstate = {});

  const char* what() const noexcept override { return m_utf8.constData(); }

  const QString& mensagem() const { return m_mensagem; }
  int sqlcode() const { return m_sqlcode; }
  intptr_t codigoGds() const { return m_codigoGds; }
  const QString& sqlstate() const { return m_sqlstate; }
  // The engine ran out of memory: callers treat this as the platform's out-of-memory failure.
  bool faltaMemoria() const;

 private:
  QString m_mensagem;
  int m_sqlcode;
  intptr_t m_codigoGds;
  QString m_sqlstate;
  QByteArray m_utf8;
};

}  // namespace bd
