#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QFile;

// A file of fixed-size records. It opens only a file that exists and never empties it.
class ArquivoBinario {
 public:
  // The file-open modes of the old typed files: 0 read, 1 write, 2 read and write.
  enum Modo { Leitura = 0, Escrita = 1, LeituraEscrita = 2 };

  ArquivoBinario();
  ~ArquivoBinario();
  ArquivoBinario(const ArquivoBinario&) = delete;
  ArquivoBinario& operator=(const ArquivoBinario&) = delete;

  bool abre(const QString& caminho, int tamanhoRegistro, int modo);
  void fecha();
  bool aberto() const { return m_arquivo != nullptr; }
  const QString& erro() const { return m_erro; }
  int tamanhoRegistro() const { return m_tamanho; }

  // One record; false at the end (a short last record included) or on a failure.
  bool le(QByteArray& registro);
  // The record filled with zeros or cut to the record size.
  bool grava(const QByteArray& registro);
  bool posiciona(qint64 registro);
  qint64 posicao() const;     // in records
  qint64 quantidade() const;  // whole records in the file
  bool fim() const;

 private:
  std::unique_ptr<QFile> m_arquivo;
  int m_tamanho = 0;
  int m_modo = Leitura;
  QString m_erro;
};
