#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>

#include "validador/TLinhaStringList.h"
#include "validador/TTFlagCampo.h"
#include "validador/TTipoRegistro.h"

// A line of the import pass: split like an analysis line, with the type of its identifier. The
// storage reads an importable line only through Campo and GetTipo.
class TLinhaI {
 public:
  // Throws std::invalid_argument for an unknown identifier (an importable line has none).
  void Define(const QString& texto);
  QString& Texto() { return m_texto; }
  void Divide();

  QString Campo(int posicao) const;
  // The field as it stands in the line, without a copy; empty out of range.
  QStringView Item(int posicao) const {
    return posicao < 0 || posicao >= m_itens.Quantidade() ? QStringView() : m_itens.Item(posicao);
  }
  int64_t GetTamanho() const { return m_texto.size(); }
  int GetNumeroCampos() const { return m_numeroCampos; }
  TTipoRegistro GetTipo() const { return m_tipo; }
  // Leaves empty the items at the positions (zero-based, the identifier being 0).
  void LimpaCampos(const TTFlagCampo::Campos& campos);

 private:
  QString m_texto;
  TLinhaStringList m_itens;
  int m_numeroCampos = -2;
  TTipoRegistro m_tipo = TTipoRegistro::RTOLV;
};
