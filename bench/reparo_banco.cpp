// The repair of a large declaration's database (100,000 generated lines, a fixed seed): the
// program's repair (a kept copy of the original, the tools' output read while the window could
// take Parar) against the same four engine tools run bare one after the other and the restored
// file renamed. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

#include "ApiDireta.h"
#include "copia/ReparoBanco.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/ExecucaoServico.h"
#include "plataforma/bd/Servicos.h"

using Firebird::FbException;
using Firebird::IMessageMetadata;
using Firebird::IStatement;
using Firebird::ThrowStatusWrapper;

namespace {

constexpr int kLinhas = 100000;
constexpr unsigned kSemente = 20140228;
const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

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

// One tool run to its end with nothing in between, its output thrown away.
bool Roda(const QString& ferramenta, const QStringList& argumentos) {
  QProcess p;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert(QStringLiteral("ISC_USER"), QStringLiteral("sysdba"));
  ambiente.insert(QStringLiteral("ISC_PASSWORD"), QStringLiteral("quintapel"));
  p.setProcessEnvironment(ambiente);
  p.setStandardOutputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());
  p.start(bd::ExecucaoServico::localiza(ferramenta), argumentos);
  return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool RodaNuas(const QString& banco) {
  const QString gbk = QString(banco).replace(QStringLiteral(".FDB"), QStringLiteral(".GBK"));
  const QString fbk = QString(banco).replace(QStringLiteral(".FDB"), QStringLiteral(".FBK"));
  const bool ok = Roda(QStringLiteral("gfix"), {QStringLiteral("-mend"), QStringLiteral("-ignore"), banco}) &&
                  Roda(QStringLiteral("gfix"), {QStringLiteral("-validate"), QStringLiteral("-full"), QStringLiteral("-ignore"), banco}) &&
                  Roda(QStringLiteral("gbak"), {QStringLiteral("-b"), QStringLiteral("-v"), banco, gbk}) &&
                  Roda(QStringLiteral("gbak"), {QStringLiteral("-rep"), QStringLiteral("-bu"), QStringLiteral("500"),
                                                QStringLiteral("-v"), gbk, fbk}) &&
                  QFile::remove(banco) && QFile::rename(fbk, banco);
  QFile::remove(gbk);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString dados = pasta.path() + QStringLiteral("/DADOS");
  QDir().mkpath(dados);
  const QString banco = dados + u'/' + kBanco;
  if (!QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/TOLV2014PD.FDB"), banco)) {
    std::fprintf(stderr, "não foi possível copiar o banco\n");
    return 1;
  }
  QFile::setPermissions(banco, QFile::ReadOwner | QFile::WriteOwner);
  if (bd::ExecucaoServico::localiza(QStringLiteral("gbak")).isEmpty()) {
    std::fprintf(stderr, "gbak e gfix não estão instalados (firebird3.0-utils)\n");
    return 1;
  }
  try {
    QElapsedTimer relogio;
    bd::Servicos::defineEscritaForcada(banco, false);
    relogio.start();
    Gera(banco);
    std::printf("declaração gerada: %d linhas em %.1f s, banco de %.1f MB\n", kLinhas, Segundos(relogio),
                QFileInfo(banco).size() / 1e6);

    double tNosso = 1e9, tNu = 1e9;
    int linhasLog = 0, pausas = 0;
    for (int rodada = 0; rodada < 2; ++rodada) {
      ReparoBanco reparo(dados, kBanco);
      linhasLog = pausas = 0;
      relogio.start();
      const ReparoBanco::Fim fim = reparo.Executa([&](const QString&) { ++linhasLog; },
                                                  [&] {
                                                    ++pausas;
                                                    return false;
                                                  });
      tNosso = std::min(tNosso, Segundos(relogio));
      if (fim != ReparoBanco::Fim::Concluido) {
        std::fprintf(stderr, "reparo falhou: %s\n", qPrintable(reparo.Mensagem()));
        return 1;
      }
      relogio.start();
      if (!RodaNuas(banco)) {
        std::fprintf(stderr, "as ferramentas nuas falharam\n");
        return 1;
      }
      tNu = std::min(tNu, Segundos(relogio));
    }
    std::printf("reparo do programa: %.2f s (%d linhas de registro, %d olhadas pela janela)\n", tNosso, linhasLog, pausas);
    std::printf("ferramentas nuas:   %.2f s\n", tNu);
    std::printf("razão programa / ferramentas nuas: %.2f (a cópia guardada do original é a diferença esperada)\n",
                tNosso / tNu);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    Firebird::fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  }
  return 0;
}
