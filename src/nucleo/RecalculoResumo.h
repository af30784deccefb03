#pragma once

#include <QElapsedTimer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "nucleo/TResumo.h"

class TTolv;

// Rebuilds the summaries of an open declaration from its stored beneficiary lines: the
// declarant's, each fund's and process's, and the overall one. Every line is read once, in list
// mode (the line and its child rows in one row), through a working copy of the declaration, so
// that the collections that the pages hold are left alone. The totals are gathered apart and
// only a completed walk puts them in the declaration and in RESUMOS: a cancelled one leaves both,
// and the up-to-date marks, as they were.
class RecalculoResumo {
 public:
  // Lines walked so far; the caller may process pending events in it (and so cancel).
  using Progresso = std::function<void(int linhas)>;

  // The declaration outlives the recalculation.
  explicit RecalculoResumo(TTolv& declaracao);

  // Called at most once per interval while the walk goes on, and once at its end.
  void DefineProgresso(Progresso progresso, int intervaloMs = 50);
  // Lines of every source together: what the walk will read.
  int TotalLinhas();
  // Asks the walk to stop at the next line.
  void Cancela() { m_cancelado = true; }
  bool Cancelado() const { return m_cancelado; }

  // True when every source was walked and the totals stored and marked up to date.
  bool Executa();

 private:
  struct TotaisFonte {
    QString fonte;
    std::array<int64_t, TResumo::kTotais> totais{};
  };

  // Walks one owner's lines into its own working summary and the overall one; false when
  // cancelled.
  bool Percorre(TTolv& copia, TTolvAnexo& dono, TResumo& proprio, TResumo& geral);
  void Avanca();
  static std::array<int64_t, TResumo::kTotais> Totais(const TResumo& resumo);
  static void Aplica(const std::array<int64_t, TResumo::kTotais>& totais, TResumo& resumo);

  TTolv& m_declaracao;
  Progresso m_progresso;
  int m_intervaloMs = 50;
  QElapsedTimer m_relogio;
  int m_lidas = 0;
  bool m_cancelado = false;
};
