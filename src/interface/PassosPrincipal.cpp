#include "interface/PassosPrincipal.h"

#include <memory>

PassosPrincipal PassosPrincipal::desligados() {
  struct Falhas {
    bool banco = false;
    bool indice = false;
  };
  const auto falhas = std::make_shared<Falhas>();
  PassosPrincipal p;
  p.falhaBanco = [falhas] { return falhas->banco; };
  p.defineFalhaBanco = [falhas](bool v) { falhas->banco = v; };
  p.falhaBancoIndice = [falhas] { return falhas->indice; };
  p.defineFalhaBancoIndice = [falhas](bool v) { falhas->indice = v; };
  p.abreIndice = [] {};
  p.indiceVazio = [] { return true; };
  p.atualizaIndice = [] {};
  p.verificaExistenciaBancos = [](QWidget*) {};
  p.fecharDeclaracao = [] { return true; };
  p.fecharColecoes = [] {};
  p.dialogoInicial = [](QWidget*) { return false; };
  p.abrirDeclaracao = [](QWidget*) {};
  p.novaDeclaracao = [](QWidget*) { return false; };
  p.escolheDeclaracao = [](QWidget*, const QString&) { return false; };
  p.excluiDeclaracao = [](QWidget*) { return false; };
  p.gravaCopiaAutomatica = [](QWidget*) {};
  p.assistenteCopia = [](QWidget*) {};
  p.assistenteRestauracao = [](QWidget*) {};
  p.repararBanco = [](QWidget*) {};
  return p;
}
