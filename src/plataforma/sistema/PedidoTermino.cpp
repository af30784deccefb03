#include "plataforma/sistema/PedidoTermino.h"

#include <QSocketNotifier>
#include <QtDebug>

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSinais{SIGTERM, SIGINT, SIGHUP};

// Written by the handler, read by the notifier; -1 while no instance lives.
volatile sig_atomic_t g_escrita = -1;

extern "C" void trataSinal(int sinal) {
  const int erroSalvo = errno;
  const char byte = char(sinal);
  // A full socket already holds a request: dropping this one loses nothing.
  [[maybe_unused]] const ssize_t escritos = ::write(g_escrita, &byte, 1);
  errno = erroSalvo;
}

void instalaTratador() {
  struct sigaction acao {};
  acao.sa_handler = trataSinal;
  sigemptyset(&acao.sa_mask);
  acao.sa_flags = SA_RESTART;
  for (const int sinal : kSinais) ::sigaction(sinal, &acao, nullptr);
}

}  // namespace

struct PedidoTermino::Anteriores {
  std::array<struct sigaction, kSinais.size()> acoes{};
  int leitura = -1;
};

PedidoTermino::PedidoTermino(QObject* pai) : QObject(pai), m_anteriores(std::make_unique<Anteriores>()) {
  if (g_escrita != -1) {
    qWarning("Tolv 2014: os sinais de término já são tratados");
    return;
  }
  int pares[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pares) != 0) {
    qWarning("Tolv 2014: não foi possível criar o par de sockets dos sinais: %s", strerror(errno));
    return;
  }
  g_escrita = pares[0];
  m_anteriores->leitura = pares[1];
  m_notificador = new QSocketNotifier(qintptr(pares[1]), QSocketNotifier::Read, this);
  connect(m_notificador, &QSocketNotifier::activated, this, &PedidoTermino::le);

  for (size_t i = 0; i < kSinais.size(); ++i) ::sigaction(kSinais[i], nullptr, &m_anteriores->acoes[i]);
  instalaTratador();
  m_ativo = true;
}

void PedidoTermino::retoma() {
  if (instalado()) instalaTratador();
}

bool PedidoTermino::instalado() { return g_escrita != -1; }

PedidoTermino::~PedidoTermino() {
  if (!m_ativo) return;
  for (size_t i = 0; i < kSinais.size(); ++i) ::sigaction(kSinais[i], &m_anteriores->acoes[i], nullptr);
  delete m_notificador;
  ::close(m_anteriores->leitura);
  ::close(g_escrita);
  g_escrita = -1;
}

void PedidoTermino::le() {
  char bytes[16];
  for (;;) {
    const ssize_t lidos = ::read(m_anteriores->leitura, bytes, sizeof bytes);
    if (lidos <= 0) break;
    for (ssize_t i = 0; i < lidos; ++i) emit pedido(int(static_cast<unsigned char>(bytes[i])));
  }
}
