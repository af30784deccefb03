// The backup of a base with a large declaration (500,000 generated lines, a fixed seed): the
// program's archive writer against "zip -1" of the same files, then the extraction against
// "unzip". Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

#include "ApiDireta.h"
#include "copia/CopiaSeguranca.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/compressao/Compressor.h"
#include "plataforma/compressao/Descompressor.h"
#include "plataforma/sistema/Pastas.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kLinhas = 500000;
constexpr unsigned kSemente = 20140228;
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

long MemoriaKb(const char* chave) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& linha : f.readAll().split('\n'))
    if (linha.startsWith(chave)) return linha.mid(linha.indexOf(':') + 1).trimmed().split(' ').value(0).toLong();
  return -1;
}
void ZeraPico() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}

// The declaration's lines with their monthly series, inserted bare and committed in batches.
void Gera(const QString& arquivo) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  api.att->execute(&st, api.tra, 0,
                   "UPDATE OR INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, IN_NATUREZADECLAR) "
                   "VALUES (1, '2', '114447770001', '2013', 'Empresa de Teste Ltda', 0) MATCHING (TOLV_DK)",
                   3, nullptr, nullptr, nullptr, nullptr);
  auto series = [](const char* prefixo) {
    QByteArray r;
    for (const char* m : {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ", "13"})
      r += QByteArray(", ") + prefixo + '_' + m;
    return r;
  };
  const QByteArray sql = "INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR" +
                         series("VL_RENDIME") + series("VL_DEDUCAO_PO") + series("VL_RETIDO") + ") VALUES (?, 1, ?, ?, ?, ?" +
                         QByteArray(", ?").repeated(39) + ")";
  IStatement* linha = api.att->prepare(&st, api.tra, 0, sql.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* meta = linha->getInputMetadata(&st);
  MensagemDireta entrada(api, meta);
  std::mt19937 rng(kSemente);
  for (int i = 1; i <= kLinhas; ++i) {
    const unsigned sorte = rng() % 100;
    const bool empresa = sorte >= 70;
    const QByteArray numero = empresa ? QByteArray::number(100000000000LL + i) : QByteArray::number(100000000 + i);
    entrada.valor(0, int32_t(i));
    entrada.texto(1, sorte < 60 ? "0561" : sorte < 70 ? "3208" : "1708");
    entrada.texto(2, empresa ? "2" : "1");
    entrada.texto(3, numero);
    entrada.texto(4, (empresa ? "EMPRESA BENEFICIÁRIA " : "Beneficiário de Teste ") + numero);
    const int64_t salario = int64_t(1000 + rng() % 900000) * 100;
    for (int m = 0; m < 13; ++m) {
      entrada.valor(unsigned(5 + m), salario);
      entrada.valor(unsigned(18 + m), m == 12 ? int64_t(0) : salario * 11 / 100 / 100 * 100);
      entrada.valor(unsigned(31 + m), salario * 15 / 100 / 100 * 100);
    }
    linha->execute(&st, api.tra, meta, entrada.dados(), nullptr, nullptr);
    if (i % 50000 == 0) api.tra->commitRetaining(&st);
  }
  meta->release();
  linha->free(&st);
}

bool Roda(const QString& programa, const QStringList& argumentos) {
  QProcess p;
  p.start(programa, argumentos);
  return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString dados = pasta.path() + QStringLiteral("/DADOS");
  const QString saida = pasta.path() + QStringLiteral("/saida");
  QDir().mkpath(dados + QStringLiteral("/TEMP"));
  QDir().mkpath(saida);
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"}) {
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome), dados + u'/' + QString::fromLatin1(nome));
    QFile::setPermissions(dados + u'/' + QString::fromLatin1(nome), QFile::ReadOwner | QFile::WriteOwner);
  }
  // TOLV_BANCO_BANCADA names a database of a large declaration generated before, kept between runs.
  const QString guardado = qEnvironmentVariable("TOLV_BANCO_BANCADA");
  const bool reusa = !guardado.isEmpty() && QFile::exists(guardado);
  const QString banco = dados + u'/' + kBanco;
  if (!QFile::copy(reusa ? guardado : QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/TOLV2014PD.FDB"), banco)) {
    std::fprintf(stderr, "não foi possível copiar o banco\n");
    return 1;
  }
  QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);
  Pastas::definePrograma(pasta.path());
  try {
    QElapsedTimer relogio;
    if (!reusa) {
      bd::Servicos::defineEscritaForcada(banco, false);
      relogio.start();
      Gera(banco);
      std::printf("declaração gerada: %d linhas em %.1f s\n", kLinhas, Segundos(relogio));
      if (!guardado.isEmpty()) QFile::copy(banco, guardado);
    }
    {
      ApiDireta indice(dados + QStringLiteral("/Tolv.FDB"));
      indice.att->execute(&indice.st, indice.tra, 0,
                          "INSERT INTO TOLVS (TOLV_DK, IN_PF_PJ, NR_PF_PJ, AN_RETENCA, NM_NM_EMPR, ARQUIVO) VALUES "
                          "(1, '2', '114447770001', '2013', 'Empresa de Teste Ltda', 'TOLV2014114447770001612013.FDB')",
                          3, nullptr, nullptr, nullptr, nullptr);
    }

    const CopiaSeguranca::Lista lista = CopiaSeguranca::ListaBase();
    if (!lista.valida()) {
      std::fprintf(stderr, "lista: %s\n", qPrintable(lista.falha));
      return 1;
    }
    int64_t bytes = 0;
    for (const QString& a : lista.arquivos) bytes += QFileInfo(a).size();
    // Both read the files from the system's cache: one reading before either is timed.
    for (const QString& a : lista.arquivos) {
      QFile f(a);
      f.open(QIODevice::ReadOnly);
      while (!f.read(1 << 20).isEmpty()) {
      }
    }

    const QString nosso = saida + QStringLiteral("/CopSeg.cmp");
    const QString deles = saida + QStringLiteral("/zip1.zip");
    double tNosso = 1e9, tZip = 1e9;
    int avisos = 0;
    for (int rodada = 0; rodada < 2; ++rodada) {
      compressao::Compressor c;
      avisos = 0;
      relogio.start();
      const CopiaSeguranca::Resultado r = CopiaSeguranca::Grava(lista, nosso, c, [&](int) { ++avisos; });
      tNosso = std::min(tNosso, Segundos(relogio));
      if (r.codigo != compressao::Concluido) {
        std::fprintf(stderr, "cópia falhou: %s\n", qPrintable(r.mensagem));
        return 1;
      }
      QFile::remove(deles);
      relogio.start();
      if (!Roda(QStringLiteral("zip"), QStringList{QStringLiteral("-1"), QStringLiteral("-j"), QStringLiteral("-q"), deles} + lista.arquivos)) {
        std::fprintf(stderr, "zip -1 falhou (instale zip)\n");
        return 1;
      }
      tZip = std::min(tZip, Segundos(relogio));
    }
    const double mb = bytes / 1e6;
    std::printf("base: %d arquivos, %.1f MB\n", int(lista.arquivos.size()), mb);
    std::printf("cópia do programa: %.2f s, %.1f MB/s, arquivo de %.1f MB (%d avisos de progresso)\n", tNosso, mb / tNosso,
                QFileInfo(nosso).size() / 1e6, avisos);
    std::printf("zip -1:            %.2f s, %.1f MB/s, arquivo de %.1f MB\n", tZip, mb / tZip, QFileInfo(deles).size() / 1e6);
    std::printf("razão de velocidade cópia / zip -1: %.2f (meta: ao menos 0,9); razão de tamanho: %.2f\n", tZip / tNosso,
                double(QFileInfo(nosso).size()) / double(QFileInfo(deles).size()));
    std::printf("unzip -t aceita a cópia: %s\n", Roda(QStringLiteral("unzip"), {QStringLiteral("-tqq"), nosso}) ? "sim" : "NÃO");

    // The extraction streams: the memory it takes does not grow with the database.
    const QString temp = dados + QStringLiteral("/TEMP");
    compressao::Descompressor d;
    const long rssAntes = MemoriaKb("VmRSS");
    ZeraPico();
    relogio.start();
    const compressao::Resultado e = d.Descomprimir(nosso, temp);
    const double tExtrai = Segundos(relogio);
    const long pico = MemoriaKb("VmHWM");
    if (e != compressao::Concluido) {
      std::fprintf(stderr, "extração falhou: %s\n", qPrintable(d.Erro()));
      return 1;
    }
    QDir(temp).removeRecursively();
    QDir().mkpath(temp);
    relogio.start();
    Roda(QStringLiteral("unzip"), {QStringLiteral("-qo"), nosso, QStringLiteral("-d"), temp});
    const double tUnzip = Segundos(relogio);
    std::printf("extração do programa: %.2f s; unzip: %.2f s; razão unzip / programa: %.2f\n", tExtrai, tUnzip,
                tUnzip / tExtrai);
    std::printf("memória: %.1f MB antes, pico de %.1f MB durante a extração (%+.1f MB)\n", rssAntes / 1024.0,
                pico / 1024.0, (pico - rssAntes) / 1024.0);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  }
  Pastas::definePrograma({});
  return 0;
}
