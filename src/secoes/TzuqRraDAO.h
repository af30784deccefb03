#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <map>

#include "secoes/TColecaoSecao.h"

class TTolv;
class TzuqRra;

// The items of income received cumulatively of the open declaration: saved, deleted, found by key
// or as the first, previous, next or last of their type, checked for an equivalent, counted and
// placed. Writes commit at once.
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
  // Loads the item of the item's key; an unknown key leaves it cleared (key 0).
  TzuqRra& Busca(TzuqRra& item);

  // The number of items of the item's type, and whether any item exists.
  int QuantidadeRegistros(const TzuqRra& item);
  bool ExisteRegistro();
  // The name kept for a number (kind 1 person, else company), empty when none.
  QString BuscaNomeBeneficiario(const QString& base, int tipo);

 protected:
  // Loads the outputs of a BUSCA procedure into the item.
  TzuqRra& CarregaItem(bd::Procedimento& procedimento, TzuqRra& item);

 private:
  static QString Tipo(const TzuqRra& item);
  // The places (from 1) of a procedure's fields, in the order of the item's columns, found once
  // by name: 84 values are too many to look up by name at every call.
  using Posicoes = std::array<int, 97>;
  const Posicoes& Entradas(bd::Procedimento& procedimento);
  const Posicoes& Saidas(bd::Procedimento& procedimento);

  std::map<QString, Posicoes> m_entradas;
  std::map<QString, Posicoes> m_saidas;
};
