#include "plataforma/bd/ExecucaoServico.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include "plataforma/bd/ErroBanco.h"

namespace bd {

namespace {

// A verbose backup prints a line per object: only the end is worth keeping.
constexpr qsizetype kLinhasGuardadas = 400;

}  // namespace

ExecucaoServico::ExecucaoServico(QString ferramenta, QStringList argumentos)
    : m_ferramenta(std::move(ferramenta)), m_argumentos(std::move(argumentos)) {}

ExecucaoServico::~ExecucaoServico() { encerra(); }

ExecucaoServico::ExecucaoServico(ExecucaoServico&&) noexcept = default;

ExecucaoServico& ExecucaoServico::operator=(ExecucaoServico&& o) noexcept {
  if (this != &o) {
    encerra();
    m_ferramenta = std::move(o.m_ferramenta);
    m_argumentos = std::move(o.m_argumentos);
    m_processo = std::move(o.m_processo);
    m_pendente = std::move(o.m_pendente);
    m_saida = std::move(o.m_saida);
    m_fim = o.m_fim;
    m_parada = o.m_parada;
    m_excedeu = o.m_excedeu;
    m_limite = o.m_limite;
    m_relogio = o.m_relogio;
    m_codigo = o.m_codigo;
    m_caiu = o.m_caiu;
  }
  return *this;
}

QString ExecucaoServico::localiza(const QString& ferramenta) {
  QString caminho = QStandardPaths::findExecutable(ferramenta);
  if (caminho.isEmpty())
    caminho = QStandardPaths::findExecutable(ferramenta, {QStringLiteral("/usr/bin"), QStringLiteral("/opt/firebird/bin")});
  return caminho;
}

void ExecucaoServico::inicia() {
  if (m_processo) throw ErroBanco(QStringLiteral("O programa %1 já foi iniciado.").arg(m_ferramenta));
  const QString caminho = localiza(m_ferramenta);
  if (caminho.isEmpty())
    throw ErroBanco(QStringLiteral("O programa %1 do banco de dados não está instalado.").arg(m_ferramenta));
  m_processo = std::make_unique<QProcess>();
  m_processo->setProcessChannelMode(QProcess::MergedChannels);
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  // The login goes through the environment, out of the command line that anyone can list.
  ambiente.insert(QStringLiteral("ISC_USER"), QStringLiteral("sysdba"));
  ambiente.insert(QStringLiteral("ISC_PASSWORD"), QStringLiteral("quintapel"));
  m_processo->setProcessEnvironment(ambiente);
  m_relogio.start();
  m_processo->start(caminho, m_argumentos, QIODevice::ReadOnly);
  if (!m_processo->waitForStarted(30000)) {
    const QString motivo = m_processo->errorString();
    m_processo.reset();
    throw ErroBanco(QStringLiteral("Não foi possível executar o programa %1: %2").arg(m_ferramenta, motivo));
  }
}

void ExecucaoServico::guarda(const QString& linha, QStringList& novas) {
  QString limpa = linha;
  if (limpa.endsWith(u'\r')) limpa.chop(1);
  novas << limpa;
  m_saida << limpa;
  if (m_saida.size() > kLinhasGuardadas) m_saida.removeFirst();
}

QStringList ExecucaoServico::leLinhas(int espera) {
  QStringList novas;
  if (!m_processo || m_fim) return novas;
  // A damaged file can keep the engine busy for good: nobody waits past the limit.
  if (m_limite > 0 && m_relogio.hasExpired(qint64(m_limite) * 1000)) {
    m_excedeu = true;
    para();
    return novas;
  }
  if (m_processo->bytesAvailable() == 0 && !m_processo->waitForReadyRead(espera))
    m_processo->waitForFinished(0);  // notices an end that came without output
  m_pendente += m_processo->readAll();
  const bool acabou = m_processo->state() == QProcess::NotRunning;
  if (acabou) m_pendente += m_processo->readAll();
  for (qsizetype quebra; (quebra = m_pendente.indexOf('\n')) >= 0;) {
    guarda(QString::fromLocal8Bit(m_pendente.left(quebra)), novas);
    m_pendente.remove(0, quebra + 1);
  }
  if (acabou) {
    if (!m_pendente.isEmpty()) guarda(QString::fromLocal8Bit(m_pendente), novas);
    m_pendente.clear();
    m_caiu = m_processo->exitStatus() == QProcess::CrashExit;
    m_codigo = m_processo->exitCode();
    m_fim = true;
  }
  return novas;
}

void ExecucaoServico::para() {
  if (!m_processo || m_fim) return;
  m_parada = true;
  encerra();
  m_fim = true;
}

void ExecucaoServico::encerra() {
  if (!m_processo || m_processo->state() == QProcess::NotRunning) return;
  m_processo->terminate();
  if (!m_processo->waitForFinished(2000)) {
    m_processo->kill();
    m_processo->waitForFinished(10000);
  }
}

void ExecucaoServico::confereFim() const {
  if (!m_processo) throw ErroBanco(QStringLiteral("O programa %1 não foi iniciado.").arg(m_ferramenta));
  if (m_excedeu)
    throw ErroBanco(QStringLiteral("O programa %1 não terminou em %2 segundos e foi interrompido.").arg(m_ferramenta).arg(m_limite));
  if (m_parada) throw ErroBanco(QStringLiteral("O programa %1 foi interrompido.").arg(m_ferramenta));
  if (!m_fim) throw ErroBanco(QStringLiteral("O programa %1 ainda não terminou.").arg(m_ferramenta));
  if (!m_caiu && m_codigo == 0) return;
  // The tool's own error lines ("gbak: ERROR:..."), or else its last words.
  QStringList motivo;
  for (const QString& linha : m_saida) {
    const qsizetype erro = linha.indexOf(QStringLiteral("ERROR:"));
    if (erro >= 0) motivo << linha.mid(erro + 6).trimmed();
  }
  if (motivo.isEmpty()) {
    for (qsizetype i = m_saida.size() - 1; i >= 0 && motivo.size() < 3; --i)
      if (!m_saida[i].trimmed().isEmpty()) motivo.prepend(m_saida[i].trimmed());
  }
  if (motivo.isEmpty())
    motivo << (m_caiu ? QStringLiteral("terminou de forma anormal") : QStringLiteral("código de saída %1").arg(m_codigo));
  throw ErroBanco(QStringLiteral("O programa %1 falhou: %2").arg(m_ferramenta, motivo.join(u'\n')));
}

}  // namespace bd
