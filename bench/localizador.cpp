// The finder of written declarations over the default folder tree with 2,000 written files of
// 1 MB (one a folder <tax number>/<year>, every fourth with its receipt beside it), against a bare
// walk of the same tree that opens each candidate and reads the same head and tail. The files are
// sparse (head, a hole, the envelope), so the run takes little disk; both passes run on a warm
// cache. Prints figures only.

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "entrega/LocalizadorDeclaracoes.h"
#include "plataforma/integridade/EnvelopeTolv.h"

namespace {

constexpr int kArquivos = 2000;
constexpr qint64 kTamanho = 1024 * 1024;
constexpr int kRodadas = 3;

double Ms(const QElapsedTimer& r) { return r.nsecsElapsed() / 1e6; }

void Gera(const QString& raiz) {
  for (int i = 0; i < kArquivos; ++i) {
    const QString ni = QStringLiteral("%1").arg(10000000000LL + i * 7919LL, 11, 10, QLatin1Char('0'));
    const QString ano = i % 2 ? QStringLiteral("2013") : QStringLiteral("2014");
    const QString pasta = raiz + u'/' + ni + u'/' + ano;
    QDir().mkpath(pasta);
    const QString arquivo = pasta + u'/' + ni + QStringLiteral("-TOLV-2014-") + ano + QStringLiteral("-ORIGI-NORMAL.DEC");
    {
      QFile f(arquivo);
      if (!f.open(QIODevice::WriteOnly)) return;
      f.write("TOLV|2014|" + ano.toLatin1() + "|N|12345|F8UCL6S|\r\nRESPO|11144477735|ANA SOUZA|\r\nDECPF|" +
              ni.toLatin1() + "|BENEFICIARIO DE TESTE|\r\n");
      f.resize(kTamanho - 4096);
      f.seek(f.size());
      f.write("FIMTOLV|\r\n");
    }
    EnvelopeTolv envelope;
    envelope.Abrir(1, arquivo);
    envelope.SetValor(QStringLiteral("controle_bvd"), QStringLiteral("%1").arg(1000000000 + i));
    envelope.SalvarEnvelope();
    if (i % 4 == 0) {
      QFile recibo(arquivo.chopped(3) + QStringLiteral("REC"));
      if (recibo.open(QIODevice::WriteOnly)) recibo.write("recibo");
    }
  }
}

// The same tree, the same files opened (those without a receipt), their first three lines and
// last 4 KiB read.
int Nua(const QString& raiz) {
  int lidos = 0;
  QDirIterator it(raiz, {QStringLiteral("*.DEC")}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString arquivo = it.next();
    if (QFile::exists(arquivo.chopped(3) + QStringLiteral("REC"))) continue;
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) continue;
    for (int l = 0; l < 3; ++l) f.readLine(64 * 1024);
    f.seek(qMax<qint64>(0, f.size() - 4096));
    if (!f.read(4096).isEmpty()) ++lidos;
  }
  return lidos;
}

}  // namespace

int main() {
  QTemporaryDir pasta;
  const QString raiz = pasta.path() + QStringLiteral("/Declaracoes Gravadas BVD/Tolv2014");
  QElapsedTimer relogio;
  relogio.start();
  Gera(raiz);
  std::printf("localizador: %d arquivos de %lld bytes gerados em %.0f ms\n", kArquivos, kTamanho, Ms(relogio));

  double melhorLocalizador = 1e18, melhorNua = 1e18;
  int listadas = 0, lidos = 0;
  for (int r = 0; r < kRodadas; ++r) {
    relogio.restart();
    bd::ConjuntoMemoria lista(LocalizadorDeclaracoes::Colunas());
    listadas = LocalizadorDeclaracoes::PesquisaPasta(raiz, true, false, lista);
    LocalizadorDeclaracoes::Ordena(lista);
    melhorLocalizador = qMin(melhorLocalizador, Ms(relogio));
    relogio.restart();
    lidos = Nua(raiz);
    melhorNua = qMin(melhorNua, Ms(relogio));
  }
  std::printf("localizador: %d declarações sem recibo listadas em %.1f ms (melhor de %d)\n", listadas, melhorLocalizador,
              kRodadas);
  std::printf("caminhada nua: %d arquivos, cabeça e cauda lidas em %.1f ms\n", lidos, melhorNua);
  std::printf("razão localizador / caminhada nua: %.2f\n", melhorLocalizador / melhorNua);
  return 0;
}
