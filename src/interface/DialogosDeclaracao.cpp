#include "interface/DialogosDeclaracao.h"

#include <stdexcept>

#include "interface/PassosPrincipal.h"
#include "interface/TFoAbreDeclaracao.h"
#include "interface/TFoExcluiDeclaracao.h"
#include "interface/TFoInicial.h"
#include "interface/TFoNovaDeclaracao.h"
#include "interface/TTolv2014.h"
#include "nucleo/CaixaMensagem.h"

namespace DialogosDeclaracao {

namespace {

AssistenteImportacao& Assistente() {
  static AssistenteImportacao assistente;
  return assistente;
}

RelatorioImportacao& Relatorio() {
  static RelatorioImportacao relatorio;
  return relatorio;
}

// The dialogs work on the main window's own declaration and index.
TTolv2014* Janela(QWidget* dono) {
  auto* janela = qobject_cast<TTolv2014*>(dono ? dono->window() : nullptr);
  if (!janela) throw std::logic_error("Os diálogos de declaração precisam da janela principal.");
  return janela;
}

}  // namespace

void DefineAssistenteImportacao(AssistenteImportacao assistente) { Assistente() = std::move(assistente); }

ResultadoImportacao ExecutaAssistenteImportacao(TColecaoTolv& indice, QWidget* dono) {
  const AssistenteImportacao& assistente = Assistente();
  return assistente ? assistente(indice, dono) : ImportacaoIndisponivel(indice, dono);
}

ResultadoImportacao ImportacaoIndisponivel(TColecaoTolv&, QWidget*) {
  ExibeMensagem(QStringLiteral("A importação de dados ainda não está disponível nesta versão do programa."),
                TipoMensagem::Informacao);
  return {};
}

void DefineRelatorioImportacao(RelatorioImportacao relatorio) { Relatorio() = std::move(relatorio); }

void ImprimirRelatorioImportacao(QWidget* dono) {
  if (const RelatorioImportacao& relatorio = Relatorio()) relatorio(dono);
}

void Conecta(PassosPrincipal& passos) {
  passos.dialogoInicial = [](QWidget* dono) {
    TTolv2014* janela = Janela(dono);
    return ExecutaInicial(janela->GetTolv(), janela->GetColecaoTolv(), janela);
  };
  passos.novaDeclaracao = [](QWidget* dono) {
    TTolv2014* janela = Janela(dono);
    return ExecutaNovaDeclaracao(janela->GetTolv(), janela->GetColecaoTolv(), janela);
  };
  passos.escolheDeclaracao = [](QWidget* dono, const QString& titulo) {
    TTolv2014* janela = Janela(dono);
    return ExecutaAbreDeclaracao(janela->GetTolv(), janela->GetColecaoTolv(), titulo, janela);
  };
  passos.excluiDeclaracao = [](QWidget* dono) {
    TTolv2014* janela = Janela(dono);
    return ExecutaExcluiDeclaracao(janela->GetColecaoTolv(), janela);
  };
}

}  // namespace DialogosDeclaracao
