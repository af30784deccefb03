#include "plataforma/sistema/ArquivoBinario.h"

#include <QFile>

ArquivoBinario::ArquivoBinario() = default;
ArquivoBinario::~ArquivoBinario() = default;

bool ArquivoBinario::abre(const QString& caminho, int tamanhoRegistro, int modo) {
  fecha();
  if (tamanhoRegistro <= 0 || modo < Leitura || modo > LeituraEscrita) {
    m_erro = QStringLiteral("Modo ou tamanho de registro inválido");
    return false;
  }
  auto f = std::make_unique<QFile>(caminho);
  // Writing opens read-write: write-only would empty the file.
  const QIODevice::OpenMode abertura =
      (modo == Leitura ? QIODevice::ReadOnly : QIODevice::ReadWrite) | QIODevice::ExistingOnly;
  if (!f->open(abertura)) {
    m_erro = f->errorString();
    return false;
  }
  m_arquivo = std::move(f);
  m_tamanho = tamanhoRegistro;
  m_modo = modo;
  return true;
}

void ArquivoBinario::fecha() { m_arquivo.reset(); }

bool ArquivoBinario::le(QByteArray& registro) {
  registro.clear();
  if (!m_arquivo || m_modo == Escrita) return false;
  registro = m_arquivo->read(m_tamanho);
  if (registro.size() == m_tamanho) return true;
  if (m_arquivo->error() != QFileDevice::NoError) m_erro = m_arquivo->errorString();
  return false;
}

bool ArquivoBinario::grava(const QByteArray& registro) {
  if (!m_arquivo || m_modo == Leitura) return false;
  QByteArray bytes = registro.left(m_tamanho);
  bytes.append(m_tamanho - bytes.size(), '\0');
  if (m_arquivo->write(bytes) != m_tamanho) {
    m_erro = m_arquivo->errorString();
    return false;
  }
  return true;
}

bool ArquivoBinario::posiciona(qint64 registro) {
  return m_arquivo && registro >= 0 && m_arquivo->seek(registro * m_tamanho);
}

qint64 ArquivoBinario::posicao() const { return m_arquivo ? m_arquivo->pos() / m_tamanho : 0; }

qint64 ArquivoBinario::quantidade() const { return m_arquivo ? m_arquivo->size() / m_tamanho : 0; }

bool ArquivoBinario::fim() const { return !m_arquivo || m_arquivo->pos() + m_tamanho > m_arquivo->size(); }
