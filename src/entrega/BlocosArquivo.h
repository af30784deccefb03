#pragma once

#include <memory>
#include <vector>

#include "entrega/IBlocoArquivo.h"

// The blocks of the declaration file after the declarant's records, in file order.
std::vector<std::unique_ptr<IBlocoArquivo>> BlocosDoArquivo();
