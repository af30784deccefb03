#include "EntradasPrograma.h"

#include "controles/PontosEntrada.h"
#include "entrega/TFoAssistAlteracao.h"
#include "entrega/TFoPendencias.h"
#include "nucleo/TColecaoResumo.h"
#include "nucleo/TTolv.h"
#include "secoes/TFrPesquisarTolv.h"

void RegistraEntradas(PontosEntrada& entradas) {
  entradas.alteracaoMatriz = ExecutaAlteracaoMatriz;
  // The summary recalculation, until its window with progress exists.
  entradas.calculaResumo = [](QWidget*, TTolv& tolv) {
    tolv.GetColecaoResumo().AtualizaResumos();
    tolv.CarregaResumos();
    return 1;
  };
  entradas.pesquisa = [](QWidget* dono, TTolv& tolv, int escopo, IrParaCampo irParaCampo) {
    TFoPesquisar::ExecutaPesquisar(&tolv, escopo, std::move(irParaCampo), dono);
  };
  entradas.fechaPesquisa = [] { return TFoPesquisar::PedeFechamento(); };
  entradas.verificacao = [](QWidget* dono, TTolv& tolv, IrParaCampo irParaCampo) {
    MostraPendencias(tolv, std::move(irParaCampo), dono);
  };
  entradas.relatorioPendencias = RelatorioPendencias;
}
