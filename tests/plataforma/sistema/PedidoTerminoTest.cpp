#include "plataforma/sistema/PedidoTermino.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <csignal>
#include <vector>

#include <gtest/gtest.h>

#include "plataforma/bd/Conexao.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

std::vector<int> recebidosAte(const std::vector<int>& recebidos, size_t quantos) {
  QDeadlineTimer prazo(5000);
  while (recebidos.size() < quantos && !prazo.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return recebidos;
}

volatile std::sig_atomic_t g_doTeste = 0;
extern "C" void tratadorDoTeste(int sinal) { g_doTeste = sinal; }

class SinalDeTermino : public testing::TestWithParam<int> {};

TEST_P(SinalDeTermino, ReachesTheEventLoopAndTheProcessLives) {
  PedidoTermino pedido;
  ASSERT_TRUE(pedido.ativo());
  std::vector<int> recebidos;
  QObject::connect(&pedido, &PedidoTermino::pedido, [&](int sinal) { recebidos.push_back(sinal); });
  // Nothing happens inside the handler: the request waits for the loop.
  ASSERT_EQ(::raise(GetParam()), 0);
  EXPECT_TRUE(recebidos.empty());
  EXPECT_EQ(recebidosAte(recebidos, 1), std::vector<int>{GetParam()});
}

INSTANTIATE_TEST_SUITE_P(Sinais, SinalDeTermino, testing::Values(SIGTERM, SIGINT, SIGHUP));

TEST(PedidoTermino, EveryRequestArrivesAndTheOldHandlersComeBack) {
  struct sigaction proprio {};
  proprio.sa_handler = tratadorDoTeste;
  struct sigaction antes {};
  ASSERT_EQ(::sigaction(SIGTERM, &proprio, &antes), 0);
  {
    PedidoTermino pedido;
    std::vector<int> recebidos;
    QObject::connect(&pedido, &PedidoTermino::pedido, [&](int sinal) { recebidos.push_back(sinal); });
    ::raise(SIGTERM);
    ::raise(SIGHUP);
    EXPECT_EQ(recebidosAte(recebidos, 2), (std::vector<int>{SIGTERM, SIGHUP}));
    EXPECT_EQ(g_doTeste, 0);
    // A second instance would fight the first over the handlers.
    PedidoTermino outro;
    EXPECT_FALSE(outro.ativo());
  }
  ::raise(SIGTERM);
  EXPECT_EQ(g_doTeste, SIGTERM);
  ::sigaction(SIGTERM, &antes, nullptr);
}

sighandler_t tratadorAtual(int sinal) {
  struct sigaction atual {};
  ::sigaction(sinal, nullptr, &atual);
  return atual.sa_handler;
}

TEST(PedidoTermino, KeepsItsHandlersOverTheEnginesOwn) {
  // No attachment yet in this process: the engine's first one puts its handlers in.
  PastaProgramaTemp pasta;
  const QString banco = pasta.dados() + QStringLiteral("/Tolv.FDB");
  ASSERT_TRUE(QFile::copy(PastaProgramaTemp::bancosConstruidos() + QStringLiteral("/Tolv.FDB"), banco));
  QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);
  PedidoTermino pedido;
  const sighandler_t nosso = tratadorAtual(SIGTERM);
  bd::Conexao conexao(banco);
  conexao.conecta();
  EXPECT_EQ(tratadorAtual(SIGTERM), nosso);
  EXPECT_EQ(tratadorAtual(SIGINT), nosso);
  conexao.desconecta();

  // Any other library that takes them over gives them back when asked.
  ::signal(SIGINT, SIG_IGN);
  PedidoTermino::retoma();
  EXPECT_EQ(tratadorAtual(SIGINT), nosso);
}

}  // namespace
