#pragma once

#include <QString>

#include "suporte/QtGtest.h"
#include <QTemporaryDir>

// A fresh program folder for one test: DADOS/ and DADOS/TEMP, optionally with copies of the
// databases the build made. The program folder points at it while it lives.
class PastaProgramaTemp {
 public:
  explicit PastaProgramaTemp(bool comBancos = false);
  ~PastaProgramaTemp();

  QString caminho() const { return m_dir.path(); }
  QString dados() const { return m_dir.path() + "/DADOS"; }
  // Copies a shipped database (file name inside DADOS) into this folder's DADOS.
  void copiaBanco(const QString& nome) const;
  static QString bancosConstruidos();

 private:
  QTemporaryDir m_dir;
};
