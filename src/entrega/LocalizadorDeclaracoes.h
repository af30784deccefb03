#pragma once

#include <QString>

#include <functional>
#include <vector>

#include "plataforma/bd/ConjuntoMemoria.h"

// The search of written declaration files behind the finder (TFrPesquisaDeclaracoes), without
// widgets: a file whose name has the form of a written declaration ("<11 or more characters>-TOLV-
// 2014-<year>-<kind>-<situation>.DEC", in any letter case), with or without its delivery receipt
// (the same name with ".REC") beside it, becomes one row of the list with what its header says.
// Only the head and the tail of each file are read.
namespace LocalizadorDeclaracoes {

// The list's columns: ANO, DATA_GERA, HASH (the receipt number, 12 digits or empty), TIPO
// ("Original"/"Retificadora"), NOME_ARQUIVO, CAMINHO (the folder, without a trailing '/'), NOME,
// IN_PF_PJ ("1" person, "2" company) and NR_PF_PJ.
std::vector<bd::ConjuntoMemoria::Coluna> Colunas();

// Whether the name has the form of a written declaration file of this year (any extension).
bool NomeDeDeclaracao(const QString& nome);

// Appends the files of the folder (and of every subfolder, depth first, when `subpastas`) that
// have a receipt beside them exactly when `comRecibo`. A folder that cannot be read adds nothing.
// `aCada` runs every few files (the window keeps painting). Answers the rows appended.
int PesquisaPasta(const QString& pasta, bool subpastas, bool comRecibo, bd::ConjuntoMemoria& lista,
                  const std::function<void()>& aCada = {});

// The list in the finder's order: kind of declarant, tax number, writing time.
void Ordena(bd::ConjuntoMemoria& lista);

}  // namespace LocalizadorDeclaracoes
