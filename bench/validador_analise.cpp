// The analysis of a declaration text file of the current layout with 500,000 beneficiary lines
// (a beneficiary and three monthly series each, about 2 million file lines): every line tested as
// a line, as a record with its fields and against the declaration's rules, against the bare read
// and split of the same file in the same run; with the peak memory after a file of half the size
// and after the whole one (it should not grow with the file). Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>
#include <ctime>

#include "nucleo/Cpf.h"
#include "nucleo/TColecao.h"
#include "plataforma/sistema/Pastas.h"
#include "validador/LeitorLinhas.h"
#include "validador/TAnalisadorArquivo.h"
#include "validador/TLinhaStringList.h"

namespace {

// Processor time of this thread: the machine may be shared with other work.
double SegundosCpu() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// The peak resident memory of the process so far, in MB.
double PicoMemoria() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : status.readAll().split('\n'))
    if (linha.startsWith("VmHWM:")) return linha.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
  return -1;
}

void GeraArquivo(const QString& caminho, int beneficiarios) {
  QFile arquivo(caminho);
  if (!arquivo.open(QIODevice::WriteOnly)) return;
  QByteArray bloco =
      "TOLV|2014|2013|N||F8UCL6S|\r\n"
      "RESPO|11144477735|JOSE DA SILVA|61|33334444||||\r\n"
      "DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||\r\n"
      "IDREC|0561|\r\n";
  for (int i = 0; i < beneficiarios; ++i) {
    const QString base = QString::number(100000000 + 7 * i);
    // Consonant and vowel in turn: no letter repeats, as a name allows.
    QByteArray nome = "BENEFICIARIO ";
    for (int n = i + 1, p = 0; n > 0; n /= 10, ++p) {
      nome += "BCDFGHJKLM"[n % 10];
      nome += "AEIOU"[p % 5];
    }
    bloco += "BPFDEC|" + (base + TCpf::CalculaDVCpf(base)).toLatin1() + '|' + nome + " SILVA||\r\n";
    for (const char* serie : {"RTRT", "RTPO", "RTIRF"}) {
      bloco += serie;
      bloco += '|';
      for (int mes = 0; mes < 13; ++mes) {
        bloco += QByteArray::number(100000 + (i * 13 + mes) % 900000);
        bloco += '|';
      }
      bloco += "\r\n";
    }
    if (bloco.size() > (1 << 20)) {
      arquivo.write(bloco);
      bloco.clear();
    }
  }
  bloco += "FIMTOLV|\r\n";
  arquivo.write(bloco);
}

double LeituraNua(const QString& caminho, int64_t& linhas) {
  double melhor = 1e300;
  for (int vez = 0; vez < 2; ++vez) {
    const double inicio = SegundosCpu();
    linhas = 0;
    LeitorLinhas leitor;
    leitor.Abre(caminho);
    QString linha;
    int64_t bytes = 0;
    TLinhaStringList lista;
    while (leitor.Le(linha, bytes)) {
      lista.Divide(linha);
      ++linhas;
    }
    melhor = std::min(melhor, SegundosCpu() - inicio);
  }
  return melhor;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  // The revenue codes come from a copy of the index database the build made.
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS/TEMP"));
  QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/Tolv.FDB"), pasta.path() + QStringLiteral("/DADOS/Tolv.FDB"));
  QFile::setPermissions(pasta.path() + QStringLiteral("/DADOS/Tolv.FDB"), QFile::ReadOwner | QFile::WriteOwner);
  Pastas::definePrograma(pasta.path());

  const QString metade = pasta.path() + QStringLiteral("/metade.txt");
  const QString inteiro = pasta.path() + QStringLiteral("/inteiro.txt");
  GeraArquivo(metade, 250000);
  GeraArquivo(inteiro, 500000);
  const QString log = qEnvironmentVariableIsSet("TOLV_LOG_BANCADA") ? qEnvironmentVariable("TOLV_LOG_BANCADA") : pasta.path() + QStringLiteral("/DADOS/TEMP/dec.log");
  const double picoInicial = PicoMemoria();

  const auto rMetade = TAnalisadorArquivo::AnalisaArquivo(metade, log);
  const double picoMetade = PicoMemoria();

  // Bare pass and analysis in turn, three rounds: the ratio of each round is taken under the same
  // load of the machine, and the middle one is told.
  int64_t linhasNuas = 0;
  double nu = 1e300, analise = 1e300;
  std::vector<double> razoes;
  TAnalisadorArquivo::Resultado r;
  for (int rodada = 0; rodada < 3; ++rodada) {
    const double nuRodada = LeituraNua(inteiro, linhasNuas);
    const double inicio = SegundosCpu();
    r = TAnalisadorArquivo::AnalisaArquivo(inteiro, log);
    const double analiseRodada = SegundosCpu() - inicio;
    nu = std::min(nu, nuRodada);
    analise = std::min(analise, analiseRodada);
    razoes.push_back(nuRodada / analiseRodada);
  }
  std::sort(razoes.begin(), razoes.end());
  const double picoInteiro = PicoMemoria();
  TColecao::FechaConexoes();

  std::printf("file: %lld lines, %.1f MB, 500000 beneficiaries\n", static_cast<long long>(linhasNuas),
              QFile(inteiro).size() / 1e6);
  std::printf("bare read and split (best, processor time): %.2f s  %.0f lines/s\n", nu, linhasNuas / nu);
  std::printf("analysis (best, processor time):           %.2f s  %.0f lines/s  (%s, %d errors, %d warnings)\n", analise,
              linhasNuas / analise, r.concluido ? "finished" : "NOT finished", r.erros, r.avisos);
  std::printf("ratio of analysis rate to bare rate: %.2f middle of three rounds (%.2f to %.2f; goal at least 0.20)\n",
              razoes[1], razoes[0], razoes[2]);
  std::printf("peak memory: %.1f MB before, %.1f MB after half the file (%s), %.1f MB after the whole file\n",
              picoInicial, picoMetade, rMetade.concluido ? "finished" : "NOT finished", picoInteiro);
  return 0;
}
