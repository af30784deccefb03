#pragma once

#include <QString>

class TErros;
class TTolv;
class TVerificacaoPendencias;

// The collective health plans of a declaration: every operator, its holders and their dependants,
// read in one joined statement in that order (no statement per operator or holder). Each finding
// is listed at once under the operator's row and the holder's or dependant's. `limpo` is cleared
// by the first finding; stops before the next row once the run is stopped.
void VerificaPlanosSaude(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                         bool& limpo);
// Its joined statement.
QString ConsultaPlanosSaude();
