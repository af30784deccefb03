#include "validador/LogAchados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "plataforma/sistema/Cp1252.h"

namespace {
constexpr qsizetype kBloco = 64 * 1024;

bool EhControle(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }

// A control character read from a value (a NUL, a stray CR) would break the line or hide in it:
// it is written as \xNN instead.
QString Visivel(const QString& linha) {
  if (std::none_of(linha.begin(), linha.end(), EhControle)) return linha;
  QString r;
  r.reserve(linha.size() + 16);
  for (const QChar c : linha) {
    if (EhControle(c))
      r += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
    else
      r += c;
  }
  return r;
}
}  // namespace

LogAchados::LogAchados() = default;

LogAchados::~LogAchados() {
  // A log dropped without Fecha still gets what it gathered; there is nobody left to tell.
  if (Aberto()) Fecha();
}

bool LogAchados::Falha(const QString& texto) {
  if (m_erro.isEmpty()) m_erro = texto;
  return false;
}

bool LogAchados::Abre(const QString& caminho) {
  if (Aberto()) Fecha();
  m_caminho = caminho;
  m_erro.clear();
  m_buffer.clear();
  m_linhas = 0;
  const QFileInfo info(caminho);
  if (!QDir().mkpath(info.absolutePath()))
    return Falha(QStringLiteral("Não foi possível criar a pasta %1.").arg(info.absolutePath()));
  m_arquivo = std::make_unique<QFile>(caminho);
  if (!m_arquivo->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
    const QString erro = m_arquivo->errorString();
    m_arquivo.reset();
    return Falha(QStringLiteral("Não foi possível criar o arquivo %1: %2").arg(caminho, erro));
  }
  return true;
}

bool LogAchados::Aberto() const { return m_arquivo != nullptr; }

bool LogAchados::Grava(const QString& linha) {
  if (!Aberto()) return Falha(QStringLiteral("O arquivo de ocorrências não está aberto."));
  m_buffer += Cp1252::codifica(Visivel(linha));
  m_buffer += "\r\n";
  ++m_linhas;
  return m_buffer.size() < kBloco ? m_erro.isEmpty() : Descarrega();
}

bool LogAchados::Descarrega() {
  if (!Aberto()) return m_erro.isEmpty();
  if (!m_buffer.isEmpty()) {
    const qint64 escritos = m_arquivo->write(m_buffer);
    const bool ok = escritos == m_buffer.size();
    m_buffer.clear();
    if (!ok)
      return Falha(QStringLiteral("Não foi possível gravar o arquivo %1: %2").arg(m_caminho, m_arquivo->errorString()));
  }
  return m_erro.isEmpty();
}

bool LogAchados::Fecha() {
  if (!Aberto()) return m_erro.isEmpty();
  Descarrega();
  m_arquivo->close();
  if (m_arquivo->error() != QFileDevice::NoError)
    Falha(QStringLiteral("Não foi possível fechar o arquivo %1: %2").arg(m_caminho, m_arquivo->errorString()));
  m_arquivo.reset();
  return m_erro.isEmpty();
}
