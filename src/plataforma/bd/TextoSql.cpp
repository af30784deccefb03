#include "plataforma/bd/TextoSql.h"

#include <QRegularExpression>

namespace bd {

namespace {

bool inicioNome(QChar c) { return c.isLetter() || c == u'_'; }
bool parteNome(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// Length of the quoted text or comment starting at i, or 0 when none starts there.
qsizetype trechoInerte(const QString& s, qsizetype i) {
  const QChar c = s[i];
  if (c == u'\'' || c == u'"') {
    qsizetype j = i + 1;
    while (j < s.size()) {
      if (s[j] == c) {
        if (j + 1 < s.size() && s[j + 1] == c) {  // doubled quote inside the text
          j += 2;
          continue;
        }
        return j + 1 - i;
      }
      ++j;
    }
    return s.size() - i;
  }
  if (c == u'-' && i + 1 < s.size() && s[i + 1] == u'-') {
    const qsizetype fim = s.indexOf(u'\n', i);
    return (fim < 0 ? s.size() : fim + 1) - i;
  }
  if (c == u'/' && i + 1 < s.size() && s[i + 1] == u'*') {
    const qsizetype fim = s.indexOf(QStringLiteral("*/"), i + 2);
    return (fim < 0 ? s.size() : fim + 2) - i;
  }
  return 0;
}

}  // namespace

TextoSql TextoSql::converte(const QString& sql) {
  TextoSql r;
  r.m_sql.reserve(sql.size());
  qsizetype i = 0;
  while (i < sql.size()) {
    if (const qsizetype n = trechoInerte(sql, i)) {
      r.m_sql += QStringView(sql).mid(i, n);
      i += n;
      continue;
    }
    const QChar c = sql[i];
    if (c == u'?') {
      r.m_nomes.append(QString());
      r.m_sql += c;
      ++i;
      continue;
    }
    if (c == u':' && i + 1 < sql.size() && inicioNome(sql[i + 1])) {
      qsizetype j = i + 1;
      while (j < sql.size() && parteNome(sql[j])) ++j;
      r.m_nomes.append(sql.mid(i + 1, j - i - 1).toUpper());
      r.m_sql += u'?';
      i = j;
      continue;
    }
    r.m_sql += c;
    ++i;
  }
  return r;
}

QStringList TextoSql::divideScript(const QString& script) {
  static const QRegularExpression setTerm(
      QStringLiteral("^\\s*SET\\s+TERM\\s+(\\S+)\\s*$"), QRegularExpression::CaseInsensitiveOption);
  QStringList comandos;
  QString terminador = QStringLiteral(";");
  QString atual;
  qsizetype i = 0;
  auto fecha = [&]() {
    const QString t = atual.trimmed();
    atual.clear();
    if (t.isEmpty()) return;
    const auto m = setTerm.match(t);
    if (m.hasMatch()) {
      terminador = m.captured(1);
      return;
    }
    comandos.append(t);
  };
  while (i < script.size()) {
    if (const qsizetype n = trechoInerte(script, i)) {
      // A comment before the statement starts is not part of it.
      const QStringView trecho = QStringView(script).mid(i, n);
      const bool comentario = trecho.startsWith(u"--") || trecho.startsWith(u"/*");
      if (!(comentario && atual.trimmed().isEmpty())) atual += trecho;
      i += n;
      continue;
    }
    if (QStringView(script).mid(i).startsWith(terminador)) {
      fecha();
      i += terminador.size();
      continue;
    }
    atual += script[i];
    ++i;
  }
  fecha();
  return comandos;
}

}  // namespace bd
