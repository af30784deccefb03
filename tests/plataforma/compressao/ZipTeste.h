#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>

#include <zip.h>

#include <utility>
#include <vector>

// Archives made by hand for the tests, with whatever entry names a hostile archive could carry,
// and the check of an archive by the common "unzip" tool.
namespace zip_teste {

using Entradas = std::vector<std::pair<QByteArray, QByteArray>>;  // name, content

// Writes a ZIP archive holding exactly these entries (names taken byte for byte).
inline bool EscreveZip(const QString& arquivo, const Entradas& entradas) {
  int erro = 0;
  zip_t* za = zip_open(QFile::encodeName(arquivo).constData(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
  if (!za) return false;
  for (const auto& [nome, conteudo] : entradas) {
    zip_source_t* s = zip_source_buffer(za, conteudo.constData(), zip_uint64_t(conteudo.size()), 0);
    if (!s || zip_file_add(za, nome.constData(), s, ZIP_FL_ENC_RAW) < 0) {
      if (s) zip_source_free(s);
      zip_discard(za);
      return false;
    }
  }
  return zip_close(za) == 0;
}

// Whether "unzip -t" accepts the archive.
inline bool UnzipAceita(const QString& arquivo) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tqq"), arquivo});
  return unzip.waitForFinished(120000) && unzip.exitStatus() == QProcess::NormalExit && unzip.exitCode() == 0;
}

// The names of an archive's entries as "unzip -Z1" lists them.
inline QStringList NomesUnzip(const QString& arquivo) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-Z1"), arquivo});
  unzip.waitForFinished(60000);
  return QString::fromUtf8(unzip.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace zip_teste
