#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <gtest/gtest.h>

// The text of a PDF file as pdftotext lays it out (UTF-8, one form feed per page); a test that
// reads a report back compares these texts, never pixels.
inline QString TextoPdf(const QString& arquivo) {
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) {
    ADD_FAILURE() << "pdftotext (poppler-utils) is missing: run scripts/dependencias";
    return {};
  }
  QProcess processo;
  processo.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), arquivo,
                             QStringLiteral("-")});
  EXPECT_TRUE(processo.waitForFinished(30000));
  return QString::fromUtf8(processo.readAllStandardOutput());
}
