#pragma once

#include <QString>

#include <memory>
#include <optional>

class QFile;
class QSaveFile;

// A text file in Windows-1252, read or written line by line. A failure is reported by the result
// of the call, never thrown. Lines end in CR LF when written; LF or CR LF end them when read.
// A file created for writing replaces the old one only when fecha() succeeds: a write that is
// abandoned (an error, an exception, no fecha()) leaves the old file as it was.
class ArquivoTexto {
 public:
  ArquivoTexto();
  ~ArquivoTexto();
  ArquivoTexto(const ArquivoTexto&) = delete;
  ArquivoTexto& operator=(const ArquivoTexto&) = delete;

  bool abreLeitura(const QString& caminho);
  // Opens for writing an empty file that replaces the named one on fecha().
  bool criaEscrita(const QString& caminho);
  // Closes the file; a file being written takes its place now. False when it could not.
  bool fecha();

  bool aberto() const;
  bool paraLeitura() const { return m_leitura != nullptr; }
  bool paraEscrita() const { return m_escrita != nullptr; }
  const QString& caminho() const { return m_caminho; }
  // The system's text of the last failure.
  const QString& erro() const { return m_erro; }

  // False when the file is not open for reading or the read failed. At the end it reads an
  // empty line and succeeds.
  bool leLinha(QString& linha);
  // False when the file is not open for writing or the write failed.
  bool gravaLinha(const QString& linha);
  // Nothing when the file is not open for reading.
  std::optional<bool> fim() const;

 private:
  void descarta();

  std::unique_ptr<QFile> m_leitura;
  std::unique_ptr<QSaveFile> m_escrita;
  QString m_caminho;
  QString m_erro;
};
