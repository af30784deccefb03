#pragma once

#include <QStringView>

#include <array>
#include <bitset>
#include <cstddef>
#include <memory>

#include "validador/TTipoRegistro.h"

namespace bd {
class ChamadaProcedimento;
}
class TArquivoDados;
class TDataAccess;
class TLinhaI;

// A group of lines of a declaration file that becomes one stored row (with its child rows): the
// lines are given to Preenche one by one, which writes their values into the inputs of one to
// three stored procedures, and Grava runs them once the group is complete. The same object serves
// every group of its kind in a storing pass: the procedures are prepared once, when it is made.
//
// Database failures are thrown (bd::ErroBanco), a field that cannot be read std::invalid_argument.
class TRegistroTransferObject {
 public:
  using Tipos = std::bitset<kQuantidadeTipos>;

  TRegistroTransferObject(TDataAccess& banco, TArquivoDados& dados);
  virtual ~TRegistroTransferObject();
  TRegistroTransferObject(const TRegistroTransferObject&) = delete;
  TRegistroTransferObject& operator=(const TRegistroTransferObject&) = delete;

  // Runs the first procedure, then the second and the third when they are pending.
  virtual void Grava();
  void SetTiposRegistro(const Tipos& tipos) { m_tipos = tipos; }
  // Every input of the procedures back to its starting value (texts empty, numbers 0, dates
  // 30/12/1899); the pending marks cleared.
  virtual void ReiniciaParametros();
  void LimpaMarcas() { m_vistos.reset(); }
  virtual void Preenche(const TLinhaI& linha) = 0;
  // False while the line of that type joins the group (its mark is then set); true when the group
  // is complete before it: a second line of a type already in the group, or of its twin (a person
  // and a company beneficiary of the same block). The marks are then cleared.
  bool DeveGravar(TTipoRegistro tipo);
  bool TrataTipo(TTipoRegistro tipo) const { return m_tipos.test(size_t(Ordinal(tipo))); }

  static Tipos TiposDe(std::initializer_list<TTipoRegistro> tipos);

 protected:
  // A procedure on the data access's transaction, prepared, its inputs at their starting values.
  std::unique_ptr<bd::ChamadaProcedimento> Prepara(const char* nome);
  // The positions of the inputs of those names, resolved once.
  template <size_t N>
  static std::array<int, N> Entradas(const bd::ChamadaProcedimento& procedimento, const char* const (&nomes)[N]) {
    std::array<int, N> posicoes{};
    for (size_t i = 0; i < N; ++i) posicoes[i] = Entrada(procedimento, nomes[i]);
    return posicoes;
  }
  static int Entrada(const bd::ChamadaProcedimento& procedimento, const char* nome);
  static int Saida(const bd::ChamadaProcedimento& procedimento, const char* nome);
  // A text input: empty stays empty, never null.
  static void Texto(bd::ChamadaProcedimento& procedimento, int posicao, QStringView texto);
  // A text input, or null when the text is empty.
  static void TextoOuNulo(bd::ChamadaProcedimento& procedimento, int posicao, QStringView texto);

  TDataAccess& m_banco;
  TArquivoDados& m_dados;
  Tipos m_tipos;
  Tipos m_vistos;
  bool m_pendente2 = false;
  bool m_pendente3 = false;
  std::unique_ptr<bd::ChamadaProcedimento> m_proc1;
  std::unique_ptr<bd::ChamadaProcedimento> m_proc2;
  std::unique_ptr<bd::ChamadaProcedimento> m_proc3;
};
