// The summary recalculation of a large declaration: 500,000 lines of the declarant (some with
// judicial and exempt child rows) made by the database, rebuilt as the recalculation window does
// (list mode, progress every 50 ms) against a bare fetch of the same rows through the engine's
// OO API. TOLV_BENCH_LINHAS sets another number of lines. Prints figures only.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

#include "Bancada.h"
#include "LinhasGeradas.h"
#include "nucleo/RecalculoResumo.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/ErroBanco.h"
#include "plataforma/bd/Servicos.h"
#include "plataforma/sistema/Pastas.h"

using linhas_geradas::Segundos;

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int quantidade = qEnvironmentVariableIsSet("TOLV_BENCH_LINHAS") ? qEnvironmentVariableIntValue("TOLV_BENCH_LINHAS")
                                                                         : 500000;
  bancada::PastaBancada pasta;
  const QString declaracao = pasta.arquivo(bancada::kBanco);
  if (!pasta.CopiaModelo(declaracao)) return 1;
  try {
    bd::Servicos::defineEscritaForcada(declaracao, false);
    linhas_geradas::GeraLinhas(declaracao, 1, quantidade);

    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetTolvDK(QStringLiteral("1"));
    tolv.SetFonteDK(QStringLiteral("1"));
    tolv.CarregaResumos();

    // Both alternate; the best of each counts, so that a busy moment of the machine weighs on neither.
    const QString sql = TColecaoTolvItem::SqlLista(TColecaoTolvItem::kVerificacao);
    double direta = 1e9, recalculo = 1e9;
    int linhasDiretas = 0, progressos = 0;
    int64_t soma = 0;
    for (int i = 0; i < 2; ++i) {
      direta = std::min(direta, linhas_geradas::LeituraDireta(declaracao, sql, linhasDiretas, soma));
      RecalculoResumo r(tolv);
      int passos = 0;
      r.DefineProgresso([&passos](int) { ++passos; });
      QElapsedTimer relogio;
      relogio.start();
      if (!r.Executa()) std::fprintf(stderr, "o recálculo não terminou\n");
      recalculo = std::min(recalculo, Segundos(relogio));
      progressos = passos;
    }
    const int linhas = tolv.GetResumoGeral().GetTotBenef().GetValorInterno().dezMilesimos() / Valor::kEscala;
    std::printf("leitura direta pela API OO: %d linhas em %.3f s, %.0f por segundo\n", linhasDiretas, direta,
                linhasDiretas / direta);
    std::printf("recálculo do resumo: %d linhas em %.3f s, %.0f por segundo (%d passos de progresso; rendimentos %s)\n",
                linhas, recalculo, linhas / recalculo, progressos,
                qPrintable(tolv.GetResumoGeral().GetTotRend().GetValorInterno().formata(2)));
    std::printf("razao recalculo/direta: %.2f\n", direta / recalculo);
    tolv.LiberaItens();
    TColecao::FechaConexoes();
  } catch (const bd::ErroBanco& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
