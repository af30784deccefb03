#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <memory>

#include "nucleo/NavegacaoJanelas.h"
#include "plataforma/bd/Consulta.h"
#include "secoes/TColecaoSecao.h"

class TTolv;
class TzuqRra;

// The items of income received cumulatively of the open declaration: saved, deleted, found by key
// or as the first, previous, next or last of their type, checked for an equivalent, counted and
// placed. Writes commit at once.
//
// Each type is browsed through the shared window navigation: windows of a hundred items in key
// order, so that a move reads the database once every hundred items and the place of the item in
// its type is carried along. A count of the type is made once and kept up to date by this object's
// own saves; a place is counted (through the type's key index) only after a jump: a look-up by key,
// a new item, a deletion.
//
// Loading never refuses a stored value: every field is stored as it was read, and what breaks its
// rule goes to the list attached to the item (TzuqRra::SetErros); the checks of saving and of the
// verification judge it. A save that could not run raises EColecaoError 96 and leaves the item's
// changed flags as they were; a question that could not run raises 97.
class TzuqRraDAO : public TColecaoSecao {
 public:
  TzuqRraDAO();
  ~TzuqRraDAO() override;

  // The one object of the open declaration, created on first use and freed (committed) with the
  // declaration's collections, before its connection moves to another file.
  static TzuqRraDAO& DaDeclaracao(TTolv& declaracao);

  // Inserts a new item (key 0), giving it its key, or rewrites the stored one; then the item is
  // taken as unchanged. A report date that is not one raises EDataInvalida before anything is
  // written. The beneficiary who is his own lawyer lends his name to the lawyer.
  TzuqRra& Salva(TzuqRra& item);
  void Exclui(const TzuqRra& item);
  // Another stored item of the type has the same beneficiary, nature, process and lawyer.
  bool JaExiste(const TzuqRra& item);
  // Loads the item of the item's key; an unknown key leaves it cleared (key 0, its type kept).
  TzuqRra& Busca(TzuqRra& item);
  // The first, previous, next and last items of the item's type, from the item's key; where there
  // is none, the item stays as it was.
  TzuqRra& BuscaPrimeiro(TzuqRra& item);
  TzuqRra& BuscaAnterior(TzuqRra& item);
  TzuqRra& BuscaProximo(TzuqRra& item);
  TzuqRra& BuscaUltimo(TzuqRra& item);

  // The number of items of the item's type, and whether any item exists.
  int QuantidadeRegistros(const TzuqRra& item);
  bool ExisteRegistro();
  // The item's place (from 1) among the items of its type in key order; 0 for an unstored item.
  int PosicaoAtual(const TzuqRra& item);
  // Forgets the counts and places kept: items were stored by another way.
  void Reconta();
  // The name kept for a number (kind 1 person, else company), empty when none.
  QString BuscaNomeBeneficiario(const QString& base, int tipo);

  // Loads the current row of a window, a look-up or any statement that names its columns as the
  // BUSCA procedures do (the names as NM_NM_EMPR and NM_NM_EMPR_ADVOGADO) into the item.
  TzuqRra& CarregaItem(const bd::Consulta& linha, TzuqRra& item);

 private:
  // The browsing of one type.
  struct Navegacao {
    NavegacaoJanelas::Janelas janelas;
    bd::Consulta* atual = nullptr;
    bd::Consulta chave{bd::Consulta::Modo::Cache};
    std::unique_ptr<NavegacaoJanelas> navegacao;
    int partida = 0;          // the key a move starts from when no row is current
    int total = -1;           // the type's count, -1 until counted
    // An item whose place was known when a write closed the windows (a new item: the last place).
    int chaveGuardada = 0;
    int posicaoGuardada = -1;
  };
  Navegacao& NavegacaoDe(const TzuqRra& item);
  NavegacaoJanelas::Ligacao Ligacao(int indice);
  // The browsing stands on the item's row, or nowhere (moves then start from the item's key).
  void Sincroniza(Navegacao& nav, const TzuqRra& item);
  // After a move (a step, or a jump to an end): loads the row reached; false (the item untouched)
  // when the move found none.
  bool CarregaAtual(Navegacao& nav, TzuqRra& item, bool passo);
  // Opens the look-up of a key; true when the item exists.
  bool AbreChave(Navegacao& nav, int chave);
  int Conta(const TzuqRra& item);
  // Before a write closes the windows: the place of the row each type stands on.
  void GuardaPosicoes();

  static QString Tipo(const TzuqRra& item);
  // The places (from 1) of a procedure's fields, in the order of the item's columns, found once
  // by name: 84 values are too many to look up by name at every call.
  using Posicoes = std::array<int, 97>;
  const Posicoes& Entradas(bd::Procedimento& procedimento);
  const Posicoes& Saidas(const bd::Consulta& linha);

  std::map<QString, Posicoes> m_entradas;
  std::map<QString, Posicoes> m_saidas;
  std::array<Navegacao, 2> m_navegacoes;
};
