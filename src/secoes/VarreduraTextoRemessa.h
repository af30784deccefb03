#pragma once

#include <QString>

// The scan of a name or an address text of the payments abroad. The text is lower-cased; runs
// of equal characters are counted over the characters other than the blank (a blank neither
// breaks nor extends a run).
namespace VarreduraTextoRemessa {

enum class Falha { Nenhuma, Repeticao, Pontuacao, Barra };

struct Resultado {
  // The first fault in the order the scan meets them: a fourth equal character in a row, a
  // second ',', '.', ':' or ';' in a row (only when punctuation counts), a '|'.
  Falha primeira = Falha::Nenhuma;
  bool repeticao = false;  // a run of more than three anywhere
  bool barra = false;      // a '|' anywhere
  bool letra = false;      // a plain letter 'a' to 'z' anywhere (accented letters do not count)
};

Resultado Varre(const QString& texto, bool pontuacao);

}  // namespace VarreduraTextoRemessa
