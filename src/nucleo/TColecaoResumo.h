#pragma once

#include "nucleo/TColecaoDe.h"

class TResumo;
class TTolv;

// The summaries of a declaration's sources, one RESUMOS row per source key, in the
// declaration's database and on its shared transaction. While FalhaBanco is set its reads do
// nothing.
class TColecaoResumo : public TColecaoDe<TResumo> {
 public:
  explicit TColecaoResumo(TTolv& declaracao);
  ~TColecaoResumo() override;

  // Locates the row of the summary's owner; false when it is not there or nothing was read.
  bool LocalizaResumo(TResumo& resumo);
  // The row of the summary's owner; a summary without a row is left as it was.
  void CarregaResumo(TResumo& resumo);
  // The totals of every source together (the beneficiary counts summed, up to date only when
  // every source is); a declaration without rows leaves the summary as it was.
  void CarregaResumoTotal(TResumo& resumo);
  // Inserts or replaces the owner's row; nothing for an owner not stored yet.
  void GravaResumo(TResumo& resumo);
  // The row of a source from a summary that needs no owner (the recalculation keeps one summary
  // for every annex); committed only with `confirma`, so that many rows go in one commit.
  void GravaResumo(const QString& fonte, const TResumo& resumo, bool confirma);
  // Recomputes every source's row from the stored lines (ATUALIZAR_RESUMO).
  void AtualizaResumos();

  // The ten totals and the up-to-date mark of a row of RESUMOS or BUSCA_RESUMO_TOTAL.
  static void LeTotais(TResumo& resumo, const bd::Consulta& dados);

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;
  void CarregaObjeto(TResumo& resumo, bd::Consulta& dados) override;

 private:
  // After a write the next read fetches the rows and the count again.
  void EsqueceLeituras();

  TTolv* m_declaracao = nullptr;
  std::unique_ptr<bd::Procedimento> m_atualizaResumos;
};
