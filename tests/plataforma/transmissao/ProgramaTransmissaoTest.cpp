#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "plataforma/transmissao/ProgramaTransmissao.h"
#include "suporte/QtGtest.h"

namespace {

void Grava(const QString& caminho, const QByteArray& conteudo) {
  QFile f(caminho);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(conteudo);
}

QByteArray Le(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A system folder with (or without) the settings file, and the program's folder with (or
// without) the stand-in library.
class Kalvorin : public testing::Test {
 protected:
  void SetUp() override {
    m_antes = qEnvironmentVariable("TOLV_PASTA_SISTEMA");
    qputenv("TOLV_PASTA_SISTEMA", m_sistema.path().toUtf8());
    qputenv("VELDRA_FALSA_REGISTRO", m_sistema.filePath(QStringLiteral("chamadas.txt")).toUtf8());
  }
  void TearDown() override {
    qputenv("TOLV_PASTA_SISTEMA", m_antes.toUtf8());
    qunsetenv("VELDRA_FALSA_REGISTRO");
  }

  void Configura(const QByteArray& versao, const QString& nomeIni = QStringLiteral("kal-von.ini")) {
    Grava(m_sistema.filePath(nomeIni),
          "[Kal-Von]\r\nVersao=" + versao + "\r\nPath=" + m_programa.path().toUtf8() + "\r\n");
  }
  void InstalaBiblioteca(const QString& nome = QStringLiteral("VELDRA21.DLL")) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOLV_VELDRA_FALSA), m_programa.filePath(nome)));
  }
  QString Chamadas() const { return QString::fromUtf8(Le(m_sistema.filePath(QStringLiteral("chamadas.txt")))); }

  QTemporaryDir m_sistema;
  QTemporaryDir m_programa;
  QString m_antes;
};

using Situacao = ProgramaTransmissao::Situacao;

TEST_F(Kalvorin, SituacaoSegueConfiguracaoEBiblioteca) {
  ProgramaTransmissao p;
  EXPECT_EQ(p.Carrega(), Situacao::NaoInstalado);  // no settings file

  Configura("200800");
  InstalaBiblioteca();
  EXPECT_EQ(p.Carrega(), Situacao::Desatualizado);
  Configura("");
  EXPECT_EQ(p.Carrega(), Situacao::Desatualizado);  // no version reads as 0

  Configura("200801");
  EXPECT_EQ(p.Carrega(), Situacao::Pronto);
  EXPECT_TRUE(p.Carregado());
  p.Descarrega();
  EXPECT_FALSE(p.Carregado());

  // A file that is no library, and a library without the export.
  QFile::remove(m_programa.filePath(QStringLiteral("VELDRA21.DLL")));
  EXPECT_EQ(p.Carrega(), Situacao::NaoInstalado);
  Grava(m_programa.filePath(QStringLiteral("VELDRA21.DLL")), "MZ nao sou uma biblioteca");
  EXPECT_EQ(p.Carrega(), Situacao::NaoInstalado);
}

TEST_F(Kalvorin, NomesEscritosPorOutrosEmQualquerCaixa) {
  Configura("201401", QStringLiteral("KAL-VON.INI"));
  InstalaBiblioteca(QStringLiteral("veldra21.dll"));
  ProgramaTransmissao p;
  EXPECT_EQ(p.Carrega(), Situacao::Pronto);
}

TEST_F(Kalvorin, EntregaComCertificadoSemMudarAPastaAtual) {
  Configura("200801");
  InstalaBiblioteca();
  const QString atual = QDir::currentPath();
  ProgramaTransmissao p;
  ASSERT_EQ(p.Carrega(), Situacao::Pronto);
  static int posicao = 0;
  EXPECT_TRUE(p.DefineProgresso([](int32_t v) { posicao = v; }));
  const QString arquivo = m_programa.filePath(QStringLiteral("11144477735-TOLV-2014-2013-ORIGI-NORMAL.DEC"));
  Grava(arquivo, "TOLV|");
  QString mensagem;
  EXPECT_EQ(p.Envia(7, arquivo, 1, mensagem), 0);
  EXPECT_EQ(mensagem, QStringLiteral("Declaração recebida.\nCertificado: 1"));
  EXPECT_EQ(posicao, 50);
  EXPECT_EQ(QDir::currentPath(), atual);
  EXPECT_EQ(Chamadas(), arquivo + QStringLiteral("|1|") + atual + u'\n');
}

TEST_F(Kalvorin, CaminhoQueNaoCabeNoBufferNaoChegaABiblioteca) {
  Configura("200801");
  InstalaBiblioteca();
  ProgramaTransmissao p;
  ASSERT_EQ(p.Carrega(), Situacao::Pronto);
  QString mensagem;
  // 255 bytes and the terminating zero fill the buffer; one more does not fit. "ç" takes two.
  const QString cabe = QStringLiteral("/tmp/") + QString(250, u'x');
  const QString naoCabe = QStringLiteral("/tmp/") + QString(249, u'x') + QStringLiteral("ç");
  EXPECT_TRUE(ProgramaTransmissao::CaminhoCabe(cabe));
  EXPECT_FALSE(ProgramaTransmissao::CaminhoCabe(naoCabe));
  EXPECT_EQ(p.Envia(0, naoCabe, 0, mensagem), ProgramaTransmissao::kCaminhoLongo);
  EXPECT_TRUE(mensagem.contains(QStringLiteral("255 caracteres")));
  EXPECT_TRUE(Chamadas().isEmpty());
  EXPECT_EQ(p.Envia(0, cabe, 0, mensagem), 0);
  EXPECT_EQ(Chamadas(), cabe + QStringLiteral("|0|") + QDir::currentPath() + u'\n');
}

TEST_F(Kalvorin, MensagemQueEncheOBufferELidaAteOFim) {
  Configura("200801");
  InstalaBiblioteca();
  const QString arquivo = m_programa.filePath(QStringLiteral("a.DEC"));
  Grava(arquivo, "TOLV|");
  Grava(arquivo + QStringLiteral(".resposta"), "4896\nCHEIO");
  ProgramaTransmissao p;
  ASSERT_EQ(p.Carrega(), Situacao::Pronto);
  QString mensagem;
  EXPECT_EQ(p.Envia(0, arquivo, 0, mensagem), 4896);
  EXPECT_EQ(mensagem, QString(ProgramaTransmissao::kTamanhoMensagem - 1, u'A'));
}

}  // namespace
