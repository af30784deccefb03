#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

#include "validador/TLinhaStringList.h"
#include "validador/TPrimitivo.h"
#include "validador/TTipoRegistro.h"

// A line of the analysis: its text split at the bars, its field count (the items less two, so
// -2 for an empty line) and the record type its identifier names. Tested as a line: a known
// identifier, and a final bar.
class TLinha : public TPrimitivo {
 public:
  explicit TLinha(TArquivoDados& dados);

  static const TabelaRegras& Tabela();

  void Define(const QString& texto);
  // The reader decodes straight into the line's own text; Divide then splits it.
  QString& Texto() { return m_texto; }
  void Divide();

  // Item 0 is the identifier (the record upper-cases it when it takes it).
  QStringView Campo(int posicao) const { return m_itens.Item(posicao); }
  int GetNumeroCampos() const { return m_numeroCampos; }
  int64_t GetTamanho() const { return m_texto.size(); }
  const QString& GetTexto() const { return m_texto; }
  const TLinhaStringList& Itens() const { return m_itens; }
  TTipoRegistro GetTipo() const { return m_tipo; }

  void Valida();

 private:
  bool ER_RegistroDesconhecido();
  bool ER_NumeroDeDelimitadores();

  QString m_texto;
  TLinhaStringList m_itens;
  int m_numeroCampos = -2;
  // The type of the last line with a known identifier.
  TTipoRegistro m_tipo = TTipoRegistro::RTOLV;
};
