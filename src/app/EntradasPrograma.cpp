#include "EntradasPrograma.h"

#include "controles/PontosEntrada.h"
#include "controles/TFoCalcula.h"
#include "entrega/TFoAssistAlteracao.h"
#include "entrega/TFoAssistGeracao.h"
#include "entrega/TFoAssistTransmissao.h"
#include "entrega/TFoPendencias.h"
#include "interface/TFoCalculaResumo.h"
#include "relatorios/gui/SaidaJanelas.h"
#include "relatorios/gui/TFoAssistRelatorios.h"
#include "secoes/TFrPesquisarTolv.h"
#include "validador/gui/TFoAssistImportacao.h"

void RegistraEntradas(PontosEntrada& entradas) {
  entradas.alteracaoMatriz = ExecutaAlteracaoMatriz;
  entradas.gravacao = ExecutaAssistenteGeracao;
  entradas.transmissao = ExecutaTransmissao;
  entradas.calculadora = [](QWidget* dono) { TFoCalcula::AbreCalculadora(dono); };
  entradas.calculaResumo = [](QWidget* dono, TTolv& tolv) { return TFoCalculaResumo::Executa(tolv, dono); };
  entradas.pesquisa = [](QWidget* dono, TTolv& tolv, int escopo, IrParaCampo irParaCampo) {
    TFoPesquisar::ExecutaPesquisar(&tolv, escopo, std::move(irParaCampo), dono);
  };
  entradas.fechaPesquisa = [] { return TFoPesquisar::PedeFechamento(); };
  entradas.verificacao = [](QWidget* dono, TTolv& tolv, IrParaCampo irParaCampo) {
    MostraPendencias(tolv, std::move(irParaCampo), dono);
  };
  entradas.relatorioPendencias = RelatorioPendencias;
  entradas.importacaoAnosAnteriores = [](QWidget* dono, TColecaoTolv& indice) {
    QString log;
    bool mostraRelatorio = false;
    int quantidade = 0;
    // The import of the older layout writes no log in this edition, so its report is never asked
    // for: the flag stays for the day it does.
    return ExecutaAssistenteImportacaoAnosAnteriores(log, indice, mostraRelatorio, quantidade, dono);
  };

  // The print wizard and the reports. A report plugs in with one line, e.g.
  //   entradas.listaBeneficiarios = EntradaRelatorio<TFoRelatoListBenef2010>;
  // until then its print entry says that it is not available yet.
  InstalaSaidaJanelas();
  entradas.assistenteRelatorios = ExecutaAssistenteRelatorios;
}
