#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

#include <gtest/gtest.h>

#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

// The program as built, run from a fresh program folder of its own.
class ProgramaExecutavel : public testing::Test {
 protected:
  void SetUp() override {
    // Plain copies: any attachment of this process could still hold a file when the program
    // starts.
    for (const char* banco : {"Tolv.FDB", "TOLV2014PD.FDB"}) {
      const QString nome = QString::fromLatin1(banco);
      ASSERT_TRUE(QFile::copy(PastaProgramaTemp::bancosConstruidos() + u'/' + nome, pasta.dados() + u'/' + nome));
      QFile::setPermissions(pasta.dados() + u'/' + nome, QFile::ReadOwner | QFile::WriteOwner);
    }
    programa = pasta.caminho() + QStringLiteral("/tolv2014");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOLV_PROGRAMA), programa));
    QFile::setPermissions(programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.remove(QStringLiteral("LC_ALL"));
    ambiente.insert(QStringLiteral("LC_TIME"), QStringLiteral("pt_BR.UTF-8"));
    // Its single-instance lock apart from any copy the user runs.
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
    processo.setProcessEnvironment(ambiente);
    processo.setProcessChannelMode(QProcess::MergedChannels);
  }
  void TearDown() override {
    if (processo.state() != QProcess::NotRunning) {
      processo.kill();
      processo.waitForFinished();
    }
  }

  // Waits for a file the running program writes.
  bool espera(const QString& arquivo, int ms) {
    const QDeadlineTimer prazo(ms);
    while (!QFileInfo::exists(arquivo) && !prazo.hasExpired()) {
      if (processo.state() == QProcess::NotRunning) return false;
      QThread::msleep(50);
    }
    return QFileInfo::exists(arquivo);
  }

  // gfix's full validation of a database of the program folder: its report, empty when sound.
  static QString valida(const QString& banco) {
    QProcess gfix;
    gfix.setProcessChannelMode(QProcess::MergedChannels);
    gfix.start(QStringLiteral(TOLV_GFIX), {QStringLiteral("-v"), QStringLiteral("-full"), QStringLiteral("-user"),
                                           QStringLiteral("SYSDBA"), banco});
    if (!gfix.waitForFinished(60000)) return QStringLiteral("gfix não terminou");
    const QString saida = QString::fromLocal8Bit(gfix.readAll()).trimmed();
    return gfix.exitCode() == 0 ? saida : QStringLiteral("gfix %1: %2").arg(gfix.exitCode()).arg(saida);
  }

  PastaProgramaTemp pasta;
  QTemporaryDir execucao;
  QString programa;
  QProcess processo;
};

TEST_F(ProgramaExecutavel, EndsAtOnceWhenTheSystemAsksAndLeavesItsDatabasesSound) {
  if (!QFileInfo(QStringLiteral(TOLV_GFIX)).isExecutable()) GTEST_SKIP() << "gfix ausente";
  processo.start(programa);
  ASSERT_TRUE(processo.waitForStarted());
  // Written just before the index is attached; the news window then waits for the user.
  ASSERT_TRUE(espera(pasta.caminho() + QStringLiteral("/Firebird.conf"), 60000))
      << processo.readAll().toStdString();
  QThread::msleep(1500);
  ASSERT_EQ(::kill(pid_t(processo.processId()), SIGTERM), 0);
  ASSERT_TRUE(processo.waitForFinished(20000)) << "ainda rodando";
  const std::string saida = processo.readAll().toStdString();
  EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit) << saida;
  EXPECT_EQ(processo.exitCode(), 0) << saida;
  for (const char* banco : {"Tolv.FDB", "TOLV2014PD.FDB"})
    EXPECT_EQ(valida(pasta.dados() + u'/' + QString::fromLatin1(banco)), QString()) << banco;
}

// A restore cut short before it deleted a database its archive did not hold: the start completes
// it before the index opens.
TEST_F(ProgramaExecutavel, StartCompletesARestoreCutShort) {
  const QString sobra = pasta.dados() + QStringLiteral("/TOLV2014123456789092013.FDB");
  ASSERT_TRUE(QFile::copy(pasta.dados() + QStringLiteral("/TOLV2014PD.FDB"), sobra));
  const QString plano = pasta.dados() + QStringLiteral("/Restauracao.pendente");
  QFile f(plano);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("TOLV2014 RESTAURACAO 1\r\nAPAGA|TOLV2014123456789092013.FDB\r\n");
  f.close();
  processo.start(programa);
  ASSERT_TRUE(processo.waitForStarted());
  const QDeadlineTimer prazo(60000);
  while (QFileInfo::exists(plano) && !prazo.hasExpired() && processo.state() != QProcess::NotRunning)
    QThread::msleep(50);
  EXPECT_FALSE(QFileInfo::exists(plano)) << processo.readAll().toStdString();
  EXPECT_FALSE(QFileInfo::exists(sobra));
  ::kill(pid_t(processo.processId()), SIGTERM);
  processo.waitForFinished(20000);
}

// The index cannot be attached at start: the program waits on the database's message (the user's
// OK; here the system's request to end closes it) and then ends with status 1, never a crash.
TEST_F(ProgramaExecutavel, AnIndexThatCannotBeOpenedIsToldAndEndsWithStatusOne) {
  ASSERT_TRUE(QFile::remove(pasta.dados() + QStringLiteral("/Tolv.FDB")));
  processo.start(programa);
  ASSERT_TRUE(processo.waitForStarted());
  ASSERT_TRUE(espera(pasta.caminho() + QStringLiteral("/Firebird.conf"), 60000))
      << processo.readAll().toStdString();
  ASSERT_FALSE(processo.waitForFinished(3000))
      << "terminou sem esperar a mensagem, status " << processo.exitCode() << ": " << processo.readAll().toStdString();
  ASSERT_GT(processo.processId(), 0);
  ASSERT_EQ(::kill(pid_t(processo.processId()), SIGTERM), 0);
  ASSERT_TRUE(processo.waitForFinished(20000)) << "ainda rodando";
  const std::string saida = processo.readAll().toStdString();
  EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit) << saida;
  EXPECT_EQ(processo.exitCode(), 1) << saida;
}

}  // namespace
