// The beneficiary search on a large declaration: the "all" search with every box empty, until
// its first page is read, beside the same statement run straight on the engine. Prints figures.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include "ApiDireta.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/ConsultaPesquisaBeneficiarios.h"

namespace {

constexpr int kBeneficiarios = 250000;  // two lines each
constexpr int kRra = 20000;
constexpr int kPagina = 100;             // what the result list reads first

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

void Povoa(const QString& arquivo) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao);
  bd::Script(transacao).executa(QStringLiteral(
      "SET TERM ^ ;\n"
      "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN\n"
      "  INSERT INTO FONTES (FONTE_DK, IN_PF_PJ, NR_PF_PJ, IN_TIPO) VALUES (2, '2', '998887770001', 0);\n"
      "  WHILE (I < %1) DO BEGIN\n"
      "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)\n"
      "    VALUES (2 * :I + 1, 1, IIF(MOD(:I, 3) = 0, '3208', '0561'), '1', LPAD(100000000 + 3 * :I, 9, '0'),\n"
      "            'BENEFICIARIO ' || :I);\n"
      "    INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR)\n"
      "    VALUES (2 * :I + 2, IIF(MOD(:I, 5) = 0, 2, 1), '0588', '1', LPAD(100000000 + 3 * :I, 9, '0'),\n"
      "            'BENEFICIARIO ' || :I);\n"
      "    I = I + 1;\n"
      "  END\n"
      "  I = 0;\n"
      "  WHILE (I < %2) DO BEGIN\n"
      "    INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, IN_PF_PJ, NR_PF_PJ)\n"
      "    VALUES (:I + 1, '1', '1', LPAD(100000000 + 30 * :I, 9, '0'));\n"
      "    I = I + 1;\n"
      "  END\n"
      "END^\n"
      "SET TERM ; ^\n")
                                          .arg(kBeneficiarios)
                                          .arg(kRra));
  transacao.commit();
}

// The statement straight on the engine, until `linhas` rows are fetched.
double Direta(const QString& arquivo, const QString& sql, int linhas, int& lidas) {
  ApiDireta api(arquivo);
  QElapsedTimer relogio;
  relogio.start();
  const QByteArray texto = sql.toUtf8();
  Firebird::IStatement* comando =
      api.att->prepare(&api.st, api.tra, 0, texto.constData(), 3, Firebird::IStatement::PREPARE_PREFETCH_METADATA);
  Firebird::IMessageMetadata* meta = comando->getOutputMetadata(&api.st);
  std::vector<unsigned char> buffer(meta->getMessageLength(&api.st));
  Firebird::IResultSet* cursor = comando->openCursor(&api.st, api.tra, nullptr, nullptr, meta, 0);
  lidas = 0;
  while (lidas < linhas && cursor->fetchNext(&api.st, buffer.data()) == Firebird::IStatus::RESULT_OK) ++lidas;
  const double s = Segundos(relogio);
  cursor->close(&api.st);
  meta->release();
  comando->free(&api.st);
  return s;
}

double Programa(const QString& arquivo, int linhas, int& lidas) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                    QStringLiteral("nowait"), QStringLiteral("read")});
  ConsultaPesquisaBeneficiarios consulta(transacao);
  QElapsedTimer relogio;
  relogio.start();
  consulta.Executa(CriterioPesquisaBeneficiarios{});
  std::vector<LinhaPesquisaBeneficiarios> pagina;
  consulta.Le(linhas, pagina);
  const double s = Segundos(relogio);
  lidas = int(pagina.size());
  consulta.Fecha();
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS"));
  for (const char* nome : {"Tolv.FDB", "TOLV2014PD.FDB"})
    QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/") + QString::fromLatin1(nome),
                pasta.path() + QStringLiteral("/DADOS/") + QString::fromLatin1(nome));
  const QString arquivo = pasta.path() + "/DADOS/" + kBanco;
  if (!QFile::copy(pasta.path() + QStringLiteral("/DADOS/TOLV2014PD.FDB"), arquivo)) {
    std::fprintf(stderr, "template not copied\n");
    return 1;
  }
  Pastas::definePrograma(pasta.path());

  QElapsedTimer relogio;
  relogio.start();
  Povoa(arquivo);
  std::printf("stored %d lines of %d beneficiaries and %d accumulated-income items: %.2f s\n", 2 * kBeneficiarios,
              kBeneficiarios, kRra, Segundos(relogio));

  const QString sql = ConsultaPesquisaBeneficiarios::Monta(CriterioPesquisaBeneficiarios{}).sql;
  // A first pass of each warms the page cache; the second is the one reported.
  int lidasDireta = 0, lidasPrograma = 0;
  Direta(arquivo, sql, kPagina, lidasDireta);
  Programa(arquivo, kPagina, lidasPrograma);
  const double direta = Direta(arquivo, sql, kPagina, lidasDireta);
  const double programa = Programa(arquivo, kPagina, lidasPrograma);
  std::printf("\"all\" search, first page of %d rows: %.3f s (bare engine %.3f s for %d rows), ratio %.2f\n",
              lidasPrograma, programa, direta, lidasDireta, direta > 0 ? programa / direta : 0.0);
  Pastas::definePrograma({});
  return 0;
}
