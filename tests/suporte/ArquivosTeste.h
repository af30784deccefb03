#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file as they are on disk (empty when it cannot be read).
inline QByteArray conteudo(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes the bytes as the file's whole content; false when it could not.
inline bool escreve(const QString& caminho, const QByteArray& bytes) {
  QFile f(caminho);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
