#include "validador/LeitorLinhas.h"

#include <QFile>

#include <cstring>

#include "plataforma/sistema/Cp1252.h"

namespace {
constexpr qsizetype kBloco = 1 << 20;
}

LeitorLinhas::LeitorLinhas() = default;
LeitorLinhas::~LeitorLinhas() = default;

bool LeitorLinhas::Abre(const QString& caminho) {
  Fecha();
  m_arquivo = std::make_unique<QFile>(caminho);
  if (!m_arquivo->open(QIODevice::ReadOnly)) {
    m_erro = m_arquivo->errorString();
    m_arquivo.reset();
    return false;
  }
  m_buffer.resize(kBloco);
  return true;
}

void LeitorLinhas::Fecha() {
  m_arquivo.reset();
  m_inicio = m_fim = 0;
  m_fimArquivo = false;
  m_crPendente = false;
  m_erro.clear();
}

bool LeitorLinhas::Enche() {
  if (m_fimArquivo || !m_arquivo) return false;
  const qint64 lidos = m_arquivo->read(m_buffer.data(), m_buffer.size());
  if (lidos < 0) {
    m_erro = m_arquivo->errorString();
    m_fimArquivo = true;
    return false;
  }
  m_inicio = 0;
  m_fim = lidos;
  if (lidos == 0) m_fimArquivo = true;
  return lidos > 0;
}

bool LeitorLinhas::Fim() {
  if (!m_arquivo) return true;
  for (;;) {
    if (m_inicio < m_fim) {
      if (m_crPendente) {
        m_crPendente = false;
        if (m_buffer[m_inicio] == '\n') {
          ++m_inicio;
          continue;
        }
      }
      return false;
    }
    if (!Enche()) return true;
  }
}

void LeitorLinhas::Decodifica(const char* bytes, qsizetype tamanho, QString& destino) {
  destino.resize(0);
  DecodificaAnexa(bytes, tamanho, destino);
}

void LeitorLinhas::DecodificaAnexa(const char* bytes, qsizetype tamanho, QString& destino) {
  const qsizetype antes = destino.size();
  destino.resize(antes + tamanho);
  char16_t* saida = reinterpret_cast<char16_t*>(destino.data()) + antes;
  for (qsizetype i = 0; i < tamanho; ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    saida[i] = b < 0x80 ? char16_t(b) : Cp1252::deByte(b).unicode();
  }
}

bool LeitorLinhas::Le(QString& linha, int64_t& bytes) {
  if (Fim()) return false;
  // A line longer than a block is decoded block by block into the text, never kept twice.
  linha.resize(0);
  bytes = 0;
  for (;;) {
    const char* dados = m_buffer.constData();
    const char* inicio = dados + m_inicio;
    const qsizetype resto = m_fim - m_inicio;
    const char* lf = static_cast<const char*>(std::memchr(inicio, '\n', size_t(resto)));
    const char* cr = static_cast<const char*>(std::memchr(inicio, '\r', size_t(lf ? lf - inicio : resto)));
    const char* quebra = cr ? cr : lf;
    if (quebra) {
      const qsizetype tamanho = quebra - inicio;
      DecodificaAnexa(inicio, tamanho, linha);
      bytes += tamanho;
      m_inicio += tamanho + 1;
      // One huge line does not keep its room for every later one.
      if (linha.capacity() > 2 * linha.size() + kBloco) linha.squeeze();
      if (*quebra == '\r') {
        if (m_inicio < m_fim) {
          if (m_buffer[m_inicio] == '\n') ++m_inicio;
        } else {
          m_crPendente = true;
        }
      }
      return true;
    }
    DecodificaAnexa(inicio, resto, linha);
    bytes += resto;
    m_inicio = m_fim;
    if (!Enche()) return !Erro();
  }
}
