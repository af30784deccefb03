#include "plataforma/sistema/ArquivoTexto.h"

#include <QFile>
#include <QSaveFile>

#include "plataforma/sistema/Cp1252.h"

ArquivoTexto::ArquivoTexto() = default;

ArquivoTexto::~ArquivoTexto() { descarta(); }

void ArquivoTexto::descarta() {
  if (m_escrita) m_escrita->cancelWriting();
  m_escrita.reset();
  m_leitura.reset();
}

namespace {

template <class Arquivo>
std::unique_ptr<Arquivo> abre(const QString& caminho, QIODevice::OpenMode modo, QString& erro) {
  auto f = std::make_unique<Arquivo>(caminho);
  if (f->open(modo)) return f;
  erro = f->errorString();
  return nullptr;
}

}  // namespace

bool ArquivoTexto::abreLeitura(const QString& caminho) {
  descarta();
  m_caminho = caminho;
  m_leitura = abre<QFile>(caminho, QIODevice::ReadOnly, m_erro);
  return m_leitura != nullptr;
}

bool ArquivoTexto::criaEscrita(const QString& caminho) {
  descarta();
  m_caminho = caminho;
  m_escrita = abre<QSaveFile>(caminho, QIODevice::WriteOnly, m_erro);
  return m_escrita != nullptr;
}

bool ArquivoTexto::fecha() {
  bool ok = true;
  if (m_escrita) {
    ok = m_escrita->commit();
    if (!ok) m_erro = m_escrita->errorString();
    m_escrita.reset();
  }
  m_leitura.reset();
  return ok;
}

bool ArquivoTexto::aberto() const { return m_leitura || m_escrita; }

bool ArquivoTexto::leLinha(QString& linha) {
  linha.clear();
  if (!m_leitura) {
    m_erro = QStringLiteral("O arquivo não está aberto para leitura");
    return false;
  }
  if (m_leitura->atEnd()) return true;
  QByteArray bytes = m_leitura->readLine();
  if (bytes.isEmpty() && m_leitura->error() != QFileDevice::NoError) {
    m_erro = m_leitura->errorString();
    return false;
  }
  if (bytes.endsWith('\n')) bytes.chop(1);
  if (bytes.endsWith('\r')) bytes.chop(1);
  linha = Cp1252::decodifica(bytes);
  return true;
}

bool ArquivoTexto::gravaLinha(const QString& linha) {
  if (!m_escrita) {
    m_erro = QStringLiteral("O arquivo não está aberto para gravação");
    return false;
  }
  const QByteArray bytes = Cp1252::codifica(linha) + "\r\n";
  if (m_escrita->write(bytes) != bytes.size()) {
    m_erro = m_escrita->errorString();
    return false;
  }
  return true;
}

std::optional<bool> ArquivoTexto::fim() const {
  if (!m_leitura) return std::nullopt;
  return m_leitura->atEnd();
}
