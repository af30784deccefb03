#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// A failure that ends the writing of a declaration file. `classe` names the kind of failure in
// the unexpected-error text; an expected one (a text the layout cannot carry, an envelope value
// refused) is shown by its message alone.
class ErroGravacao : public std::exception {
 public:
  ErroGravacao(const QString& classe, const QString& mensagem, bool esperado = false)
      : m_classe(classe), m_mensagem(mensagem), m_esperado(esperado), m_utf8(mensagem.toUtf8()) {}
  const char* what() const noexcept override { return m_utf8.constData(); }
  const QString& classe() const { return m_classe; }
  const QString& mensagem() const { return m_mensagem; }
  bool esperado() const { return m_esperado; }

 private:
  QString m_classe;
  QString m_mensagem;
  bool m_esperado;
  QByteArray m_utf8;
};
