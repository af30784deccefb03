#include "EntradasPrograma.h"

#include "controles/PontosEntrada.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TTolv.h"

void RegistraEntradas(PontosEntrada& entradas) {
  // The summary recalculation, until its window with progress exists.
  entradas.calculaResumo = [](QWidget*, TTolv& tolv) {
    tolv.GetColecaoResumo().AtualizaResumos();
    tolv.CarregaResumos();
    return 1;
  };
}
