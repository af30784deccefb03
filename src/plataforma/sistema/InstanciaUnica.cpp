#include "plataforma/sistema/InstanciaUnica.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {
constexpr char kPedidoMostrar[] = "mostrar\n";
}

InstanciaUnica::InstanciaUnica(QString pasta, QObject* pai)
    : QObject(pai), m_pasta(pasta.isEmpty() ? pastaPadrao() : std::move(pasta)) {}

InstanciaUnica::~InstanciaUnica() {
  if (m_servidor) m_servidor->close();
}

QString InstanciaUnica::pastaPadrao() {
  QString pasta = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (pasta.isEmpty()) pasta = QDir::tempPath();
  return pasta;
}

QString InstanciaUnica::caminhoTrava() const { return m_pasta + '/' + kNome + QStringLiteral(".lock"); }

QString InstanciaUnica::caminhoSocket() const { return m_pasta + '/' + kNome; }

bool InstanciaUnica::existeInstanciaAnterior() {
  if (m_trava && m_trava->isLocked()) return false;
  QDir().mkpath(m_pasta);
  m_trava = std::make_unique<QLockFile>(caminhoTrava());
  // The lock of a running copy is held by the kernel (flock) for as long as it lives, so an old
  // age alone never lets a second copy in; a dead owner's lock is removed by tryLock.
  if (!m_trava->tryLock(0)) {
    if (m_trava->error() != QLockFile::LockFailedError) return false;
    pedeParaMostrar();
    return true;
  }
  // We hold the lock: any socket file left in the folder is a dead copy's.
  QLocalServer::removeServer(caminhoSocket());
  m_servidor = new QLocalServer(this);
  m_servidor->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_servidor, &QLocalServer::newConnection, this, &InstanciaUnica::atendeConexoes);
  if (!m_servidor->listen(caminhoSocket()))
    qWarning("Tolv 2014: sem canal para a segunda cópia: %s", qPrintable(m_servidor->errorString()));
  return false;
}

void InstanciaUnica::atendeConexoes() {
  while (QLocalSocket* socket = m_servidor->nextPendingConnection()) {
    const auto le = [this, socket] {
      while (socket->canReadLine()) {
        if (socket->readLine() == kPedidoMostrar) emit pedidoParaMostrar();
      }
    };
    connect(socket, &QLocalSocket::readyRead, this, le);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    le();
  }
}

void InstanciaUnica::pedeParaMostrar() const {
  // The first copy may hold the lock and not listen yet: try for a short while.
  const QDeadlineTimer prazo(3000);
  while (!prazo.hasExpired()) {
    QLocalSocket socket;
    socket.connectToServer(caminhoSocket());
    if (socket.waitForConnected(500)) {
      socket.write(kPedidoMostrar);
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(50);
  }
}
