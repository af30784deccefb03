#include "controles/TPaginaDeclaracao.h"

TPaginaDeclaracao::~TPaginaDeclaracao() = default;
