#pragma once

#include "validador/TArquivo.h"
#include "validador/TLinhaI.h"

// The import reader: every line is read and counted; an importable line becomes its TLinhaI,
// split, with the fields the analysis rejected as warnings left empty. A line that is not
// importable is not split.
class TArquivoI : public TArquivo {
 public:
  explicit TArquivoI(TArquivoDados& dados);

  static const TabelaRegras& Tabela();

  bool LeLinha();
  TLinhaI& GetLinha() { return m_linha; }

 private:
  TLinhaI m_linha;
};
