#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "nucleo/Compensacao.h"
#include "nucleo/MonetarioTotal.h"
#include "nucleo/Processo.h"
#include "nucleo/RendimentosIsentos.h"
#include "nucleo/RendimentosTributaveis.h"
#include "nucleo/SubJudice.h"
#include "nucleo/TBeneficiarioTolv.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TextoMarcado.h"

class TErros;
class TTolv;
class TTolvAnexo;

// One beneficiary under one revenue code inside one section owner (the declaration itself, or a
// fund, club or process annex): its monthly amounts for the twelve months and the thirteenth
// salary, the process data of the line, the serious-illness indicator and the report date, with
// the line's own checks. A line is reused for any number of stored lines (the lines collection
// fills it, Limpa empties it): a walk over a large declaration keeps one object. The owner, the
// declaration and the error list belong to others and must outlive the line.
class TTolvItem {
 public:
  // What to do with a line that is already stored: keep it, replace it, replace it by the sum.
  enum Acao : uint8_t { kMantem = 1, kSubstitui = 2, kSoma = 3 };

  TTolvItem(TTolv& declaracao, TTolvAnexo& anexo);
  virtual ~TTolvItem();
  TTolvItem(const TTolvItem&) = delete;
  TTolvItem& operator=(const TTolvItem&) = delete;

  // Empties the key, the amounts, the beneficiary, the code and the texts; the annex indicator,
  // the process-line flag, the action, the deductions flag and the changed marks stay. The fund
  // that the beneficiary may not be is taken again from the owner.
  void Limpa();
  // The key, the beneficiary, the code, every amount and text; the destination keeps its owner,
  // its annex indicator, its process-line flag and its action.
  void CopiaPara(TTolvItem& destino) const;
  // Where the failures of loaded values go: the line, its beneficiary and its four series.
  void SetErros(TErros* erros);
  TErros* GetErros() const { return m_erros; }

  // Sets or clears the changed mark of the line and of everything in it.
  virtual void SetModificado(bool modificado);
  // True once the line's mark is set or the beneficiary, a series or a process text changed;
  // a true answer is kept until SetModificado(false). The illness indicator and the report date
  // are not asked: whoever changes them calls SetModificado(true).
  bool GetModificado() const;

  // TOLV_ITEM_DK of the stored row; empty for a line not stored.
  const QString& GetTolvItemDK() const { return m_tolvItemDK; }
  void SetTolvItemDK(const QString& chave) { m_tolvItemDK = chave; }

  TCodigoRetencao& GetCodigoRetencao() { return m_codigo; }
  const TCodigoRetencao& GetCodigoRetencao() const { return m_codigo; }
  // Takes the code as the line's and marks the line changed.
  TTolvItem& SetCodigoRetencao(const TCodigoRetencao& codigo);

  TBeneficiarioTolv& GetBeneficiario() { return m_beneficiario; }
  const TBeneficiarioTolv& GetBeneficiario() const { return m_beneficiario; }
  TRendimentosTributaveis& GetTributaveis() { return m_tributaveis; }
  const TRendimentosTributaveis& GetTributaveis() const { return m_tributaveis; }
  TRendimentosIsentos& GetIsentos() { return m_isentos; }
  const TRendimentosIsentos& GetIsentos() const { return m_isentos; }
  TCompensacao& GetCompensacao() { return m_compensacao; }
  const TCompensacao& GetCompensacao() const { return m_compensacao; }
  TSubJudice& GetSubJudice() { return m_subJudice; }
  const TSubJudice& GetSubJudice() const { return m_subJudice; }
  TProcesso& GetProcesso() { return m_processo; }
  TVara& GetVara() { return m_vara; }
  TMunicipio& GetMunicipio() { return m_municipio; }
  TDataLaudo& GetDataLaudo() { return m_dataLaudo; }
  const TDataLaudo& GetDataLaudo() const { return m_dataLaudo; }
  TInMolestia& GetInMolestia() { return m_inMolestia; }
  const TInMolestia& GetInMolestia() const { return m_inMolestia; }

  // Tax withheld plus the tax compensated (of the year and of previous years) of month 1 to 13;
  // 14 gives the year's, which counts months 1 to 12 only. std::out_of_range otherwise.
  TMonetarioTotal& GetTotalMes(int mes);
  // Income minus the four deductions and the month's total, negative results included.
  void CalculaLiquidoMes(int mes, TMonetario& destino);
  // The thirteenth-salary amount of every monthly series to 0.
  void ZeraDecimoTerceiro();
  // The exempt serious-illness income of every month to 0.
  void ZeraMolestia();

  // The checks answer a message code, 0 when the line passes. Those that consult the revenue
  // code fill the line's code object from the owner's code table (by its year, ANEXO and code).
  // The owner and declaration keys, the beneficiary, the code and the declarant.
  int Valida();
  // The code against the table, the calendar year, the section, the court and the declarant.
  int ValidaCodigoRetencao();
  // The declarant as its own beneficiary; codes only for persons or only for companies.
  int ValidaDeclaranteBeneficiario();
  // 73 when the code's row is of another calendar year.
  int ValidaCodigoAno();
  // Codes that lapsed or started during the year and still carry amounts outside their months.
  int ValidaVigenciaCodigo();

  // "1" when the owner is a fund, club or process annex, "0" for the declarant's own lines. A line
  // read from another source than its owner's takes that source's indicator.
  const QString& GetIndicadorAnexo() const { return m_indicadorAnexo; }
  void SetIndicadorAnexo(const QString& indicador) { m_indicadorAnexo = indicador; }
  uint8_t GetAcao() const { return m_acao; }
  void SetAcao(uint8_t acao) { m_acao = acao; }
  // 1 for a line keyed on the judicial-process page.
  int16_t GetLinhaProcesso() const { return m_linhaProcesso; }
  void SetLinhaProcesso(int16_t linha) { m_linhaProcesso = linha; }
  bool GetDeducaoEspecializada() const { return m_deducaoEspecializada; }
  void SetDeducaoEspecializada(bool especializada) { m_deducaoEspecializada = especializada; }

  TTolv& GetDeclaracao() const { return *m_declaracao; }
  TTolvAnexo& GetAnexo() const { return *m_anexo; }

 private:
  // The row of the line's code in the owner's code table, copied into the code object.
  bool BuscaCodigo();
  void ArmaVerificacaoFundo();
  // The result of the section and court checks, before the beneficiary-kind check.
  int ValidaSecaoCodigo();
  // The declarant paying itself under a code of its own lines (same CNPJ root, or the very same
  // number), apart from the codes that allow it.
  bool ProprioBeneficiario(bool mesmoNumero) const;
  // 0 while the declaration declares an ostensive partner, else 179.
  int RegraSocioOstensivo() const;

  QString m_indicadorAnexo;
  QString m_tolvItemDK;
  TBeneficiarioTolv m_beneficiario;
  TRendimentosTributaveis m_tributaveis;
  TRendimentosIsentos m_isentos;
  TCompensacao m_compensacao;
  TSubJudice m_subJudice;
  TCodigoRetencao m_codigo;
  TErros* m_erros = nullptr;
  TTolvAnexo* m_anexo;
  TTolv* m_declaracao;
  // After the series whose amounts they observe: destroyed first, they leave them cleanly.
  std::array<TMonetarioTotal, TSerieMensal::kMeses> m_totaisMes;
  TMonetarioTotal m_totalAno;
  mutable bool m_modificado = false;
  uint8_t m_acao = kSubstitui;
  int16_t m_linhaProcesso = 0;
  TProcesso m_processo;
  TVara m_vara;
  TMunicipio m_municipio;
  bool m_deducaoEspecializada;
  TDataLaudo m_dataLaudo;
  TInMolestia m_inMolestia;
};

// The check of the description of other exempt income: not empty, with a letter from a to z, no
// run of four equal characters, no repeated ',', '.', ':' or ';' and no '|'.
bool DescricaoOutrosValida(const QString& texto);
