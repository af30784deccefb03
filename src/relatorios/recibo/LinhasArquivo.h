#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

class QIODevice;

// The lines of a file as bytes, read in large blocks: a line ends at LF, its CRs before the LF
// are dropped, and a last line without an end counts. A line longer than kLinhaMaxima is cut
// there and the rest of it skipped, so that a foreign file without line breaks is never loaded
// whole. The line handed out stays valid until the next call.
class LinhasArquivo {
 public:
  static constexpr qsizetype kLinhaMaxima = 64 * 1024;

  // Reads at most `limite` bytes of the device from where it stands (to its end when negative).
  explicit LinhasArquivo(QIODevice& origem, int64_t limite = -1);

  // False at the end or when the device failed (Falhou tells which).
  bool Proxima(QByteArrayView& linha);
  // The next line, or an empty one when there is none.
  QByteArray ProximaOuVazia();
  bool Falhou() const { return m_falhou; }

 private:
  bool Enche();

  QIODevice& m_origem;
  int64_t m_restante;
  QByteArray m_buffer;
  qsizetype m_inicio = 0;
  qsizetype m_fim = 0;
  bool m_fimArquivo = false;
  bool m_pulando = false;  // inside the rest of a line that was cut
  bool m_falhou = false;
};
