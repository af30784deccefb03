#pragma once

#include <QString>

#include <vector>

#include "nucleo/Valor.h"
#include "secoes/TColecaoSecao.h"

// One holder as the health-plan editor lists it: the CPF with its check digits.
struct TLinhaTitular {
  int id = 0;
  int operadora = 0;
  QString cpf;
  QString nome;
  Valor valor;
};

// The holders of one operator as the editor walks them, read a window at a time: an operator
// with a hundred thousand holders opens at once and memory stays flat. Row 0 holds the largest
// CPF and the last row the smallest, the order in which the editor's table has always shown them
// (the last row is the one shown on opening).
class TTitularesOperadora : public TColecaoSecao {
 public:
  TTitularesOperadora();

  // Counts the operator's holders and forgets the rows read; 0 empties the list.
  void Carrega(int operadora);
  void Esvazia() { Carrega(0); }
  // The stored holders changed (a save or a deletion): counted again, read again on demand.
  void Recarrega() { Carrega(m_operadora); }

  int Operadora() const { return m_operadora; }
  int Quantidade() const { return m_quantidade; }
  bool Vazia() const { return m_quantidade == 0; }
  // 0 <= linha < Quantidade().
  const TLinhaTitular& Linha(int linha);
  // The row of a stored holder of this operator; -1 when it is not one.
  int Localiza(int id);
  // The holders whose CPF (with check digits) and name begin with the criteria (case matters;
  // an empty criterion matches all), in the list's order.
  std::vector<TLinhaTitular> Pesquisa(const QString& cpf, const QString& nome);

  static constexpr int kJanela = 256;

 private:
  TLinhaTitular LeLinha(bd::Consulta& c) const;

  int m_operadora = 0;
  int m_quantidade = 0;
  // Rows in the CPF order (ascending) from m_inicio on.
  int m_inicio = 0;
  std::vector<TLinhaTitular> m_janela;
};
