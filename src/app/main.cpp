#include "EntradasPrograma.h"
#include "controles/CaixaMensagemTolv.h"
#include "controles/PaletaTolv.h"
#include "controles/PontosEntrada.h"
#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/gui/ImpressorasSistema.h"
#include "plataforma/sistema/Impressoras.h"

int main(int argc, char** argv) {
  AplicacaoGuardada aplicacao(argc, argv);
  CaixaMensagemTolv caixa;
  InstalaCaixaMensagem(&caixa);
  GuardaEventos::defineExibidor([](const QString& texto) { ExibeMensagem(texto, TipoMensagem::Erro); });
  PaletaTolv::aplicaNaAplicacao();
  // The system's printers beside the always-present PDF one.
  ImpressorasSistema impressoras;
  InstalaImpressoras(&impressoras);
  // Outlives the program's window, whose start-up and exit reach the index through it.
  IndicePrincipal indice;
  RegistraEntradas(PontosEntrada::doPrograma());
  ProgramaTolv::Opcoes opcoes;
  indice.Conecta(opcoes.passos);
  ProgramaTolv programa(std::move(opcoes));
  return programa.executa();
}
