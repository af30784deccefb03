// Revenue-code lookups as a walk over a large declaration's lines makes them: codes that change
// from line to line, so the last-row cache rarely helps. Prints the rate and the statements run.

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TTolv.h"
#include "plataforma/sistema/Pastas.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir pasta;
  QDir().mkpath(pasta.path() + QStringLiteral("/DADOS"));
  if (!QFile::copy(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/Tolv.FDB"),
                   pasta.path() + QStringLiteral("/DADOS/Tolv.FDB"))) {
    std::fprintf(stderr, "Tolv.FDB not copied\n");
    return 1;
  }
  Pastas::definePrograma(pasta.path());

  constexpr int kLinhas = 500000;
  const char* const kCodigos[] = {"0561", "0588", "3208", "1708", "5936", "3280", "0561", "9998"};
  double segundos = 0;
  int leituras = 0;
  {
    TTolv tolv;
    tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    tolv.SetCodigoNatureza(0);
    TColecaoCodigoRetencao& codigos = tolv.GetColecaoCodigoRetencao();
    TCodigoRetencao codigo;
    codigo.SetAno(QStringLiteral("2013"));
    int achados = 0;
    QElapsedTimer relogio;
    relogio.start();
    for (int i = 0; i < kLinhas; ++i) {
      codigo.SetAnexo(QStringLiteral("0"));
      codigo.SetAno(QStringLiteral("2013"));
      codigo.SetCodigo(QString::fromLatin1(kCodigos[i % 8]));
      achados += codigos.BuscaCodigo(codigo) ? 1 : 0;
    }
    segundos = relogio.nsecsElapsed() / 1e9;
    leituras = codigos.GetLeituras();
    std::printf("%d lookups (%d found) in %.3f s: %.0f per second, %d statements run\n", kLinhas, achados, segundos,
                kLinhas / segundos, leituras);
  }
  TColecao::FechaConexoes();
  Pastas::definePrograma({});
  return 0;
}
