// Rate of stored-procedure calls through the database layer against a bare loop on the
// engine's OO API, on one scratch copy of the template database. Prints figures only.

#include <firebird/Interface.h>

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ApiDireta.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Procedimento.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"

using namespace Firebird;

namespace {

constexpr int kChamadas = 100000;
constexpr int kRodadas = 5;

const char* kProcedimento =
    "SET TERM ^ ;\n"
    "CREATE PROCEDURE BENCH_LINHA (ID INTEGER, NUMERO VARCHAR(14), NOME VARCHAR(60), "
    "RENDIMENTO NUMERIC(18,4), RETIDO NUMERIC(18,2), DATA_LAUDO DATE) "
    "RETURNS (RESULTADO INTEGER, TOTAL NUMERIC(18,4)) AS BEGIN\n"
    "  RESULTADO = ID + CHAR_LENGTH(NUMERO) + CHAR_LENGTH(NOME) + EXTRACT(DAY FROM DATA_LAUDO);\n"
    "  TOTAL = RENDIMENTO - RETIDO;\n"
    "END^\n"
    "SET TERM ; ^\n";

double camada(const QString& arquivo, int64_t& soma) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao t(conexao, {"read_committed", "rec_version", "nowait"});
  bd::Procedimento p(t, QStringLiteral("BENCH_LINHA"));
  const QString numero = QStringLiteral("12345678909");
  const QString nome = QStringLiteral("José da Conceição Beneficiário");
  const QDate data(2013, 7, 15);
  p.prepara();
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kChamadas; ++i) {
    p.param(QStringLiteral("ID"), i);
    p.param(QStringLiteral("NUMERO"), numero);
    p.param(QStringLiteral("NOME"), nome);
    p.param(QStringLiteral("RENDIMENTO"), bd::DezMilesimos{12345678 + i});
    p.param(QStringLiteral("RETIDO"), bd::DezMilesimos{1234500});
    p.param(QStringLiteral("DATA_LAUDO"), data);
    p.executa();
    soma += p.saida(QStringLiteral("RESULTADO")).inteiro() + p.saida(QStringLiteral("TOTAL")).dezMilesimos();
  }
  const double segundos = relogio.nsecsElapsed() / 1e9;
  t.commit();
  return segundos;
}

double direto(const QString& arquivo, int64_t& soma) {
  ApiDireta api(arquivo);
  ThrowStatusWrapper& st = api.st;
  const char* sql = "EXECUTE PROCEDURE BENCH_LINHA(?, ?, ?, ?, ?, ?)";
  IStatement* stmt = api.att->prepare(&st, api.tra, 0, sql, 3, IStatement::PREPARE_PREFETCH_METADATA);
  IMessageMetadata* entrada = stmt->getInputMetadata(&st);
  IMessageMetadata* saida = stmt->getOutputMetadata(&st);
  MensagemDireta in(api, entrada);
  std::vector<unsigned char> out(saida->getMessageLength(&st));
  const unsigned offResultado = saida->getOffset(&st, 0);
  const unsigned offTotal = saida->getOffset(&st, 1);
  const QByteArray numero = QByteArray("12345678909");
  const QByteArray nome = QStringLiteral("José da Conceição Beneficiário").toUtf8();
  const ISC_DATE data = api.util->encodeDate(2013, 7, 15);
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kChamadas; ++i) {
    in.valor(0, int32_t(i));
    in.texto(1, numero);
    in.texto(2, nome);
    in.valor(3, int64_t(12345678 + i));  // scale -4
    in.valor(4, int64_t(12345));         // scale -2
    in.valor(5, data);
    stmt->execute(&st, api.tra, entrada, in.dados(), saida, out.data());
    int32_t resultado;
    int64_t total;
    std::memcpy(&resultado, &out[offResultado], 4);
    std::memcpy(&total, &out[offTotal], 8);
    soma += resultado + total;
  }
  const double segundos = relogio.nsecsElapsed() / 1e9;
  entrada->release();
  saida->release();
  stmt->free(&st);
  return segundos;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("BENCH.FDB"));
  if (!QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/TOLV2014PD.FDB"), arquivo)) {
    std::fprintf(stderr, "não foi possível copiar o banco modelo\n");
    return 1;
  }
  QFile::setPermissions(arquivo, QFile::ReadOwner | QFile::WriteOwner);
  try {
    bd::Servicos::defineEscritaForcada(arquivo, false);
    {
      bd::Conexao conexao(arquivo);
      conexao.conecta();
      bd::Transacao t(conexao);
      bd::Script(t).executa(QString::fromUtf8(kProcedimento));
      t.commit();
    }
    // Rounds alternate, each on an attachment of its own; the best round of each counts, so
    // that the load of the machine weighs as little as possible.
    int64_t somaCamada = 0;
    int64_t somaDireta = 0;
    double tCamada = 1e9;
    double tDireto = 1e9;
    for (int rodada = 0; rodada < kRodadas; ++rodada) {
      somaCamada = somaDireta = 0;
      tCamada = std::min(tCamada, camada(arquivo, somaCamada));
      tDireto = std::min(tDireto, direto(arquivo, somaDireta));
    }
    const double taxaCamada = kChamadas / tCamada;
    const double taxaDireta = kChamadas / tDireto;
    std::printf("chamadas de procedimento: %d por rodada, melhor de %d rodadas\n", kChamadas, kRodadas);
    std::printf("camada bd:       %10.0f chamadas/s (%.3f s)\n", taxaCamada, tCamada);
    std::printf("API OO direta:   %10.0f chamadas/s (%.3f s)\n", taxaDireta, tDireto);
    std::printf("razão camada/direta: %.2f (meta: pelo menos 0.80)\n", taxaCamada / taxaDireta);
    if (somaCamada != somaDireta) std::printf("atenção: resultados diferentes (%lld, %lld)\n",
                                              (long long)somaCamada, (long long)somaDireta);
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "falha: %s\n", e.what());
    return 1;
  } catch (const FbException& e) {
    char texto[1024];
    fb_get_master_interface()->getUtilInterface()->formatStatus(texto, sizeof texto, e.getStatus());
    std::fprintf(stderr, "falha: %s\n", texto);
    return 1;
  }
  return 0;
}
