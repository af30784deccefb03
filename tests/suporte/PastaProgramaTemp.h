#pragma once

#include <QString>

#include "suporte/QtGtest.h"
#include <QTemporaryDir>

// A fresh program folder for one test: DADOS/ and DADOS/TEMP, optionally with copies of the
// databases the build made. The program folder points at it while it lives. The copies have
// forced writes off: the tests run faster and lose nothing worth keeping on a crash.
class PastaProgramaTemp {
 public:
  explicit PastaProgramaTemp(bool comBancos = false);
  ~PastaProgramaTemp();

  QString caminho() const { return m_dir.path(); }
  QString dados() const { return m_dir.path() + "/DADOS"; }
  // Copies a shipped database (file name inside DADOS) into this folder's DADOS, under its own
  // name or another one.
  void copiaBanco(const QString& nome, const QString& destino = {}) const;
  // Runs statements on a database of this folder (file name inside DADOS) through a connection
  // of its own, committed.
  void roda(const QString& arquivo, const QString& sql) const;
  // The first column of the first row of a query on a database of this folder, trimmed;
  // "<nenhuma>" when there is no row.
  QString le(const QString& arquivo, const QString& sql) const;
  // Switches forced writes off on a database file of a test.
  static void desligaEscritaForcada(const QString& arquivo);
  static QString bancosConstruidos();

 private:
  QTemporaryDir m_dir;
};
