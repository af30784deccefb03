#pragma once

#include <QString>

#include <cstdint>

#include "nucleo/Monetario.h"

namespace bd {
class Conexao;
}
class TCompensacao;
class TRendimentosTributaveis;
class TSubJudice;
class TTolvAnexo;

// The totals of one owner's beneficiary lines (the declaration's own or an annex's), or of a
// whole declaration. The ten stored totals are kept per source in RESUMOS; the others are
// filled only by Calcula. Amounts keep whatever sign the arithmetic gives them.
class TResumo {
 public:
  // The stored totals, in the order of their columns.
  enum Total {
    kTotBenef,
    kTotRend,
    kTotDed,
    kTotIrrf,
    kTotAnoAtu,
    kTotAnoAnt,
    kTotRendSubjud,
    kTotDedSubjud,
    kTotIrrfSubjud,
    kTotDepSubjud,
  };
  static constexpr int kTotais = 10;
  static const char* NomeColuna(Total total);

  // What the summary reads of a beneficiary line. A missing series counts as zero, so an
  // empty Linha stands for "no line".
  struct Linha {
    QString chave;  // TOLV_ITEM_DK; empty while the line is not stored
    int acao = 2;   // 3: the imported amounts are added to the stored line
    bool deducaoEspecializada = true;
    QString anoCalendario;
    TRendimentosTributaveis* tributaveis = nullptr;
    TCompensacao* compensacao = nullptr;
    TSubJudice* subJudice = nullptr;
  };

  explicit TResumo(TTolvAnexo* dono = nullptr);
  TResumo(const TResumo&) = delete;
  TResumo& operator=(const TResumo&) = delete;

  TTolvAnexo* GetDono() const { return m_dono; }

  TMonetario& GetTotal(Total total);
  const TMonetario& GetTotal(Total total) const;
  TNumero& GetTotBenef() { return m_totBenef; }
  TMonetario& GetTotRend() { return m_totRend; }
  TMonetario& GetTotDed() { return m_totDed; }
  TMonetario& GetTotIrrf() { return m_totIrrf; }
  TMonetario& GetTotAnoAtu() { return m_totAnoAtu; }
  TMonetario& GetTotAnoAnt() { return m_totAnoAnt; }
  TMonetario& GetTotRendSubjud() { return m_totRendSubjud; }
  TMonetario& GetTotDedSubjud() { return m_totDedSubjud; }
  TMonetario& GetTotIrrfSubjud() { return m_totIrrfSubjud; }
  TMonetario& GetTotDepSubjud() { return m_totDepSubjud; }
  // Exempt income, serious illness included.
  TMonetario& GetIsentos() { return m_isentos; }
  TMonetario& GetRemessa() { return m_remessa; }
  TMonetario& GetRetidoRemessa() { return m_retidoRemessa; }
  TNumero& GetQtdeOperadoras() { return m_qtdeOperadoras; }
  TNumero& GetQtdeTitulares() { return m_qtdeTitulares; }
  TNumero& GetQtdeDependentes() { return m_qtdeDependentes; }
  TMonetario& GetValorDependentes() { return m_valorDependentes; }
  TMonetario& GetValorTitulares() { return m_valorTitulares; }

  // The up-to-date mark (column OK).
  uint8_t GetOk() const { return m_ok; }
  void SetOk(uint8_t ok) { m_ok = ok; }
  uint8_t GetJudicial() const { return m_judicial; }

  // Every value 0, up to date.
  void Zera();
  // The eighteen values and the up-to-date mark.
  void CopiaPara(TResumo& destino) const;
  // Whether a judicial total is above 0; kept in the judicial mark.
  bool PossuiJudicial();
  // Applies the change of one line: `anterior` as it was stored (empty for a new line), `nova`
  // as it is now. Recomputes the new line's total deductions when it keeps none of its own.
  void AtualizaComItem(const Linha& anterior, const Linha& nova);
  // Every total but the beneficiaries count from SQL sums over the declaration's database.
  // A failure reaches the caller as bd::ErroBanco.
  void Calcula(bd::Conexao& conexao);

 private:
  uint8_t m_ok = 0;
  uint8_t m_judicial = 0;
  TTolvAnexo* m_dono;
  TNumero m_totBenef;
  TMonetario m_totRend;
  TMonetario m_totDed;
  TMonetario m_totIrrf;
  TMonetario m_totAnoAtu;
  TMonetario m_totAnoAnt;
  TMonetario m_totRendSubjud;
  TMonetario m_totDedSubjud;
  TMonetario m_totIrrfSubjud;
  TMonetario m_totDepSubjud;
  TMonetario m_isentos;
  TMonetario m_remessa;
  TMonetario m_retidoRemessa;
  TNumero m_qtdeOperadoras;
  TNumero m_qtdeTitulares;
  TNumero m_qtdeDependentes;
  TMonetario m_valorDependentes;
  TMonetario m_valorTitulares;
};
