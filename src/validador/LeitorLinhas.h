#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

class QFile;

// Reads a Windows-1252 text file line by line in blocks, never whole: a line ends at CR, LF or
// CR LF, and a last line without an end is read too. Each line is decoded once, into a text
// the caller keeps and the reader refills (no allocation once the text is large enough).
class LeitorLinhas {
 public:
  LeitorLinhas();
  ~LeitorLinhas();
  LeitorLinhas(const LeitorLinhas&) = delete;
  LeitorLinhas& operator=(const LeitorLinhas&) = delete;

  bool Abre(const QString& caminho);
  void Fecha();
  bool Aberto() const { return m_arquivo != nullptr; }
  // No more line to read (or the file is not open).
  bool Fim();
  // The next line into `linha`, with its length in bytes without the line end; false at the end
  // of the file or on a read error (Erro tells).
  bool Le(QString& linha, int64_t& bytes);
  bool Erro() const { return !m_erro.isEmpty(); }
  const QString& TextoErro() const { return m_erro; }

  // Decodes Windows-1252 bytes into the text, reusing its buffer.
  static void Decodifica(const char* bytes, qsizetype tamanho, QString& destino);
  // The same, after what the text already holds.
  static void DecodificaAnexa(const char* bytes, qsizetype tamanho, QString& destino);

 private:
  bool Enche();

  std::unique_ptr<QFile> m_arquivo;
  QByteArray m_buffer;
  qsizetype m_inicio = 0;
  qsizetype m_fim = 0;
  bool m_fimArquivo = false;
  // A CR ended the last line at the end of a block: an LF at the head of the next one belongs to it.
  bool m_crPendente = false;
  QString m_erro;
};
