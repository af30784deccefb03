#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

#include "nucleo/TColecaoDe.h"

class TAnexoFC;
class TTolv;

// The declaration's sources (table FONTES) other than the declarant: its fund or club annexes
// and its judicial-process annexes. Lists, finds, loads, saves and deletes them as TAnexoFC,
// walks funds and processes one by one, runs the two annex searches and answers the small
// questions the pages and checks ask of the table. Works on the declaration's annex
// transaction. A stored name that breaks the name rules is loaded as it is, its finding in
// the annex's attached list: no loader raises for stored data.
class TColecaoAnexo : public TColecaoDe<TAnexoFC> {
 public:
  // Prepares every statement of the collection.
  explicit TColecaoAnexo(TTolv& declaracao);
  ~TColecaoAnexo() override;

  // The light variant of the processes' verification: only the query over TOLV_ITENS_PROC_VP
  // (GetConsultaProcessos), prepared and not opened.
  static std::unique_ptr<TColecaoAnexo> CreateVerificacao(TTolv& declaracao);
  bd::Consulta& GetConsultaProcessos() { return m_processosVerificacao; }

  // The annex kind the pages work on (0 funds, 1 processes).
  int16_t GetTipoAnexo() const { return m_tipoAnexo; }
  void SetTipoAnexo(int16_t tipo) { m_tipoAnexo = tipo; }

  // The list: every annex by kind and number; the annexes of one kind by person/company and
  // number; every annex in the reports' order.
  void AbreAnexos();
  void AbreAnexosTipo(int tipo);
  void AbreFontesImpressao();

  // Positions the list on the annex: by its key, else by its number (and court, for a
  // process). An annex found by number without a name takes the stored one.
  bool LocalizaAnexo(TAnexoFC& anexo);
  // LocalizaAnexo, then the annex is loaded from the row found.
  bool BuscaAnexo(TAnexoFC& anexo);
  // The annex of the annex's key loaded straight from its row, without the list (a search hit
  // among many annexes); false when there is none.
  bool BuscaPorChave(TAnexoFC& anexo);
  // Stores a fund: updated when found, otherwise inserted with a zeroed summary.
  void SalvaAnexo(TAnexoFC& anexo);
  // Stores a process: updated when its number and court are stored, otherwise inserted.
  void SalvaProcesso(TAnexoFC& anexo);
  // The single write behind both saves; the annex takes the key the database gives. True
  // when a new source was stored.
  bool GravaFonte(TAnexoFC& anexo);
  // Deletes the annex with its lines and summary.
  void ExcluiAnexo(TAnexoFC& anexo);

  // The process with the annex's number and court: key, position, lawyer and summary.
  bool BuscaProcesso(TAnexoFC& anexo);
  // "PRI", "ULT", "NEXT" or "PREV" (from the annex's key) among the processes or the funds,
  // in key order; the annex is left as it was when there is none.
  void NavegaProcesso(TAnexoFC& anexo, const QString& direcao);
  void NavegaFundo(TAnexoFC& anexo, const QString& direcao);
  // The fund's 1-based place among the funds in key order.
  int PosicaoFundo(TAnexoFC& anexo);
  // A process annex from the current row of TOLV_ITENS_PROC_VP.
  void CarregaProcessoVerificacao(TAnexoFC& anexo, bd::Consulta& dados);

  // The searches of the two search dialogs; the callback runs once per annex found.
  using ResultadoFundo = std::function<void(int fonteDK, const QString& numero, const QString& nome)>;
  using ResultadoProcesso =
      std::function<void(int fonteDK, const QString& numero, int tipoProcesso, const QString& tipoAdvogado,
                         const QString& numeroAdvogado, const QString& nomeAdvogado)>;
  void PesquisarFundos(int opcaoCnpj, int opcaoNome, const QString& filtroCnpj, const QString& filtroNome,
                       const ResultadoFundo& resultado);
  void PesquisarProcessos(int opcaoNumero, int opcaoNiAdvogado, int opcaoNomeAdvogado, const QString& filtroNumero,
                          int filtroTipoProcesso, const QString& filtroNiAdvogado, const QString& filtroNomeAdvogado,
                          const ResultadoProcesso& resultado);

  // The same searches read a window of rows at a time (a long list shows at once): opening one
  // closes the search open before; Le... hands on at most `maximo` rows and answers how many;
  // the search stays open until its end, another opening or FechaPesquisa.
  bool AbrePesquisaFundos(int opcaoCnpj, int opcaoNome, const QString& filtroCnpj, const QString& filtroNome);
  bool AbrePesquisaProcessos(int opcaoNumero, int opcaoNiAdvogado, int opcaoNomeAdvogado, const QString& filtroNumero,
                             int filtroTipoProcesso, const QString& filtroNiAdvogado,
                             const QString& filtroNomeAdvogado);
  int LeFundos(int maximo, const ResultadoFundo& resultado);
  int LeProcessos(int maximo, const ResultadoProcesso& resultado);
  bool PesquisaTerminada() const;
  void FechaPesquisa();

  // Annexes of kind 0 or 1; any other kind counts the payments abroad.
  int ContaAnexos(int tipo);
  int ContaProcessos();
  // IN_TIPO of a source; 0 when there is none.
  int TipoDaFonte(int fonteDK);
  // A stored annex of the other kind has the identification's CNPJ root.
  bool RaizEmOutroTipo(TAnexoFC& anexo);
  // A registered fund has the root of the annex's law firm (always false for a person).
  bool AdvogadoEhFundo(TAnexoFC& anexo);
  // The name of a fund with the CNPJ's root, or "SemErro" when there is none.
  QString FundoMesmaRaiz(const QString& cnpj);
  // A law firm of a stored process has a CNPJ with this 8-digit root.
  bool EscritorioComRaiz(const QString& raiz);
  // A health-plan operator has this CNPJ (without check digits).
  bool ExisteOperadora(const QString& cnpj);
  // The stored name of a beneficiary or of a lawyer (kind 1 person, other company); empty
  // when there is none.
  QString BuscaNomeBeneficiario(int tipo, const QString& numero);
  QString BuscaNomeAdvogado(int tipo, const QString& numero);

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;
  void CarregaObjeto(TAnexoFC& anexo, bd::Consulta& dados) override;
  void CarregaObjetoCompleto(TAnexoFC& anexo, bd::Consulta& dados) override;
  void CarregaVazia(TAnexoFC& anexo) override;

 private:
  struct SoVerificacao {};
  TColecaoAnexo(TTolv& declaracao, SoVerificacao);

  // The annex transaction, the declaration's database; false when a failure flag is set.
  bool Conecta(TTolv& declaracao);
  void CarregaLinha(TAnexoFC& anexo, bd::Consulta& dados, bool completo);
  // The annex's RESUMOS row into its summary.
  void CarregaResumo(TAnexoFC& anexo);
  // The lawyer from a stored number without check digits and a stored name.
  static void CarregaAdvogado(TAnexoFC& anexo, const QString& numero, const QString& nome);
  void IncrementaTotal();
  // The list and its count, of one kind when one is given; counted again on first use.
  void PreparaLista(const QString& lista, const QString& contagem, std::optional<int> tipo);
  using Parametros = std::initializer_list<std::pair<const char*, bd::Dado>>;
  // Closes the query, gives it the parameters and opens it; false when it was not opened.
  bool Reabre(bd::Consulta& consulta, Parametros parametros);
  // An annex of the kind whose number starts with the root and whose person kind with `inPfPj`.
  bool ExisteAnexoComRaiz(const QString& inPfPj, const QString& raiz, int tipo);
  // A forward-only statement of its own on the annex transaction, opened.
  std::optional<bd::Consulta> AbreNova(const QString& sql, Parametros parametros);
  // Opens a navigation procedure from the annex's key; true when it yields a row.
  bool Navega(bd::Consulta& consulta, TAnexoFC& anexo, const QString& direcao);

  TTolv* m_declaracao = nullptr;
  int16_t m_tipoAnexo = 0;
  bd::Consulta m_buscaProcesso;
  bd::Consulta m_navegaProcesso;
  bd::Consulta m_navegaFundo;
  bd::Consulta m_posicaoFundo;
  bd::Consulta m_pesquisarFundos;
  bd::Consulta m_pesquisarProcessos;
  bd::Consulta m_processosVerificacao;
  // The search being read, when one is open.
  bd::Consulta* m_pesquisa = nullptr;
};
