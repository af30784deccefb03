#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace bd {

// One run of an engine tool (gfix, gbak) as a child process, through the embedded engine on local
// files with the program's login, so that it can be stopped at any moment. The engine inside the
// child needs each file free: no connection of this process may hold it meanwhile. Move-only; the
// destructor stops a tool that still runs.
class ExecucaoServico {
 public:
  ExecucaoServico(QString ferramenta, QStringList argumentos);
  ~ExecucaoServico();
  ExecucaoServico(ExecucaoServico&&) noexcept;
  ExecucaoServico& operator=(ExecucaoServico&&) noexcept;
  ExecucaoServico(const ExecucaoServico&) = delete;
  ExecucaoServico& operator=(const ExecucaoServico&) = delete;

  const QString& ferramenta() const { return m_ferramenta; }
  const QStringList& argumentos() const { return m_argumentos; }

  // A tool that runs longer than this is stopped and fails (0: no limit, the default).
  void defineLimite(int segundos) { m_limite = segundos; }
  int limite() const { return m_limite; }

  // Raises ErroBanco when the tool is not installed or cannot be started.
  void inicia();
  // Waits at most `espera` ms for output and returns the whole lines that came, in order; once
  // the tool ended, the last line too, even without its line break. Past the limit it stops the
  // tool.
  QStringList leLinhas(int espera);
  // The tool ended (or was stopped) and its output was read to the end.
  bool terminou() const { return m_fim; }
  bool parada() const { return m_parada; }
  // Stops a running tool: asked to end, killed when it does not within a moment; returns once it
  // is gone, so that the files it had open are free.
  void para();
  // After the end: raises ErroBanco with the tool's own message when it failed or was stopped.
  void confereFim() const;
  // The last lines of its output (a verbose run's early lines are dropped).
  const QStringList& saida() const { return m_saida; }

  // The path of an engine tool; empty when it is not installed.
  static QString localiza(const QString& ferramenta);

 private:
  void guarda(const QString& linha, QStringList& novas);
  void encerra();

  QString m_ferramenta;
  QStringList m_argumentos;
  std::unique_ptr<QProcess> m_processo;
  QByteArray m_pendente;
  QStringList m_saida;
  bool m_fim = false;
  bool m_parada = false;
  bool m_excedeu = false;
  int m_limite = 0;
  QElapsedTimer m_relogio;
  int m_codigo = 0;
  bool m_caiu = false;
};

}  // namespace bd
