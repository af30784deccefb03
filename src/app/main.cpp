#include "controles/CaixaMensagemTolv.h"
#include "controles/PaletaTolv.h"
#include "copia/TFormAssistCopSeg.h"
#include "copia/TFormAssistRestCopSeg.h"
#include "copia/TFormCopSegAuto.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/IndicePrincipal.h"
#include "interface/ProgramaTolv.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTzuqTree.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/TColecao.h"
#include "plataforma/gui/AplicacaoGuardada.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/gui/ImpressorasSistema.h"
#include "plataforma/sistema/Impressoras.h"
#include "secoes/TfrmRemessa.h"
#include "secoes/TfrmRra.h"

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
  // The supplementary-section editors hosted by the page container: accumulated income, one per
  // kind, and payments abroad.
  opcoes.passos.registraPaginas = [anterior = std::move(opcoes.passos.registraPaginas)](TFrDeclaracao& conteiner) {
    if (anterior) anterior(conteiner);
    conteiner.RegistraPagina(150, [](QWidget* pai) { return new TfrmRra(1, pai); });
    conteiner.RegistraPagina(450, [](QWidget* pai) { return new TfrmRra(2, pai); });
    // The payments-abroad page, for nodes 600 to 602; entering its lines shows node 601.
    conteiner.RegistraPagina(600, [](QWidget* pai) {
      auto* pagina = new TfrmRemessa(pai);
      QObject::connect(pagina, &TfrmRemessa::SelecionaNoArvore, pagina, [](int codigo) {
        QString titulo;
        if (TTzuqTree* arvore = TTzuqTree::Instancia()) arvore->SelecionaNo(codigo, titulo);
      });
      return pagina;
    });
  };
  DialogosDeclaracao::Conecta(opcoes.passos);
  // Until the import wizard is part of the program, "Importar dados" says so.
  DialogosDeclaracao::DefineAssistenteImportacao(DialogosDeclaracao::ImportacaoIndisponivel);
  ProgramaTolv programa(std::move(opcoes));
  return programa.executa();
}
