#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// The findings log dec.log: one line per finding, Windows-1252, CR LF. Lines are gathered in a
// buffer and written in blocks; every failure (opening, writing, closing) is kept as a text, so
// that the run can be failed and told instead of losing a finding.
class LogAchados {
 public:
  LogAchados();
  ~LogAchados();
  LogAchados(const LogAchados&) = delete;
  LogAchados& operator=(const LogAchados&) = delete;

  // Creates the folder when missing and opens the file for writing, empty.
  bool Abre(const QString& caminho);
  bool Grava(const QString& linha);
  // Writes what is buffered.
  bool Descarrega();
  // Writes what is buffered and closes; false when anything failed since it was opened.
  bool Fecha();
  bool Aberto() const;
  // Lines written since it was opened.
  qint64 Linhas() const { return m_linhas; }
  const QString& Caminho() const { return m_caminho; }
  const QString& Erro() const { return m_erro; }

 private:
  bool Falha(const QString& texto);

  std::unique_ptr<QFile> m_arquivo;
  QByteArray m_buffer;
  QString m_caminho;
  QString m_erro;
  qint64 m_linhas = 0;
};
