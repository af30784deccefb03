// The beneficiary search on a large declaration, until its first page is read: the "all" search
// with every box empty in each order the list offers, the lines pages' searches, two searches by
// name and the print wizard's pick list; beside each, straight on the engine, the whole search as
// one sorted statement and, where the search walks an index, that walk alone. Prints figures.
// TOLV_BENCH_LINHAS sizes the declaration (500,000 lines unless set).

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ApiDireta.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Script.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"
#include "secoes/ConsultaPesquisaBeneficiarios.h"

namespace {

constexpr int kPagina = 100;  // what the result list reads first

const QString kBanco = QStringLiteral("TOLV2014114447770001612013.FDB");

double Segundos(const QElapsedTimer& relogio) { return relogio.nsecsElapsed() / 1e9; }

// Two lines each, and an accumulated-income item for one beneficiary in twelve and a half.
void Povoa(const QString& arquivo, int beneficiarios, int rra) {
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
                                          .arg(beneficiarios)
                                          .arg(rra));
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

// The statement with its parameters written in, for the bare path (the bench's values are
// numbers and plain texts).
QString ComValores(QString sql, const std::vector<std::pair<QString, bd::Dado>>& parametros) {
  for (auto p = parametros.rbegin(); p != parametros.rend(); ++p) {
    const bd::Dado& v = p->second;
    const QString literal = v.tipo() == bd::Dado::Tipo::Texto ? u'\'' + v.comoTexto() + u'\'' : v.comoTexto();
    sql.replace(u':' + p->first, literal);
  }
  return sql.replace(QStringLiteral(":FONTE"), QStringLiteral("1"));
}

double Programa(const QString& arquivo, const CriterioPesquisaBeneficiarios& criterio, int linhas, int& lidas,
                bool& emPartes) {
  bd::Conexao conexao(arquivo);
  conexao.conecta();
  bd::Transacao transacao(conexao, {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                    QStringLiteral("nowait"), QStringLiteral("read")});
  ConsultaPesquisaBeneficiarios consulta(transacao);
  QElapsedTimer relogio;
  relogio.start();
  consulta.Executa(criterio);
  std::vector<LinhaPesquisaBeneficiarios> pagina;
  consulta.Le(linhas, pagina);
  const double s = Segundos(relogio);
  lidas = int(pagina.size());
  emPartes = consulta.EmPartes();
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

  const char* tamanho = std::getenv("TOLV_BENCH_LINHAS");
  const int linhas = tamanho && std::atoi(tamanho) > 0 ? std::atoi(tamanho) : 500000;
  const int beneficiarios = qMax(1, linhas / 2), rra = qMax(1, linhas / 25);
  QElapsedTimer relogio;
  relogio.start();
  Povoa(arquivo, beneficiarios, rra);
  std::printf("stored %d lines of %d beneficiaries and %d accumulated-income items: %.2f s\n", 2 * beneficiarios,
              beneficiarios, rra, Segundos(relogio));

  using C = CriterioPesquisaBeneficiarios;
  const struct {
    int tipo;
    C::Ordem ordem;
    const char* nome;
    C::Nome criterioNome = C::ParteInicial;
    const char* nomeDigitado = "";
    bool escolha = false;
  } ordens[] = {{C::Todos, C::PorCodigo, "code (as opened)"},
                {C::Todos, C::PorNome, "name"},
                {C::Todos, C::PorCpfCnpj, "CPF/CNPJ"},
                {C::Todos, C::PorOrigem, "origin"},
                {C::Todos, C::PorFonte, "source"},
                // The lines pages' searches, as opened.
                {C::Declarante, C::PorCodigo, "declarant's page"},
                {C::Fundo, C::PorCodigo, "fund's page"},
                // Narrowed by a name: few rows, sorted by the engine.
                {C::Todos, C::PorCodigo, "name starts", C::ParteInicial, "BENEFICIARIO 1234"},
                {C::Todos, C::PorCodigo, "word anywhere", C::TodasAsPalavras, "12345"},
                // The print wizard's pick list, each beneficiary once.
                {0, C::PorCodigo, "picking", C::ParteInicial, "", true},
                {0, C::PorNome, "picking by name", C::ParteInicial, "", true}};
  std::printf("first page of %d rows: the \"all\" search with every box empty in each order, the lines pages',"
              " two searches by name, the pick list:\n",
              kPagina);
  for (const auto& o : ordens) {
    C criterio;
    criterio.tipo = o.tipo;
    criterio.ordem = o.ordem;
    criterio.criterioNome = o.criterioNome;
    criterio.nome = QString::fromLatin1(o.nomeDigitado);
    criterio.selBeneficiario = o.escolha;
    const ConsultaPesquisaBeneficiarios::Comando comando = ConsultaPesquisaBeneficiarios::Monta(criterio);
    // A first pass warms the page cache; the second is the one reported.
    int lidas = 0, lidasOrdenada = 0, lidasIndice = 0;
    bool emPartes = false;
    Programa(arquivo, criterio, kPagina, lidas, emPartes);
    const double programa = Programa(arquivo, criterio, kPagina, lidas, emPartes);
    // The search as one statement, the engine sorting every row before the first.
    const double ordenada = Direta(arquivo, ComValores(comando.sql, comando.parametros), kPagina, lidasOrdenada);
    // The floor: the lines' index walked alone (the first source's, in source order).
    double indice = 0;
    if (!comando.partes.empty()) {
      const QString sql = ComValores(comando.partes.front().sql, comando.parametros);
      Direta(arquivo, sql, kPagina, lidasIndice);
      indice = Direta(arquivo, sql, kPagina, lidasIndice);
    }
    std::printf("  %-17s %7.3f s (%d rows%s) | bare engine, one sorted statement %7.3f s (%d rows), ratio %.3f",
                o.nome, programa, lidas, emPartes ? "" : ", sorted by the engine", ordenada, lidasOrdenada,
                ordenada > 0 ? programa / ordenada : 0.0);
    if (indice > 0) std::printf(" | bare index walk %.3f s, ratio %.1f", indice, programa / indice);
    std::printf("\n");
    std::fflush(stdout);
  }
  Pastas::definePrograma({});
  return 0;
}
