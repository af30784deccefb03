#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// Keeps the program to one running copy per user: a lock file plus a local socket, both named
// after the program, in one folder. The first copy holds the lock and listens; a later copy finds
// the lock held, asks the first to show its window and is expected to end. A lock left behind by
// a copy that was killed belongs to no running process and is taken over.
class InstanciaUnica : public QObject {
  Q_OBJECT
 public:
  static constexpr const char* kNome = "Tolv 2014";

  // pasta: where the lock and the socket live; empty means the user's runtime folder.
  explicit InstanciaUnica(QString pasta = {}, QObject* pai = nullptr);
  ~InstanciaUnica() override;

  // True when another copy runs (it has been asked to show its window). False when this copy is
  // the first, and also when the lock cannot be made at all: the program then runs unguarded.
  bool existeInstanciaAnterior();

  QString caminhoTrava() const;
  QString caminhoSocket() const;
  static QString pastaPadrao();

 signals:
  // Another copy was started and asks this one to bring its window to the front.
  void pedidoParaMostrar();

 private:
  void atendeConexoes();
  void pedeParaMostrar() const;

  QString m_pasta;
  std::unique_ptr<QLockFile> m_trava;
  QLocalServer* m_servidor = nullptr;
};
