#include "entrega/BlocosArquivo.h"

#include "entrega/TBlocoBeneficiariosDeclarante.h"
#include "entrega/TBlocoFundosClubes.h"
#include "entrega/TBlocoInfoComp.h"
#include "entrega/TBlocoPlanoSaude.h"
#include "entrega/TBlocoProcessos.h"
#include "entrega/TBlocoRemessas.h"
#include "entrega/TBlocoRra.h"

std::vector<std::unique_ptr<IBlocoArquivo>> BlocosDoArquivo() {
  std::vector<std::unique_ptr<IBlocoArquivo>> blocos;
  blocos.push_back(std::make_unique<TBlocoBeneficiariosDeclarante>());  // IDREC, BPFDEC, BPJDEC
  blocos.push_back(std::make_unique<TBlocoFundosClubes>());             // FCI
  blocos.push_back(std::make_unique<TBlocoProcessos>());                // PROC
  blocos.push_back(std::make_unique<TBlocoRra>());                      // RRA
  blocos.push_back(std::make_unique<TBlocoPlanoSaude>());               // PSE
  blocos.push_back(std::make_unique<TBlocoRemessas>());                 // RPDE
  blocos.push_back(std::make_unique<TBlocoInfoComp>());                 // INF
  return blocos;
}
