#pragma once

// What the finder and hand-over tests share: written declaration files with their envelope in a
// folder tree whose root is the fixed default drive, a program folder, the transmission program's
// settings in a system folder of the test's own and the stand-in library that answers on cue.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include "plataforma/integridade/EnvelopeTolv.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"
#include "suporte/UnidadesFalsas.h"

namespace transmissao_teste {

inline void Grava(const QString& caminho, const QByteArray& conteudo) {
  QDir().mkpath(QFileInfo(caminho).absolutePath());
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(conteudo);
}

inline QByteArray Declaracao(const QByteArray& declarante, bool retificadora = false) {
  return "TOLV|2014|2013|" + QByteArray(retificadora ? "S" : "N") + "|12345|F8UCL6S|\r\n" +
         "RESPO|11144477735|ANA SOUZA|\r\n" + declarante + "\r\nFIMTOLV|\r\n";
}

// The transmission program as the tests install it: its settings in a system folder of the
// test's own (while the object lives) and the stand-in library that answers on cue.
class ProgramaFalso {
 public:
  ProgramaFalso() : m_sistemaAntes(qEnvironmentVariable("TOLV_PASTA_SISTEMA")) {
    qputenv("TOLV_PASTA_SISTEMA", m_sistema.path().toUtf8());
    qputenv("VELDRA_FALSA_REGISTRO", m_sistema.filePath(QStringLiteral("chamadas.txt")).toUtf8());
  }
  ~ProgramaFalso() {
    qputenv("TOLV_PASTA_SISTEMA", m_sistemaAntes.toUtf8());
    qunsetenv("VELDRA_FALSA_REGISTRO");
  }
  ProgramaFalso(const ProgramaFalso&) = delete;
  ProgramaFalso& operator=(const ProgramaFalso&) = delete;

  // The transmission program installed with the stand-in library, at a version.
  void InstalaPrograma(const QByteArray& versao = "200801") {
    Grava(m_sistema.filePath(QStringLiteral("kal-von.ini")),
          "[Kal-Von]\r\nVersao=" + versao + "\r\nPath=" + m_programa.path().toUtf8() + "\r\n");
    const QString destino = m_programa.filePath(QStringLiteral("VELDRA21.DLL"));
    if (!QFile::exists(destino)) {
      ASSERT_TRUE(QFile::copy(QStringLiteral(TOLV_VELDRA_FALSA), destino));
    }
  }
  // The stand-in's answer for one file: its result and message.
  void Responde(const QString& arquivo, int resultado, const QByteArray& mensagem) {
    Grava(arquivo + QStringLiteral(".resposta"), QByteArray::number(resultado) + '\n' + mensagem);
  }
  // One line "path|certificate|current folder" per file handed to the stand-in.
  QString Chamadas() const {
    QFile f(m_sistema.filePath(QStringLiteral("chamadas.txt")));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }

 protected:
  QTemporaryDir m_sistema;
  QTemporaryDir m_programa;

 private:
  QString m_sistemaAntes;
};

class ComArquivos : public testing::Test, protected ProgramaFalso {
 protected:
  void SetUp() override {
    m_pasta = std::make_unique<PastaProgramaTemp>();
    m_unidades = std::make_unique<UnidadesFalsas>(std::vector<Unidade>{Unidade{m_raiz.path(), TipoUnidade::Fixa, QStringLiteral("home"), true}});
  }
  void TearDown() override {
    m_unidades.reset();
    m_pasta.reset();
  }

  QString Padrao() const { return m_raiz.path() + QStringLiteral("/Declaracoes Gravadas BVD/Tolv2014/"); }

  // A written declaration with its envelope, whose control value gives the receipt number.
  QString Escreve(const QString& caminho, const QByteArray& conteudo, const QString& controle = QStringLiteral("1234567890")) {
    Grava(caminho, conteudo);
    EnvelopeTolv envelope;
    EXPECT_EQ(envelope.Abrir(1, caminho), 0);
    EXPECT_EQ(envelope.SetValor(QStringLiteral("controle_bvd"), controle), 0);
    EXPECT_EQ(envelope.SalvarEnvelope(), 0);
    return caminho;
  }

  QTemporaryDir m_raiz;
  std::unique_ptr<PastaProgramaTemp> m_pasta;
  std::unique_ptr<UnidadesFalsas> m_unidades;
  CaixaMensagemFalsa m_caixa{ResultadoMensagem::Nao};
};

}  // namespace transmissao_teste
