#include "controles/CaixaMensagemTolv.h"
#include "controles/ExibicaoErros.h"
#include "controles/GanchosNucleo.h"
#include "controles/PaletaTolv.h"
#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/ImpressorasSistema.h"
#include "plataforma/sistema/Impressoras.h"

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
  ProgramaTolv programa(std::move(opcoes));
  return programa.executa();
}
