#include "controles/CaixaMensagemTolv.h"
#include "controles/PaletaTolv.h"
#include "interface/ProgramaTolv.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/GuardaEventos.h"

int main(int argc, char** argv) {
  AplicacaoGuardada aplicacao(argc, argv);
  CaixaMensagemTolv caixa;
  InstalaCaixaMensagem(&caixa);
  GuardaEventos::defineExibidor([](const QString& texto) { ExibeMensagem(texto, TipoMensagem::Erro); });
  PaletaTolv::aplicaNaAplicacao();
  ProgramaTolv programa({});
  return programa.executa();
}
