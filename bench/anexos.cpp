// The process page over 100,000 judicial processes: 1,000 browse steps forward from the first
// process and back from the last (each switching the owner of the lines, as the page does), the
// choice of a search hit (the annex found by key, its place and its lines), and the process
// search as its dialog runs it (the first window of hits, for every process and for the start of
// a number); beside each, the bare engine path measured in the same run (the navigation procedure
// and the search procedure straight on the engine). Prints figures only.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "ApiDireta.h"
#include "Bancada.h"
#include "controles/TLogicaAnexos.h"
#include "controles/TLogicaBeneficiarios.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/bd/Transacao.h"
#include "plataforma/sistema/Pastas.h"

namespace {

constexpr int kProcessos = 100000;
constexpr int kPassos = 1000;
constexpr int kPesquisas = 50;
constexpr int kJanela = 100;

using bancada::kBanco;
using bancada::Segundos;

// The bare search: the search procedure opened and its first window of rows fetched.
double PesquisasDiretas(const QString& arquivo, int opcaoNumero, const char* numero) {
  ApiDireta api(arquivo);
  ConsultaDireta pesquisa(api, "SELECT * FROM PESQUISAR_PROCESSO(?, ?, ?, ?, ?, ?, ?)");
  MensagemDireta& in = pesquisa.in();
  in.valor(0, int32_t(opcaoNumero));
  in.valor(1, int32_t(-1));
  in.valor(2, int32_t(-1));
  in.texto(3, numero);
  in.valor(4, int32_t(0));
  in.texto(5, "");
  in.texto(6, "");
  QElapsedTimer relogio;
  relogio.start();
  for (int i = 0; i < kPesquisas; ++i) pesquisa.busca(kJanela);
  return Segundos(relogio);
}

// The bare step: the navigation procedure from a key, its row fetched.
double PassosDiretos(const QString& arquivo, int inicio, const char* direcao) {
  return ::PassosDiretos(arquivo, "SELECT * FROM NAVEGA_PROCESSO(?, ?)", 2, inicio, kPassos, direcao);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  bancada::PastaBancada pasta;
  const QString declaracao = pasta.arquivo(kBanco);
  const QString direto = pasta.arquivo(QStringLiteral("DIRETO.FDB"));
  if (!pasta.CopiaModelo(declaracao)) return 1;
  bd::Servicos::defineEscritaForcada(declaracao, false);
  {
    QElapsedTimer relogio;
    relogio.start();
    bd::Conexao conexao(declaracao);
    conexao.conecta();
    bd::Transacao t(conexao);
    bd::Consulta bloco(t, QStringLiteral(
                              "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN "
                              "WHILE (I < %1) DO BEGIN "
                              "INSERT INTO FONTES VALUES (:I + 2, '2', LPAD(CAST(MOD(:I * 7919, %1) AS VARCHAR(20)), 17, '0'),"
                              " '', 1, '2', LPAD(CAST(:I AS VARCHAR(12)), 12, '0'), 'ESCRITORIO ' || :I,"
                              " CAST(MOD(:I, 3) + 1 AS VARCHAR(1)));"
                              "INSERT INTO RESUMOS (E_FONTE_DK, OK) VALUES (:I + 2, 1);"
                              "I = I + 1; END END")
                              .arg(kProcessos));
    bloco.defineVerificaParametros(false);
    bloco.executa();
    t.commit();
    std::printf("declaração gerada: %d processos em %.1f s\n", kProcessos, Segundos(relogio));
  }
  QFile::copy(declaracao, direto);

  TTolv tolv;
  bancada::AbreDeclarante(tolv);
  const auto passo = [](const char* onde, double s, double direto, int passos) {
    std::printf("%-34s %8.3f ms por passo; direto %.3f ms; razão %.1f\n", onde, 1000 * s / passos,
                1000 * direto / passos, s / direto);
  };
  {
    TLogicaAnexos anexos(tolv, TLogicaBeneficiarios::Modo::Processo);
    TLogicaBeneficiarios linhas(tolv, anexos.Dono(), TLogicaBeneficiarios::Modo::Processo);
    anexos.DefineLinhas(&linhas);
    linhas.CarregaItens();
    QElapsedTimer relogio;
    relogio.start();
    anexos.Inicia();
    std::printf("%-34s %8.3f ms\n", "contagem ao abrir a página:", 1000 * Segundos(relogio));

    anexos.Move(QStringLiteral("PRI"));
    relogio.start();
    for (int i = 0; i < kPassos; ++i) anexos.Move(QStringLiteral("NEXT"));
    passo("navegação no início:", Segundos(relogio), PassosDiretos(direto, 2, "NEXT"), kPassos);
    std::printf("  contador %s\n", qPrintable(anexos.Contador()));

    anexos.Move(QStringLiteral("ULT"));
    relogio.start();
    for (int i = 0; i < kPassos; ++i) anexos.Move(QStringLiteral("PREV"));
    passo("navegação no fim (voltando):", Segundos(relogio), PassosDiretos(direto, kProcessos + 1, "PREV"), kPassos);
    std::printf("  contador %s\n", qPrintable(anexos.Contador()));

    relogio.start();
    for (int i = 0; i < kPesquisas; ++i) anexos.Posiciona(QString::number(2 + (i * 1999) % kProcessos));
    std::printf("%-34s %8.3f ms por escolha\n", "processo escolhido na pesquisa:", 1000 * Segundos(relogio) / kPesquisas);
    std::printf("  contador %s\n", qPrintable(anexos.Contador()));
  }
  {
    TColecaoAnexo colecao(tolv);
    const auto janela = [&colecao](int opcao, const char* numero) {
      QElapsedTimer relogio;
      relogio.start();
      for (int i = 0; i < kPesquisas; ++i) {
        colecao.AbrePesquisaProcessos(opcao, -1, -1, QString::fromLatin1(numero), 0, {}, {});
        colecao.LeProcessos(kJanela, [](int, const QString&, int, const QString&, const QString&, const QString&) {});
        colecao.FechaPesquisa();
      }
      return Segundos(relogio);
    };
    passo("pesquisa sem critério (1ª janela):", janela(-1, ""), PesquisasDiretas(direto, -1, ""), kPesquisas);
    passo("pesquisa por início do número:", janela(1, "0000123"), PesquisasDiretas(direto, 1, "0000123"), kPesquisas);
    QElapsedTimer relogio;
    relogio.start();
    int todas = 0;
    colecao.PesquisarProcessos(-1, -1, -1, {}, 0, {}, {},
                               [&todas](int, const QString&, int, const QString&, const QString&, const QString&) {
                                 ++todas;
                               });
    std::printf("%-34s %8.3f ms (%d linhas: o que a grade evita)\n", "pesquisa lida inteira:",
                1000 * Segundos(relogio), todas);
  }
  tolv.LiberaItens();
  TColecao::FechaConexoes();
  return 0;
}
