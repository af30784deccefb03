// The analyser command as a user runs it: what it refuses before it writes anything, and the log
// it leaves.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

#include <functional>

#include "suporte/PastaProgramaTemp.h"

namespace {

const QByteArray kDeclaracao =
    "TOLV|2014|2013|N||F8UCL6S|\r\n"
    "RESPO|11144477735|JOSE DA SILVA|61|33334444||||\r\n"
    "DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||\r\n"
    "IDREC|0561|\r\n"
    "BPFXYZ|98765432100|JOAO PEREIRA||\r\n"
    "FIMTOLV|\r\n";

struct Execucao {
  int status = -1;
  QByteArray erro;
};

Execucao Roda(const QStringList& argumentos) {
  QProcess p;
  p.start(QStringLiteral(TOLV_ANALISA_DECLARACAO), argumentos);
  EXPECT_TRUE(p.waitForFinished(120000));
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardError()};
}

QByteArray Le(const QString& caminho) {
  QFile f(caminho);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ComandoAnalise : public testing::Test {
 protected:
  void SetUp() override {
    m_entrada = m_temp.filePath(QStringLiteral("entrada.txt"));
    QFile f(m_entrada);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kDeclaracao);
  }
  QTemporaryDir m_temp;
  QString m_entrada;
  PastaProgramaTemp m_pasta{true};
};

// The log named by another path to the file analysed: refused before either is touched.
struct CasoMesmoArquivo {
  const char* nome;
  std::function<QString(const QString& entrada, const QDir& pasta)> log;
};

class LogSobreAEntrada : public ComandoAnalise, public testing::WithParamInterface<CasoMesmoArquivo> {};

TEST_P(LogSobreAEntrada, RecusaSemTocarNaEntrada) {
  const QString log = GetParam().log(m_entrada, QDir(m_temp.path()));
  const Execucao r = Roda({m_entrada, log, m_pasta.caminho()});
  EXPECT_EQ(r.status, 2) << r.erro.toStdString();
  EXPECT_EQ(Le(m_entrada), kDeclaracao);
}

INSTANTIATE_TEST_SUITE_P(
    Caminhos, LogSobreAEntrada,
    testing::Values(
        CasoMesmoArquivo{"Igual", [](const QString& e, const QDir&) { return e; }},
        CasoMesmoArquivo{"PorOutroCaminho",
                         [](const QString&, const QDir& d) {
                           d.mkpath(QStringLiteral("sub"));
                           return d.filePath(QStringLiteral("sub/../entrada.txt"));
                         }},
        CasoMesmoArquivo{"LinkSimbolico",
                         [](const QString& e, const QDir& d) {
                           const QString link = d.filePath(QStringLiteral("dec.log"));
                           QFile::link(e, link);
                           return link;
                         }},
        CasoMesmoArquivo{"LinkFisico",
                         [](const QString& e, const QDir& d) {
                           const QString link = d.filePath(QStringLiteral("dec.log"));
                           EXPECT_EQ(::link(QFile::encodeName(e).constData(), QFile::encodeName(link).constData()), 0);
                           return link;
                         }}),
    [](const auto& info) { return std::string(info.param.nome); });

// A program folder that cannot serve: status 2 and no log, not even an empty one.
struct CasoPasta {
  const char* nome;
  std::function<QString(const QDir& temp)> pasta;
};

class PastaDoPrograma : public ComandoAnalise, public testing::WithParamInterface<CasoPasta> {};

TEST_P(PastaDoPrograma, SemPastaNaoHaLog) {
  const QString log = m_temp.filePath(QStringLiteral("saida/dec.log"));
  const Execucao r = Roda({m_entrada, log, GetParam().pasta(QDir(m_temp.path()))});
  EXPECT_EQ(r.status, 2) << r.erro.toStdString();
  EXPECT_FALSE(QFileInfo::exists(log));
  EXPECT_FALSE(QFileInfo::exists(m_temp.filePath(QStringLiteral("saida"))));
}

INSTANTIATE_TEST_SUITE_P(
    Pastas, PastaDoPrograma,
    testing::Values(CasoPasta{"Inexistente", [](const QDir& d) { return d.filePath(QStringLiteral("nada")); }},
                    CasoPasta{"SemBancoDeIndice",
                              [](const QDir& d) {
                                d.mkpath(QStringLiteral("vazia/DADOS"));
                                return d.filePath(QStringLiteral("vazia"));
                              }}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(ComandoAnalise, PastaValidaEscreveOLog) {
  const QString log = m_temp.filePath(QStringLiteral("dec.log"));
  const Execucao r = Roda({m_entrada, log, m_pasta.caminho()});
  EXPECT_EQ(r.status, 0) << r.erro.toStdString();
  EXPECT_TRUE(Le(log).startsWith("Linha: 05  Registro: BPFXYZ")) << Le(log).toStdString();
  EXPECT_EQ(Le(m_entrada), kDeclaracao);
}

}  // namespace
