#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include "plataforma/sistema/Cp1252.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/QtGtest.h"
#include "validador/TArquivoDados.h"

namespace analise_teste {

// The lines of a findings log as the program wrote it (Windows-1252, CR LF).
inline QStringList LinhasLog(const QString& caminho) {
  QFile arquivo(caminho);
  if (!arquivo.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = arquivo.readAll();
  QStringList linhas = Cp1252::decodifica(bytes).split(QStringLiteral("\r\n"));
  if (!linhas.isEmpty() && linhas.back().isEmpty()) linhas.pop_back();
  return linhas;
}

inline void GravaArquivo(const QString& caminho, const QByteArray& bytes) {
  QFile arquivo(caminho);
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(arquivo.write(bytes), bytes.size());
}

// A run state of its own for each test, its log in a temporary folder, and a scripted message box.
class ComRun : public testing::Test {
 protected:
  void SetUp() override { NovoRun(); }

  void NovoRun() {
    m_dados.reset();
    m_dados = std::make_unique<TArquivoDados>(CaminhoLog());
  }
  QString CaminhoLog() const { return m_pasta.path() + QStringLiteral("/TEMP/dec.log"); }
  QString Caminho(const QString& nome) const { return m_pasta.path() + u'/' + nome; }
  // What the log holds so far.
  QStringList Log() {
    m_dados->DescarregaLog();
    return LinhasLog(CaminhoLog());
  }
  TArquivoDados& Dados() { return *m_dados; }

  QTemporaryDir m_pasta;
  CaixaMensagemFalsa m_caixa;
  std::unique_ptr<TArquivoDados> m_dados;
};

}  // namespace analise_teste
