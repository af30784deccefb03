#include "EntradasPrograma.h"
#include "controles/CaixaMensagemTolv.h"
#include "controles/ExibicaoErros.h"
#include "controles/GanchosNucleo.h"
#include "controles/PaletaTolv.h"
#include "controles/PontosEntrada.h"
#include "copia/RestauracaoCopia.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"
#include "copia/TFormCopSegAuto.h"
#include "copia/TFoRepararBanco.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TFrInformacoesTolv.h"
#include "interface/TFrResumo.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/TColecao.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/gui/ImpressorasSistema.h"
#include "plataforma/sistema/Impressoras.h"
#include "interface/TTolv2014.h"
#include "interface/TTzuqTree.h"
#include "secoes/ServicosEditor.h"
#include "secoes/TfrmPlanoSaude.h"
#include "secoes/TfrmRemessa.h"
#include "secoes/TfrmRra.h"

int main(int argc, char** argv) {
  AplicacaoGuardada aplicacao(argc, argv);
  CaixaMensagemTolv caixa;
  InstalaCaixaMensagem(&caixa);
  InstalaExibicaoErros();
  InstalaGanchosNucleo();
  PaletaTolv::aplicaNaAplicacao();
  // The system's printers beside the always-present PDF one.
  ImpressorasSistema impressoras;
  InstalaImpressoras(&impressoras);
  // Outlives the program's window, whose start-up and exit reach the index through it.
  IndicePrincipal indice;
  RegistraEntradas(PontosEntrada::doPrograma());
  ProgramaTolv::Opcoes opcoes;
  indice.Conecta(opcoes.passos);
  // A restore cut short is completed before the index first opens, once this is the only
  // instance (a later restore completes it itself).
  opcoes.passos.abreIndice = [abre = std::move(opcoes.passos.abreIndice), inicio = true]() mutable {
    if (inicio) CompletaRestauracaoPendente();
    inicio = false;
    abre();
  };
  // Backup and restore work on the database files: the index is let go first. After a restore the
  // index opens anew from whatever came back, with both failure flags cleared.
  opcoes.passos.gravaCopiaAutomatica = [](QWidget* dono) { ExecutaCopiaAutomatica(dono); };
  opcoes.passos.assistenteCopia = [&indice](QWidget* dono) {
    indice.FecharColecoes();
    ExecutaCopiaSeguranca(dono);
  };
  opcoes.passos.assistenteRestauracao = [&indice](QWidget* dono) {
    indice.FecharColecoes();
    ExecutaRestauracaoCopia(dono);
    indice.FecharColecoes();
    FalhaBanco = FalhaBancoIndice = false;
    indice.GetColecaoTolv();
  };
  opcoes.passos.repararBanco = [&indice](QWidget* dono) {
    indice.FecharColecoes();
    ExecutaRepararBanco(dono);
  };
  // The header page, the beneficiary lines of the declarant, of a fund and of a process, the
  // summary, the accumulated-income editors (one per kind), the payments-abroad editor (tree nodes
  // 600 to 602) and the health-plan editor (tree nodes 800 and 801), hosted by the page container.
  opcoes.passos.registraPaginas = [anterior = std::move(opcoes.passos.registraPaginas)](TFrDeclaracao& conteiner) {
    if (anterior) anterior(conteiner);
    conteiner.RegistraPagina(TFrDeclaracao::Informacoes, [](QWidget* pai) { return new TFrInformacoesTolv(pai); });
    conteiner.RegistraPagina(TFrDeclaracao::BeneficiariosTolv, [](QWidget* pai) {
      return new TFrBeneficiarios(TFrBeneficiarios::Modo::Declarante, pai);
    });
    conteiner.RegistraPagina(TFrDeclaracao::Fundos, [](QWidget* pai) {
      return new TFrBeneficiarios(TFrBeneficiarios::Modo::Fundo, pai);
    });
    conteiner.RegistraPagina(TFrDeclaracao::Advogado, [](QWidget* pai) {
      return new TFrBeneficiarios(TFrBeneficiarios::Modo::Processo, pai);
    });
    conteiner.RegistraPagina(TFrDeclaracao::Resumo, [](QWidget* pai) { return new TFrResumo(pai); });
    conteiner.RegistraPagina(150, [](QWidget* pai) { return new TfrmRra(1, pai); });
    conteiner.RegistraPagina(450, [](QWidget* pai) { return new TfrmRra(2, pai); });
    conteiner.RegistraPagina(600, [](QWidget* pai) { return new TfrmRemessa(pai); });
    conteiner.RegistraPagina(800, [](QWidget* pai) { return new TfrmPlanoSaude(pai); });
  };
  DialogosDeclaracao::Conecta(opcoes.passos);
  // Until the import wizard is part of the program, "Importar dados" says so.
  DialogosDeclaracao::DefineAssistenteImportacao(DialogosDeclaracao::ImportacaoIndisponivel);
  ProgramaTolv programa(std::move(opcoes));
  // A refused entry of the health-plan or payments-abroad editor marks the main window, so that the actions that
  // look at the page do nothing; the window exists only once the program runs.
  ServicosEditor::DefineEdicaoInvalida([&programa](bool invalida) {
    if (TTolv2014* janela = programa.janela()) invalida ? janela->MarcaRecusaPagina() : janela->LimpaRecusaPagina();
  });
  ServicosEditor::DefineSelecionaNo([](int codigo) {
    QString titulo;
    if (TTzuqTree* arvore = TTzuqTree::Instancia()) arvore->SelecionaNo(codigo, titulo);
  });
  int status = 1;
  // Before the event loop runs (the index opened at start) a fatal failure of the database ends
  // the program as it does inside the loop.
  GuardaEventos::executa([&] { status = programa.executa(); });
  return status;
}
