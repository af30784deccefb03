#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>

#include "suporte/QtGtest.h"

#include "plataforma/sistema/InstanciaUnica.h"

namespace {

constexpr char kVariavelAuxiliar[] = "TOLV_INSTANCIA_AUXILIAR";

// Runs the event loop until `pronto` holds or the time runs out.
template <typename F>
bool esperaAte(F pronto, int ms = 5000) {
  const QDeadlineTimer prazo(ms);
  while (!pronto() && !prazo.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  return pronto();
}

}  // namespace

TEST(InstanciaUnica, SecondCopyAsksTheFirstToShowItselfAndLockGoesWithTheFirst) {
  QTemporaryDir dir;
  int pedidos = 0;
  {
    InstanciaUnica primeira(dir.path());
    QObject::connect(&primeira, &InstanciaUnica::pedidoParaMostrar, [&] { ++pedidos; });
    ASSERT_FALSE(primeira.existeInstanciaAnterior());
    EXPECT_TRUE(QFile::exists(primeira.caminhoTrava()));

    InstanciaUnica segunda(dir.path());
    EXPECT_TRUE(segunda.existeInstanciaAnterior());
    EXPECT_TRUE(esperaAte([&] { return pedidos == 1; }));
  }
  InstanciaUnica depois(dir.path());
  EXPECT_FALSE(depois.existeInstanciaAnterior());
}

TEST(InstanciaUnica, FolderThatCannotHoldTheLockLetsTheProgramRun) {
  QTemporaryDir dir;
  QFile arquivo(dir.path() + "/arquivo");
  ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
  arquivo.close();
  InstanciaUnica instancia(dir.path() + "/arquivo/dentro");
  EXPECT_FALSE(instancia.existeInstanciaAnterior());
}

// Run as a separate process by the test below: holds the lock until killed.
TEST(InstanciaUnicaAuxiliar, HoldsTheLockUntilKilled) {
  const QString pasta = qEnvironmentVariable(kVariavelAuxiliar);
  if (pasta.isEmpty()) GTEST_SKIP() << "only as the helper process of KilledCopyLeavesNoBlockingLock";
  InstanciaUnica instancia(pasta);
  ASSERT_FALSE(instancia.existeInstanciaAnterior());
  QObject::connect(&instancia, &InstanciaUnica::pedidoParaMostrar, [] {
    std::printf("mostrar\n");
    std::fflush(stdout);
  });
  std::printf("pronto\n");
  std::fflush(stdout);
  QEventLoop laco;
  QTimer::singleShot(30000, &laco, &QEventLoop::quit);
  laco.exec();
}

TEST(InstanciaUnica, KilledCopyLeavesNoBlockingLock) {
  QTemporaryDir dir;
  QProcess auxiliar;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert(kVariavelAuxiliar, dir.path());
  auxiliar.setProcessEnvironment(ambiente);
  auxiliar.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_filter=InstanciaUnicaAuxiliar.HoldsTheLockUntilKilled")});
  QByteArray saida;
  const auto leu = [&](const char* marca) {
    const QDeadlineTimer prazo(10000);
    while (!saida.contains(marca) && !prazo.hasExpired()) {
      auxiliar.waitForReadyRead(100);
      saida += auxiliar.readAllStandardOutput();
    }
    return saida.contains(marca);
  };
  ASSERT_TRUE(leu("pronto")) << saida.toStdString();

  InstanciaUnica segunda(dir.path());
  EXPECT_TRUE(segunda.existeInstanciaAnterior());
  EXPECT_TRUE(leu("mostrar")) << saida.toStdString();

  auxiliar.kill();  // SIGKILL: no clean-up runs, the lock file stays behind
  ASSERT_TRUE(auxiliar.waitForFinished(5000));
  ASSERT_TRUE(QFile::exists(segunda.caminhoTrava()));

  InstanciaUnica terceira(dir.path());
  EXPECT_FALSE(terceira.existeInstanciaAnterior());
  InstanciaUnica quarta(dir.path());
  EXPECT_TRUE(quarta.existeInstanciaAnterior());
}
