#include "validador/TArquivoI.h"

#include "validador/TArquivoDados.h"

TArquivoI::TArquivoI(TArquivoDados& dados) : TArquivo(dados, Tabela()) {}

const TabelaRegras& TArquivoI::Tabela() {
  static const TabelaRegras tabela("TArquivoI", &TPrimitivo::Tabela(), {});
  return tabela;
}

bool TArquivoI::LeLinha() {
  m_dados->ProcessaEventos();
  int64_t bytes = 0;
  if (!LeTexto(m_linha.Texto(), bytes)) return false;
  m_dados->ContaLinha(bytes + 2);
  const int64_t numero = m_dados->LinhaAtual();
  if (m_dados->LinhaImportavel(numero)) {
    m_linha.Divide();
    m_linha.LimpaCampos(m_dados->CamposRejeitados());
  }
  return true;
}
