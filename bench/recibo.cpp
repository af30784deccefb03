// The checks before a delivery receipt prints, over a written declaration of one million lines
// (with its envelope): the digest of the file without the envelope against `md5sum` on the same
// file, and the extract against a bare reading of the same lines. Both on a warm cache, best of
// three. Prints figures only.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

#include "plataforma/integridade/EnvelopeTolv.h"
#include "relatorios/recibo/ConferenciaRecibo.h"
#include "relatorios/recibo/ExtratoDeclaracao.h"
#include "relatorios/recibo/LinhasArquivo.h"

namespace {

constexpr int kLinhas = 1000000;
constexpr int kRodadas = 3;

double Ms(const QElapsedTimer& r) { return r.nsecsElapsed() / 1e6; }

// Header, declarant, and beneficiaries with their monthly amounts, as the writer lays them out.
bool Gera(const QString& arquivo) {
  QFile f(arquivo);
  if (!f.open(QIODevice::WriteOnly)) return false;
  QByteArray bloco;
  bloco += "TOLV|2014|2013|N||F8UCL6S|\r\nRESPO|22233344405|MARIA JOSE|61|33334444|||M@X.COM|\r\n"
           "DECPJ|11444777000161|PADARIA PAO D'AGUA LTDA|0|11144477735|N|S|S|S|S|S|N||\r\nIDREC|0561|\r\n";
  int linhas = 4;
  for (int i = 0; linhas < kLinhas - 1; ++i) {
    bloco += "BPFDEC|" + QByteArray::number(10000000000LL + i) + "|BENEFICIARIO NUMERO " + QByteArray::number(i) + "||\r\n";
    bloco += "RTRT|" + QByteArray::number(100000 + i % 977) + "|100001||||||||||" + QByteArray::number(i % 50000) + "|\r\n";
    bloco += "RTIRF|1234|67||||||||||||\r\n";
    linhas += 3;
    if (bloco.size() > (1 << 20)) {
      if (f.write(bloco) != bloco.size()) return false;
      bloco.clear();
    }
  }
  bloco += "FIMTOLV|\r\n";
  if (f.write(bloco) != bloco.size()) return false;
  f.close();
  QFile leitura(arquivo);
  if (!leitura.open(QIODevice::ReadOnly)) return false;
  QCryptographicHash md5(QCryptographicHash::Md5);
  md5.addData(&leitura);
  EnvelopeTolv e;
  return e.Abrir(1, arquivo) == EnvelopeTolv::kOk &&
         e.SetValorB64(QStringLiteral("hash_arquivo"), md5.result()) == EnvelopeTolv::kOk &&
         e.SetValor(QStringLiteral("controle_bvd"), QStringLiteral("2270759598")) == EnvelopeTolv::kOk &&
         e.SalvarEnvelope() == EnvelopeTolv::kOk;
}

// md5sum's own time, from the start of its process to its end.
double Md5sum(const QString& programa, const QString& arquivo, bool& ok) {
  QElapsedTimer relogio;
  relogio.start();
  QProcess p;
  p.start(programa, {arquivo});
  ok = p.waitForFinished(-1) && p.exitCode() == 0;
  return Ms(relogio);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("11444777000161-TOLV-2014-2013-ORIGI-NORMAL.DEC"));
  QElapsedTimer relogio;
  relogio.start();
  if (!Gera(arquivo)) {
    std::fprintf(stderr, "não foi possível gerar a declaração\n");
    return 1;
  }
  const qint64 tamanho = QFile(arquivo).size();
  std::printf("recibo: declaração de %d linhas (%lld bytes) gerada em %.0f ms\n", kLinhas, tamanho, Ms(relogio));
  const QString md5sum = QStandardPaths::findExecutable(QStringLiteral("md5sum"));
  if (md5sum.isEmpty()) {
    std::fprintf(stderr, "md5sum não encontrado\n");
    return 1;
  }

  double melhorRecibo = 1e18, melhorMd5sum = 1e18, melhorExtrato = 1e18, melhorNua = 1e18;
  bool confere = false;
  int64_t beneficiarios = 0, lidas = 0;
  for (int r = 0; r < kRodadas; ++r) {
    relogio.restart();
    const auto calculado = ConferenciaRecibo::CalcularHashDeclaracao(arquivo);
    melhorRecibo = qMin(melhorRecibo, Ms(relogio));
    confere = ConferenciaRecibo::ConfereHash(calculado, ConferenciaRecibo::LerHashEnvelope(arquivo));

    bool ok = false;
    const double t = Md5sum(md5sum, arquivo, ok);
    if (!ok) {
      std::fprintf(stderr, "md5sum falhou\n");
      return 1;
    }
    melhorMd5sum = qMin(melhorMd5sum, t);

    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    relogio.restart();
    LinhasArquivo linhas(f);
    beneficiarios = ExtratoDeclaracao::Preenche(linhas).Contador(ExtratoDeclaracao::BeneficiariosPF);
    melhorExtrato = qMin(melhorExtrato, Ms(relogio));

    f.seek(0);
    relogio.restart();
    LinhasArquivo nua(f);
    QByteArrayView l;
    lidas = 0;
    while (nua.Proxima(l)) ++lidas;
    melhorNua = qMin(melhorNua, Ms(relogio));
  }
  std::printf("recibo: digesto sem o envelope em %.1f ms (%s)\n", melhorRecibo, confere ? "confere" : "NÃO confere");
  std::printf("md5sum: mesmo arquivo em %.1f ms\n", melhorMd5sum);
  std::printf("razao recibo/md5sum: %.2f\n", melhorMd5sum / melhorRecibo);
  std::printf("extrato: %lld beneficiários PF em %.1f ms; leitura nua de %lld linhas em %.1f ms\n",
              static_cast<long long>(beneficiarios), melhorExtrato, static_cast<long long>(lidas), melhorNua);
  std::printf("razão extrato / leitura nua: %.2f\n", melhorExtrato / melhorNua);
  return 0;
}
