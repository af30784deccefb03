#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The rejected warning fields of the lines: while a record is tested, the zero-based positions
// of its failing fields of the warning category; once the line is marked, one row per line that
// has any, read back by the import in line order with a forward-only cursor. No limit on how
// many positions a line keeps: a field left out of the list would be imported although the
// analysis rejected it.
class TTFlagCampo {
 public:
  using Campos = std::vector<uint16_t>;

  void LimpaCampos() { m_atual.clear(); }
  void AdicionaCampo(int posicao) { m_atual.push_back(uint16_t(posicao)); }
  const Campos& CamposAtuais() const { return m_atual; }
  // Appends a row for the line when the current list is not empty.
  void GravaLinha(int64_t linha);
  void Primeiro() { m_cursor = 0; }
  // The list of the line, or an empty list; the cursor only moves forward.
  const Campos& CamposDaLinha(int64_t linha);
  int Quantidade() const { return int(m_linhas.size()); }
  void Limpa();

 private:
  struct Linha {
    int64_t linha;
    Campos campos;
  };
  Campos m_atual;
  std::vector<Linha> m_linhas;
  size_t m_cursor = 0;
  Campos m_vazia;
};
