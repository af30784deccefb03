#pragma once

#include <QString>

class TErros;
class TTolv;
class TVerificacaoPendencias;

// The items of income received cumulatively of one type (1 paid by the declarant, 2 by court
// order), read in one statement with both names joined (no statement per item), each checked by
// its field, month and consistency rules. An item with findings is listed under the type's title
// (once) and its beneficiary's row. `limpo` is cleared by the first finding; stops before the next
// item once the run is stopped.
void VerificaRra(TTolv& declaracao, int tipo, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                 bool& limpo);
// Its statement (parameter :TIPO).
QString ConsultaItensRra();

// The payments to residents abroad: every beneficiary with its payment lines, walked in two reads
// side by side. A beneficiary's findings go under the section's title (once per declaration) and
// the beneficiary's row; a line's under its date. A stored value that a rule cannot read is a
// finding like any other.
void VerificaRemessas(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                      bool& limpo);
