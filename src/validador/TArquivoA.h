#pragma once

#include "validador/TArquivo.h"
#include "validador/TLinha.h"

// The analysis reader: each line read becomes its TLinha, split and counted.
class TArquivoA : public TArquivo {
 public:
  explicit TArquivoA(TArquivoDados& dados);

  static const TabelaRegras& Tabela();

  bool LeLinha();
  TLinha& GetLinha() { return m_linha; }

 private:
  bool ER_RegistroTOLV();

  TLinha m_linha;
};
