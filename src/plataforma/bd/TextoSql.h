#pragma once

#include <QString>
#include <QStringList>

namespace bd {

// The SQL text as the program writes it and as the engine takes it.
class TextoSql {
 public:
  // Replaces each :NAME by '?' outside quotes and comments. nomes() lists one entry per '?'
  // in order, upper case; a '?' written as such gets an empty name.
  static TextoSql converte(const QString& sql);

  const QString& sql() const { return m_sql; }
  const QStringList& nomes() const { return m_nomes; }

  // Splits a script into statements: ';' ends a statement unless SET TERM chose another
  // terminator; quotes and comments are kept whole. SET TERM itself is not returned.
  static QStringList divideScript(const QString& script);

 private:
  QString m_sql;
  QStringList m_nomes;
};

}  // namespace bd
