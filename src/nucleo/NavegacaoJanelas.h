#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>

#include <QString>

namespace bd {
class Consulta;
class Transacao;
}  // namespace bd

// Browsing an ordered set of rows one window at a time, both ways: the first and the last window
// of the order, and the window after or before the row the browsing stands on. Each window is
// read by a statement of its own that returns at most a window of rows (a hundred, by the
// procedures' choice), so no more than the windows in use are ever held in memory. Where it can,
// it knows the place of the current row in the whole order (1 for the first row), so that a page
// shows "n of total" without counting again.
//
// It works on a collection's four navigation queries and its current query, which it makes point
// at the window it moves into; a query that the collection opens by itself (a lookup) may become
// current too, and the moves go on from it. The collection says how a query opens (its failure
// policy) and what parameters each window takes from the current position.
class NavegacaoJanelas {
 public:
  enum Janela { kPrimeira = 0, kAnterior = 1, kProxima = 2, kUltima = 3 };
  using Janelas = std::array<std::unique_ptr<bd::Consulta>, 4>;

  struct Ligacao {
    // Opens a query again (closing it first) under the collection's failure policy, reading every
    // row of a window.
    std::function<void(bd::Consulta&)> abre;
    // Sets a window's parameters before it opens. For the windows before and after, `atual` is
    // the query the browsing stands on (null when none is open): the window starts from its row,
    // or from the row loaded last when it has none.
    std::function<void(bd::Consulta& janela, Janela qual, const bd::Consulta* atual)> posiciona;
    // True while the browsing stands nowhere: a step back then goes to the last window.
    std::function<bool()> semPosicao;
    // The count of the whole order when already known, else -1; it places the last window.
    std::function<int()> total;
  };

  // The windows and the current query belong to the collection and outlive the navigation.
  NavegacaoJanelas(Janelas& janelas, bd::Consulta*& atual, Ligacao ligacao);

  // Creates the windows that are missing, closes them and gives them their statements (first,
  // before, after, last) as forward-and-back queries on the transaction. With `releExtremos` the
  // first and last windows are read again at every visit (rows stored by others show up);
  // otherwise they stay open until FechaExtremos.
  void Define(bd::Transacao* transacao, const std::array<QString, 4>& sqls, bool releExtremos);
  bool Definida() const;

  // The moves; each leaves the current query on the row reached. A step past either end may leave
  // it open without rows (the window after the last row is empty): the next move then starts from
  // the position the collection gives, the row it loaded last.
  void Primeiro();
  void Ultimo();
  void Anterior();
  void Proximo();

  // The first and last windows hold stale rows after a write; the current query stays open.
  void FechaExtremos();
  // A query opened again by the collection (a lookup) starts with no known place.
  void Esquece(const bd::Consulta& consulta);
  // Forgets every place (the statements changed).
  void EsqueceTudo();

  // The place of the current row in the whole order; -1 when not known.
  int PosicaoAtual() const;
  // The current row is known to stand at `posicao`: the next moves keep counting from it.
  void ConhecePosicao(int posicao);

  bool EhJanela(const bd::Consulta& consulta, Janela janela) const;
  bd::Consulta& JanelaDe(Janela janela) { return *m_janelas[janela]; }

 private:
  // Opens a window at the current position; true when it has rows.
  bool Abre(Janela janela);
  bool TornaAtual(bd::Consulta& consulta);
  int InicioDe(const bd::Consulta& consulta) const;
  // The place a move starts from: the current row's, or the last one's after a step past an end.
  int PosicaoDePartida() const;
  void PerdeLinha(const bd::Consulta& janela, int posicao);

  Janelas& m_janelas;
  bd::Consulta*& m_atual;
  Ligacao m_ligacao;
  bool m_releExtremos = false;
  // The place of the first row of each open query, where known.
  std::map<const bd::Consulta*, int> m_inicio;
  int m_posicaoSemLinha = -1;
};
