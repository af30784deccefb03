#include "controles/CaixaMensagemTolv.h"
#include "controles/ExibicaoErros.h"
#include "controles/GanchosNucleo.h"
#include "controles/PaletaTolv.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"
#include "copia/TFormCopSegAuto.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/TColecao.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/ImpressorasSistema.h"
#include "plataforma/sistema/Impressoras.h"
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
  ProgramaTolv::Opcoes opcoes;
  indice.Conecta(opcoes.passos);
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
  // The accumulated-income editors, one per kind, hosted by the page container.
  opcoes.passos.registraPaginas = [anterior = std::move(opcoes.passos.registraPaginas)](TFrDeclaracao& conteiner) {
    if (anterior) anterior(conteiner);
    conteiner.RegistraPagina(150, [](QWidget* pai) { return new TfrmRra(1, pai); });
    conteiner.RegistraPagina(450, [](QWidget* pai) { return new TfrmRra(2, pai); });
  };
  DialogosDeclaracao::Conecta(opcoes.passos);
  // Until the import wizard is part of the program, "Importar dados" says so.
  DialogosDeclaracao::DefineAssistenteImportacao(DialogosDeclaracao::ImportacaoIndisponivel);
  ProgramaTolv programa(std::move(opcoes));
  return programa.executa();
}
