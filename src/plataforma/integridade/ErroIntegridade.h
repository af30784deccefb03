#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A file that a digest or a check value was asked of could not be read. Never a stale result:
// the caller learns that there is none.
class ErroIntegridade : public std::exception {
 public:
  explicit ErroIntegridade(const QString& mensagem) : m_mensagem(mensagem), m_utf8(mensagem.toUtf8()) {}
  const char* what() const noexcept override { return m_utf8.constData(); }
  const QString& mensagem() const { return m_mensagem; }

 private:
  QString m_mensagem;
  QByteArray m_utf8;
};
