// The analysis of a file whose one line holds 50 million empty fields (a 50 MB line), beside the
// bare read of the same file in the same run: the peak memory each adds (it should stay of the
// order of the line itself, not of its fields), and the processor time. Prints figures only.

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <ctime>

#include "Bancada.h"
#include "nucleo/TColecao.h"
#include "validador/LeitorLinhas.h"
#include "validador/TAnalisadorArquivo.h"
#include "validador/TLinhaStringList.h"

namespace {

constexpr qsizetype kCampos = 50'000'000;

double SegundosCpu() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

double MemoriaKb(const char* chave) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : status.readAll().split('\n'))
    if (linha.startsWith(chave)) return linha.mid(int(qstrlen(chave))).trimmed().split(' ').first().toDouble();
  return -1;
}

// The peak since the last call, above the memory in use at that call, in MB.
class Pico {
 public:
  Pico() { Reinicia(); }
  void Reinicia() {
    // Writing 5 resets the process's peak resident size to its current one.
    QFile limpa(QStringLiteral("/proc/self/clear_refs"));
    if (limpa.open(QIODevice::WriteOnly)) limpa.write("5");
    m_base = MemoriaKb("VmRSS:");
  }
  double Acima() const { return (MemoriaKb("VmHWM:") - m_base) / 1024.0; }

 private:
  double m_base = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // The revenue codes come from a copy of the index database the build made.
  bancada::PastaBancada pasta;

  const QString arquivo = pasta.path() + QStringLiteral("/linha_longa.txt");
  {
    QFile f(arquivo);
    if (!f.open(QIODevice::WriteOnly)) return 1;
    f.write("TOLV|2014|2013|N||F8UCL6S|\r\n"
            "RESPO|11144477735|JOSE DA SILVA|61|33334444||||\r\n"
            "DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||\r\n"
            "IDREC");
    const QByteArray barras(1 << 20, '|');
    for (qsizetype n = 0; n < kCampos; n += barras.size()) f.write(barras.left(qMin(barras.size(), kCampos - n)));
    f.write("\r\nFIMTOLV|\r\n");
  }
  const QString log = pasta.arquivo(QStringLiteral("TEMP/dec.log"));

  Pico pico;
  double inicio = SegundosCpu();
  {
    LeitorLinhas leitor;
    leitor.Abre(arquivo);
    QString linha;
    int64_t bytes = 0;
    TLinhaStringList lista;
    while (leitor.Le(linha, bytes)) lista.Divide(linha);
  }
  const double nuSegundos = SegundosCpu() - inicio;
  const double nuPico = pico.Acima();

  pico.Reinicia();
  inicio = SegundosCpu();
  const auto r = TAnalisadorArquivo::AnalisaArquivo(arquivo, log);
  const double analiseSegundos = SegundosCpu() - inicio;
  const double analisePico = pico.Acima();
  TColecao::FechaConexoes();

  std::printf("file: %.1f MB, one line of %lld empty fields\n", QFile(arquivo).size() / 1e6,
              static_cast<long long>(kCampos));
  std::printf("bare read and split: %.2f s processor, peak %.0f MB above the start\n", nuSegundos, nuPico);
  std::printf("analysis:            %.2f s processor, peak %.0f MB above the start  (%s, %d errors)\n",
              analiseSegundos, analisePico, r.concluido ? "finished" : "NOT finished", r.erros);
  std::printf("analysis / bare: time %.2f, peak memory %.2f\n", analiseSegundos / nuSegundos, analisePico / nuPico);
  return 0;
}
