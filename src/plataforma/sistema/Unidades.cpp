#include "plataforma/sistema/Unidades.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

QString semBarraFinal(QString caminho) {
  while (caminho.size() > 1 && caminho.endsWith('/')) caminho.chop(1);
  return caminho;
}

bool contem(const QString& raiz, const QString& caminho) {
  if (raiz == QLatin1String("/")) return caminho.startsWith('/');
  return caminho == raiz || caminho.startsWith(raiz + '/');
}

class UnidadesDoSistema : public IUnidades {
 public:
  std::vector<Unidade> lista() const override {
    std::vector<Unidade> r;
    const QString casa = fixaPadrao();
    r.push_back({casa, TipoUnidade::Fixa, QFileInfo(casa).fileName(), true});
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
      const QString dispositivo = QString::fromLocal8Bit(v.device());
      const QByteArray fs = v.fileSystemType();
      // Only volumes of block devices are drives; snaps and system partitions are not.
      if (!v.isValid() || !dispositivo.startsWith(QLatin1String("/dev/")) || fs == "squashfs") continue;
      const QString raiz = semBarraFinal(v.rootPath());
      if (raiz == QLatin1String("/boot") || raiz.startsWith(QLatin1String("/boot/")) || raiz == casa) continue;
      Unidade u;
      u.raiz = raiz;
      u.tipo = UnidadesSistema::tipo(fs, UnidadesSistema::removivel(dispositivo));
      u.nome = v.name().isEmpty() ? QFileInfo(raiz).fileName() : v.name();
      u.pronta = v.isReady();
      r.push_back(u);
    }
    return r;
  }

  QString fixaPadrao() const override { return semBarraFinal(QDir::homePath()); }
};

const IUnidades& sistema() {
  static const UnidadesDoSistema u;
  return u;
}

const IUnidades* g_instaladas = nullptr;

QString leLinha(const QString& arquivo) {
  QFile f(arquivo);
  return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QString();
}

}  // namespace

const IUnidades& Unidades() { return g_instaladas ? *g_instaladas : sistema(); }

const IUnidades* InstalaUnidades(const IUnidades* unidades) {
  const IUnidades* anterior = g_instaladas;
  g_instaladas = unidades;
  return anterior;
}

std::optional<Unidade> UnidadeDoCaminho(const QString& caminho) {
  const QString alvo = QDir::cleanPath(caminho);
  std::optional<Unidade> melhor;
  for (const Unidade& u : Unidades().lista()) {
    if (!contem(u.raiz, alvo)) continue;
    if (!melhor || u.raiz.size() > melhor->raiz.size()) melhor = u;
  }
  return melhor;
}

namespace UnidadesSistema {

TipoUnidade tipo(const QByteArray& sistemaArquivos, bool removivel) {
  if (sistemaArquivos == "iso9660" || sistemaArquivos == "udf") return TipoUnidade::CD;
  return removivel ? TipoUnidade::Removivel : TipoUnidade::Fixa;
}

bool removivel(const QString& dispositivo, const QString& raizSys) {
  const QString nome = QFileInfo(QFileInfo(dispositivo).canonicalFilePath()).fileName();
  if (nome.isEmpty()) return false;
  QString bloco = QFileInfo(raizSys + QStringLiteral("/class/block/") + nome).canonicalFilePath();
  if (bloco.isEmpty()) return false;
  // A partition's flags are those of its disk, one folder up.
  if (QFileInfo::exists(bloco + QStringLiteral("/partition"))) bloco = QFileInfo(bloco).path();
  return leLinha(bloco + QStringLiteral("/removable")) == QLatin1String("1") ||
         bloco.contains(QLatin1String("/usb"));
}

}  // namespace UnidadesSistema
