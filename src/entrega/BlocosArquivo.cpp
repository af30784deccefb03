#include "entrega/BlocosArquivo.h"

#include "entrega/TBlocoBeneficiariosDeclarante.h"

std::vector<std::unique_ptr<IBlocoArquivo>> BlocosDoArquivo() {
  std::vector<std::unique_ptr<IBlocoArquivo>> blocos;
  // The declarant's beneficiaries (IDREC, BPFDEC, BPJDEC and their value records).
  blocos.push_back(std::make_unique<TBlocoBeneficiariosDeclarante>());
  // Then, each in its place when it is written: the fund and club annexes (FCI), the process
  // annexes (PROC), accumulated income (RRA), health plans (PSE), payments abroad (RPDE) and
  // complementary information (INF).
  return blocos;
}
