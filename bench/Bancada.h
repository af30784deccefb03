#pragma once

// What the benchmarks that open a declaration share: the program's folder made afresh with the
// built databases, the declaration copied from the model, and the clock.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"

namespace bancada {

inline const QString kCnpj = QStringLiteral("11444777000161");
inline const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

inline double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
inline long MemoriaKb(const char* chave) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : f.readAll().split('\n'))
    if (linha.startsWith(chave)) return linha.mid(linha.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
  return -1;
}
// The peak of resident memory counts from here on.
inline void ZeraPico() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}

// A temporary program folder with the index and the model in DADOS, the program's own for the run.
class PastaBancada {
 public:
  PastaBancada() : m_dados(m_pasta.path() + QStringLiteral("/DADOS")) {
    QDir().mkpath(m_dados);
    for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
      QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome),
                  m_dados + u'/' + QString::fromLatin1(nome));
    Pastas::definePrograma(m_pasta.path());
  }
  QString path() const { return m_pasta.path(); }
  const QString& dados() const { return m_dados; }
  // A file of DADOS.
  QString arquivo(const QString& nome) const { return m_dados + u'/' + nome; }
  // A writable copy of the model at `arquivo`; false (said on stderr) when it cannot be made.
  bool CopiaModelo(const QString& arquivo) const {
    if (!QFile::copy(m_dados + QStringLiteral("/TOLV2014PD.FDB"), arquivo)) {
      std::fprintf(stderr, "não foi possível copiar o banco modelo\n");
      return false;
    }
    QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner);
    return true;
  }

 private:
  QTemporaryDir m_pasta;
  QString m_dados;
};

// The declarant's declaration as its pages open it: key 1, its summaries zeroed.
inline void AbreDeclarante(TTolv& tolv) {
  tolv.GetContribuinte().SetNi(kCnpj);
  tolv.SetAnoCalendario(QStringLiteral("2013"));
  tolv.SetTolvDK(QStringLiteral("1"));
  tolv.GetResumo().Zera();
  tolv.GetResumoGeral().Zera();
}

}  // namespace bancada
