#include "relatorios/recibo/LinhasArquivo.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr qsizetype kBloco = 1024 * 1024;

QByteArrayView semCr(QByteArrayView linha) {
  while (linha.endsWith('\r')) linha.chop(1);
  return linha;
}

}  // namespace

LinhasArquivo::LinhasArquivo(QIODevice& origem, int64_t limite)
    : m_origem(origem), m_restante(limite), m_buffer(kBloco + kLinhaMaxima, Qt::Uninitialized) {}

bool LinhasArquivo::Enche() {
  // What is left of the current line goes to the front; a new block follows it.
  if (m_inicio > 0) {
    std::memmove(m_buffer.data(), m_buffer.constData() + m_inicio, size_t(m_fim - m_inicio));
    m_fim -= m_inicio;
    m_inicio = 0;
  }
  qint64 pedir = m_buffer.size() - m_fim;
  if (m_restante >= 0) pedir = std::min<qint64>(pedir, m_restante);
  if (pedir <= 0) {
    m_fimArquivo = true;
    return false;
  }
  const qint64 n = m_origem.read(m_buffer.data() + m_fim, pedir);
  if (n < 0) m_falhou = true;
  if (n <= 0) {
    m_fimArquivo = true;
    return false;
  }
  m_fim += n;
  if (m_restante >= 0) m_restante -= n;
  return true;
}

bool LinhasArquivo::Proxima(QByteArrayView& linha) {
  for (;;) {
    const char* inicio = m_buffer.constData() + m_inicio;
    const auto* lf = static_cast<const char*>(std::memchr(inicio, '\n', size_t(m_fim - m_inicio)));
    if (lf) {
      const qsizetype tamanho = lf - inicio;
      m_inicio += tamanho + 1;
      if (m_pulando) {
        m_pulando = false;
        continue;
      }
      linha = tamanho > kLinhaMaxima ? QByteArrayView(inicio, kLinhaMaxima) : semCr(QByteArrayView(inicio, tamanho));
      return true;
    }
    if (m_pulando) {
      m_inicio = m_fim;
    } else if (m_fim - m_inicio >= kLinhaMaxima) {
      linha = QByteArrayView(inicio, kLinhaMaxima);
      m_inicio = m_fim;
      m_pulando = true;
      return true;
    }
    if (m_fimArquivo || !Enche()) {
      if (m_fimArquivo && m_inicio < m_fim && !m_pulando) {
        linha = semCr(QByteArrayView(m_buffer.constData() + m_inicio, m_fim - m_inicio));
        m_inicio = m_fim;
        return true;
      }
      m_inicio = m_fim;
      return false;
    }
  }
}

QByteArray LinhasArquivo::ProximaOuVazia() {
  QByteArrayView linha;
  return Proxima(linha) ? linha.toByteArray() : QByteArray();
}
