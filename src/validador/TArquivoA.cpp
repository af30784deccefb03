#include "validador/TArquivoA.h"

#include "validador/TArquivoDados.h"

TArquivoA::TArquivoA(TArquivoDados& dados) : TArquivo(dados, Tabela()), m_linha(dados) {}

const TabelaRegras& TArquivoA::Tabela() {
  static const TabelaRegras tabela("TArquivoA", &TPrimitivo::Tabela(),
                                   {{"ER_RegistroTOLV", &RegraDe<TArquivoA, &TArquivoA::ER_RegistroTOLV>}});
  return tabela;
}

bool TArquivoA::LeLinha() {
  int64_t bytes = 0;
  if (!LeTexto(m_linha.Texto(), bytes)) return false;
  m_linha.Divide();
  m_dados->ContaLinha(bytes + 2);
  return true;
}

bool TArquivoA::ER_RegistroTOLV() {
  m_textoRegistro = QStringLiteral(" Registro: ") + m_linha.Campo(0).toString().toUpper();
  m_textoCampo = QStringLiteral(" Campo: XXXXX");
  return m_linha.GetNumeroCampos() >= 0 && m_linha.GetTipo() == TTipoRegistro::RTOLV;
}
