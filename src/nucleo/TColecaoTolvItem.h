#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

#include "nucleo/NavegacaoJanelas.h"
#include "nucleo/TColecao.h"

class TBeneficiarioTolv;
class TColecaoCodigoRetencao;
class TTolv;
class TTolvAnexo;
class TTolvItem;

// A report date whose text is not a date: the save refuses it before anything is written.
class EDataInvalida : public std::runtime_error {
 public:
  explicit EDataInvalida(const QString& texto);
};

// The beneficiary lines of one owner of the open declaration (the declarant's own section or one
// fund, club or process annex): read, browsed, looked up, counted, saved with their judicial and
// exempt child rows and deleted, keeping the owner's and the declaration's summaries up to date.
//
// Two reading modes, chosen with SetModoLista before any move: windowed browsing (the lines page:
// windows of a hundred lines around the current one, never a whole section in memory) and list
// mode (one forward-only list of the section in the order of SetOrdem, each line with its child
// values in the same row). Two ways of saving: interactive use (the default: each save looked up
// first and committed) and batch use (SetInterativo(false) on a list-mode collection: saves sent
// as inserts, committed every 50,001 saves and at Confirma, which ends the batch). A batch that
// goes without Confirma is rolled back and leaves the summaries awaiting a recalculation.
//
// Works on the declaration's shared transaction; the declaration and the owner outlive the
// collection.
class TColecaoTolvItem : public TColecao {
 public:
  enum Ordem : uint8_t { kTodas = 0, kPorChave = 1, kPorBeneficiario = 2, kVerificacao = 3 };
  // What INCLUI_ATU_TOLV_ITEM answers (and Grava returns): 0 nothing written (a stored line of
  // the same beneficiary and code, action 0 or 1, or nothing sent at all), 1 line added, 2 stored
  // line replaced, 3 stored line replaced by the sum, 4 nothing written (the batch already holds
  // that beneficiary and code).
  enum Resultado : uint8_t { kNadaGravado = 0, kIncluida = 1, kAlterada = 2, kSomada = 3, kRepetida = 4 };
  // Saves and list rows between two commits of a batch: 50,000, unless a test sets another.
  static int IntervaloConfirmacao();
  // Returns the interval it replaces.
  static int DefineIntervaloConfirmacao(int intervalo);

  TColecaoTolvItem(TTolv& declaracao, TTolvAnexo& anexo);
  // The read-only variant of the annex checks: no procedure, no delete statement.
  static std::unique_ptr<TColecaoTolvItem> CreateVerificacao(TTolv& declaracao, TTolvAnexo& anexo);
  ~TColecaoTolvItem() override;
  // Commits (closing the list's cursors in list mode); in batch use also empties the import's
  // table and stores the owner's summary. A failure is fatal and raised here.
  void Confirma() override;

  // Takes effect at the next SetModoLista(true).
  void SetOrdem(uint8_t ordem) { m_ordem = ordem; }
  // The statement of the list of an order (its parameter is the source, FONTE_DK); empty for an
  // order that lists nothing.
  static QString SqlLista(uint8_t ordem);
  uint8_t GetOrdem() const { return m_ordem; }
  void SetModoLista(bool modoLista);
  bool GetModoLista() const { return m_modoLista; }
  // Batch use stores the owner's summary and turns the duplicate control on (off in import mode).
  void SetInterativo(bool interativo) override;
  // Leaving import mode in batch use gathers what the import stored (INSERE_IMPITENS).
  void SetModoImportacao(bool modo) override;

  // Reads a line from the current row of any query of lines (stored values as the code admits
  // them); neither the current key nor the collection's own lines change.
  void CarregaLinha(TTolvItem& linha, bd::Consulta& dados);
  // A line of a judicial-process annex from a row of TOLV_ITENS_PROC_VP (the annex checks).
  void CarregaItemProcesso(TTolvItem& linha, bd::Consulta& dados);
  // True when a stored line of the section has the line's key or, without key, its code and
  // beneficiary (and process data, when given). In interactive use a line not found whose
  // beneficiary has no name yet takes the name and data known from the beneficiary's other lines.
  bool Localiza(TTolvItem& linha);
  // Localiza, and when found the stored line is loaded into the given one.
  bool Busca(TTolvItem& linha);

  void Primeiro() override;
  void Anterior() override;
  void Proximo() override;
  void Ultimo() override;
  // Move and load; true when the section is empty (the line is then cleared).
  bool CarregaPrimeiro(TTolvItem& linha);
  bool CarregaAnterior(TTolvItem& linha);
  bool CarregaProximo(TTolvItem& linha);
  bool CarregaUltimo(TTolvItem& linha);
  void CarregaAtual(TTolvItem& linha);

  // Lines of every source of the declaration.
  int TotalItens();
  // The beneficiaries count of a source's summary.
  int TotalBeneficiarios(const QString& fonte);
  // The 1-based place of a line among its section's lines, in key order; from the browsing
  // windows when the line is in one, else counted once.
  int PosicaoItem(const QString& fonte, const QString& item);
  // Every line of the beneficiary, of every source of the beneficiary's declaration (of this
  // collection's when it has none), handed one by one to `adiciona` (the income statement). The
  // line object is reused: copy what must outlive the call.
  void CarregaComprovante(const TBeneficiarioTolv& beneficiario, const std::function<void(TTolvItem&)>& adiciona);
  // The lines page calls it when it leaves the beneficiary's number of a changed line.
  void NaoFazNada(TTolvItem& /*linha*/) {}

  // Stores the line and its child rows; a Resultado. Raises EColecaoError 48 when a stored line
  // would take the code and beneficiary of another stored line, and EDataInvalida for a report
  // date that is not one; nothing is written then. Nothing stored (0) leaves the line modified.
  uint8_t Grava(TTolvItem& linha);
  // Deletes the line with its child rows, then loads the line under the cursor into it.
  void Exclui(TTolvItem& linha);
  void GravaJudiciais(TTolvItem& linha, bool exclui);
  void GravaIsentos(TTolvItem& linha, bool exclui);
  // In interactive use, a stored line of the section has the line's code and beneficiary.
  bool ExisteOutraLinha(TTolvItem& linha);
  // Gives every stored line of the owner the revenue code, all in one transaction: nothing is
  // written when two lines of one beneficiary would end with the same code (EColecaoError 48),
  // and everything is undone when `progresso` (lines done, lines in all) answers false. True
  // when the lines were rewritten.
  using Progresso = std::function<bool(int feitas, int total)>;
  bool RegravaCodigo(const QString& codigo, const Progresso& progresso);

  // Saves (and list rows) since the last batch commit.
  int GetContadorGravacoes() const { return m_contador; }
  // CONTROLA_DUPLICATAS of the next save.
  uint8_t GetControleDuplicatas() const { return m_controleDuplicatas; }
  // The last line loaded or saved, as stored.
  const TTolvItem& GetLinhaCarregada() const { return *m_carregada; }

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;
  // Reads the row into the line and takes it as the loaded and stored line; an empty section
  // clears them.
  void CarregaObjeto(TTolvItem& linha, bd::Consulta& dados);

 private:
  struct SoLeitura {};
  TColecaoTolvItem(TTolv& declaracao, TTolvAnexo& anexo, SoLeitura);

  // The shared transaction and the declaration's database; false when a failure flag is set.
  bool Conecta();
  void PreparaLeitura();
  void PreparaGravacao();

  // The columns of a row of lines read by name, found once per statement.
  enum ColunaNomeada {
    kCampoChave, kCampoFonte, kCampoCodigo, kCampoTipo, kCampoNumero, kCampoNome, kCampoProcesso, kCampoVara, kCampoMunicipio,
    kCampoMolestia, kCampoLaudo, kCampoEspecializada, kCampoTemJudicial, kCampoTemIsento, kColunasNomeadas
  };
  using Colunas = std::array<int, kColunasNomeadas>;
  struct ColunasResolvidas {
    const bd::Consulta* consulta = nullptr;
    uint64_t preparo = 0;
    Colunas colunas{};
  };
  const Colunas& ColunasDe(const bd::Consulta& dados);
  QString TextoDaData(const bd::Campo& campo);

  // How a row is read: which code table entry, which child values, which side effects.
  enum class Leitura { Navegacao, Linha, Processo };
  void LeLinha(TTolvItem& linha, bd::Consulta& dados, Leitura leitura);
  void CarregaJudiciais(TTolvItem& linha);
  void CarregaJudiciaisDaLinha(TTolvItem& linha, bd::Consulta& dados);
  void CarregaIsentos(TTolvItem& linha);
  void CarregaIsentosDaLinha(TTolvItem& linha, bd::Consulta& dados);

  // The windows of the browsing, on the base's four navigation queries.
  NavegacaoJanelas::Ligacao LigacaoJanelas();
  // The key of the row the query stands on, else the current key.
  int ChaveDaPosicao(const bd::Consulta* consulta) const;
  // Opens the browsing lookup at a key; true when it has rows.
  bool AbreBusca(int chave);
  void Reposiciona();
  std::function<void(bd::Consulta&)> Carregador(TTolvItem& linha);

  // The browsing view after a save: the row of the line edited, or a row appended at the end.
  void AcompanhaGravacao(TTolvItem& linha, bool inclusao);
  bool PosicionaNaVista(int chave);
  // Commits and stores the owner's summary after an interactive save, or every 50,001 of a batch.
  void ConfirmaGravacao();
  void AtualizaResumos(TTolvItem& anterior, TTolvItem& nova, bool soma);
  void GravaResumoDoAnexo();
  void LimpaArmazenada();
  void DefineParametrosLinha(TTolvItem& linha);
  // The common start of both child rows' saves: false when the procedure need not run (a delete
  // in batch use, or of a row the view knows is not there); the view takes the row's new state.
  bool PreparaFilho(bd::Procedimento& procedimento, TTolvItem& linha, bool exclui, const QString& marca);
  // The key of the first stored line of the section with the line's code and beneficiary; 0 for none.
  int LinhaComIdentidade(TTolvItem& linha);

  TTolv* m_declaracao;
  TTolvAnexo* m_anexo;
  bool m_modoLista = true;
  bool m_pronta = false;
  bool m_gravacao = false;
  QString m_textoAnexo;
  TColecaoCodigoRetencao* m_codigos = nullptr;
  uint8_t m_ordem = kTodas;
  uint8_t m_controleDuplicatas = 0;
  int m_contador = 0;
  std::unique_ptr<TTolvItem> m_carregada;
  std::unique_ptr<TTolvItem> m_verificacao;
  std::unique_ptr<TTolvItem> m_armazenada;
  std::unique_ptr<bd::Consulta> m_judiciais;
  std::unique_ptr<bd::Consulta> m_isentos;
  std::unique_ptr<bd::Consulta> m_beneficiario;
  std::unique_ptr<bd::Procedimento> m_procJudiciais;
  std::unique_ptr<bd::Procedimento> m_procIsentos;
  NavegacaoJanelas m_janelas;
  ColunasResolvidas m_colunas;
  bool m_armazenadaLimpa = false;
  bool m_lotePendente = false;  // a batch save since the last Confirma
  QDate m_ultimaData;
  QString m_textoUltimaData;
};
