#pragma once

#include <QByteArray>

#include <cstdint>

class IDestinoBytes;

// The one streaming output of a declaration file: records go in as lines (CR LF is added),
// gathered in a buffer and handed to the destination in large writes. A failed write raises
// ErroGravacao at once: nothing after it is written.
class SaidaDeclaracao {
 public:
  explicit SaidaDeclaracao(IDestinoBytes& destino, qsizetype capacidade = 256 * 1024);

  void Grava(const QByteArray& registro);
  // Hands the buffer to the destination and makes the destination finish its own writes.
  void Descarrega();

  int64_t Bytes() const { return m_bytes; }
  int64_t Linhas() const { return m_linhas; }

 private:
  void Esvazia();

  IDestinoBytes& m_destino;
  QByteArray m_buffer;
  qsizetype m_capacidade;
  int64_t m_bytes = 0;
  int64_t m_linhas = 0;
};
