#pragma once

#include <QDate>
#include <QElapsedTimer>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "validador/IServicosSecoes.h"
#include "validador/LogAchados.h"
#include "validador/TFlags.h"
#include "validador/TListaValidadores.h"
#include "validador/TRegrasAnalisador.h"

class TAnexoFC;
class TErros;
class TTolv;
class TTolvItem;

// The state of one import run: its flags and stop reason, the declarant read from the header,
// the block and context keys that the rules compare, the counters, the line flags and the
// findings log. A run creates its own, so nothing carries over from an earlier run; every element
// of the analysis reaches it through the reference it was built with. The public fields are the
// context that the rules and actions read and write.
class TArquivoDados {
 public:
  // No record type at a level.
  static constexpr int kNenhum = -1;
  // Blocks of the file.
  enum Bloco : uint8_t { kBlocoDeclarante = 0, kBlocoProc = 1, kBlocoFci = 2, kBlocoRpde = 3, kBlocoPse = 4, kBlocoRra = 5 };
  enum Motivo : uint8_t { kSemMotivo = 0, kCancelado = 1, kLimiteErros = 2 };
  static constexpr int kMaximoErros = 5000;
  static constexpr uint8_t kSemMesEvento = 99;

  struct Contadores {
    int Erros = 0;
    int Avisos = 0;
    int RegistrosRejeitados = 0;
    int BeneficiariosRejeitados = 0;
    int TitularesRejeitados = 0;
    int DependentesRejeitados = 0;
    int TitularesAdicionados = 0;
    int DependentesAdicionados = 0;
    int Operadoras = 0;
    int Fundos = 0;
    int ProcessosTrabalho = 0;
    int ProcessosFederal = 0;
    int ProcessosEstadual = 0;
    int RraDeclarante = 0;
    int RraProcesso = 0;
    int Remessas = 0;
    int BeneficiariosAdicionados = 0;
    int BeneficiariosSubstituidos = 0;
    int BeneficiariosConsolidados = 0;
  };

  // The log is opened (empty) at `caminhoLog`; the services of the supplementary sections are
  // not owned (nullptr: the ones that need no database).
  explicit TArquivoDados(const QString& caminhoLog, IServicosSecoes* servicos = nullptr);
  ~TArquivoDados();
  TArquivoDados(const TArquivoDados&) = delete;
  TArquivoDados& operator=(const TArquivoDados&) = delete;

  TRegrasAnalisador& Analisador() { return m_analisador; }
  TListaValidadores& Catalogo() { return m_catalogo; }
  TFlags& Flags() { return m_flags; }
  IServicosSecoes& Servicos() { return *m_servicos; }

  // Findings log.
  const QString& CaminhoLog() const { return m_log.Caminho(); }
  // Appends one finding's line; a failure fails the run and keeps the reason (ErroLog).
  bool GravaAchado(const QString& linha);
  // Counters to 0 (those of the findings and of what was stored), the log emptied.
  void ReiniciaLog();
  // Closes the log; an empty one is deleted unless the run was stopped or accumulated income is
  // both in the database and in the file. False when the log could not be written completely.
  bool FechaLog();
  // Writes what the log holds so far; false (and the run failed) when it could not.
  bool DescarregaLog();
  // Why the log could not be written; empty while it could.
  const QString& ErroLog() const { return m_erroLog; }

  // Run control.
  void Interrompe();
  void MarcaFalha();
  void Conclui();
  void SetMotivoInterrupcao(uint8_t motivo);
  void ReiniciaSituacao() { PlanoSaudeNaoImportado = false; }
  // 0 complete, 1 cancelled, 2 stopped at 5,000 errors; 3 more when health-plan data was kept.
  int SituacaoImportacao() const;
  void ZeraTotaisImportacao();
  // Line flags sized for the file; the failure and stop flags cleared.
  void PreparaAnalise(int64_t tamanhoArquivo);

  // Progress: a callback (position, maximum) moved about a hundred times per pass, and the event
  // processing of the caller, run at most every 50 ms.
  using Progresso = std::function<void(int64_t posicao, int64_t maximo)>;
  void SetBarraProgresso(Progresso progresso);
  void IniciaProgresso(int64_t tamanho);
  void ContaLinha(int64_t bytes);
  void AvancaProgresso(int64_t bytes);
  int64_t GetTamanhoArquivo() const { return m_maximoProgresso; }
  void SetProcessaEventos(std::function<void()> processa) { m_processaEventos = std::move(processa); }
  // Runs the caller's event processing when 50 ms went by since the last time (or when forced).
  void ProcessaEventos(bool forca = false);

  // Line flags.
  int64_t LinhaAtual() const { return m_flags.Linha(); }
  bool LinhaImportavel(int64_t linha) const { return m_flags.Importavel(linha); }
  void MarcaLinha(int64_t linha, bool importavel) { m_flags.Marca(linha, importavel); }
  const TTFlagCampo::Campos& CamposRejeitados() { return m_flags.CamposRejeitados(); }

  // A new remittance under test, and the accumulated-income objects with the question whether
  // the database already holds accumulated income.
  void CriaRemessa() { Remessa = {}; }
  void CriaRra();
  // The event date (invalid: none): the run's declaration gets it and the event month follows.
  void SetDataEvento(const QDate& data);

  // The run's declaration, its current line and annex, replaced by the declarant record.
  TTolv& Tolv() { return *m_tolv; }
  TTolvItem* ItemAtual() { return m_itemAtual.get(); }
  TAnexoFC* AnexoAtual() { return m_anexoAtual.get(); }
  // A new, empty declaration with its own error list; the line and the annex go with the old one.
  TTolv& NovaDeclaracao();
  void SetItemAtual(std::unique_ptr<TTolvItem> item);
  void SetAnexoAtual(std::unique_ptr<TAnexoFC> anexo);

  Contadores Contagem;

  // Run control.
  uint8_t VersaoLeiaute = 0;
  bool Falhou = false;
  bool Interrompido = false;
  bool Concluido = false;
  uint8_t MotivoInterrupcao = kSemMotivo;
  bool PlanoSaudeNaoImportado = false;
  bool DeclaracaoExiste = false;
  QString ChaveBanco;
  QString ArquivoBanco;

  // The declarant, from the header pre-analysis.
  QString AnoCalendario;
  QString NomeDeclarante;
  QString NiDeclarante;
  int NaturezaDeclarante = 0;
  uint8_t TipoDeclarante = 0;  // 1 person, 2 company
  bool Retificadora = false;
  bool IndProcesso = false;
  bool IndFundo = false;
  bool IndExterior = false;
  bool IndPlanoSaude = false;
  bool IndServicosNotariais = false;
  bool IndSocioOstensivo = false;
  bool IndCopa = false;
  bool SituacaoEspecial = false;
  QDate DataEvento;
  int TipoEvento = 0;
  uint8_t MesEvento = kSemMesEvento;

  // Blocks and levels.
  uint8_t BlocoAtual = kBlocoDeclarante;
  bool PrimeiroFci = false;
  bool PrimeiroProc = false;
  bool PrimeiroRra = false;
  bool PrimeiroPse = false;
  bool PrimeiroRpde = false;
  bool DeclaranteLido = false;
  int Nivel1 = kNenhum;
  int Nivel2 = kNenhum;
  int Nivel3 = kNenhum;
  bool ExisteProc = false;
  bool ExisteFci = false;
  bool ExisteRra = false;
  bool ExisteRpde = false;
  bool ExistePse = false;
  bool InfEncontrado = false;
  QString UltimoIdentificador;
  int64_t LinhaReinicio = 0;

  // Context keys: written by the actions after each accepted record, compared by the order rules.
  QString UltimoBeneficiarioDeclarante;
  QString FundoAtual;
  QString UltimoBeneficiarioFundo;
  QString UltimoProcesso;
  QString UltimoRra;
  QString UltimoBeneficiarioProcesso;
  QString UltimoBeneficiarioRra;
  QString UltimaRemessa;
  QString UltimaRemessaSemNif;
  QString UltimoValorRemessa;
  QString CodigoReceitaAtual;
  QString UltimaOperadora;
  QString UltimoTitular;
  QString UltimoDependente;
  QString CnpjFundoAtual;
  bool BeneficiarioPJ = false;

  // Answers of the database probes.
  bool TitularExiste = false;
  bool BeneficiarioInfExiste = false;
  bool RemessaExiste = false;
  bool RraNaBase = false;

  // The lawyer of the current record.
  uint8_t TipoAdvogado = 0;
  QString NiAdvogado;

  // The beneficiary-conflict callback of the import pass: the stored line, the imported line
  // (whose action it sets: 1 keep the stored line, 2 replace it, 3 replace it by the sum of
  // both), the choice for every later conflict (0 none; the callback may set it) and an empty line
  // for the sum. Without one, a stored line is kept.
  using ConflitoBeneficiario =
      std::function<void(TTolvItem& armazenada, TTolvItem& importada, uint8_t& escolhaTodos, TTolvItem& soma)>;
  ConflitoBeneficiario DecideConflitoBeneficiario;
  // The choice for every conflict, once the user made it (0: ask).
  uint8_t DecisaoTodos = 0;
  // The whole number of the beneficiary record the import filled last.
  QString BeneficiarioAtual;

  // The payments-abroad beneficiary and the accumulated-income item under test.
  DadosRemessa Remessa;
  // The revenue code of the payment abroad under test.
  QString CodigoReceitaRemessa;
  DadosRra Rra;

 private:
  TRegrasAnalisador m_analisador;
  TListaValidadores m_catalogo;
  TFlags m_flags;
  std::unique_ptr<IServicosSecoes> m_servicosProprios;
  IServicosSecoes* m_servicos;
  LogAchados m_log;
  QString m_erroLog;

  Progresso m_progresso;
  int64_t m_posicaoProgresso = 0;
  int64_t m_maximoProgresso = 0;
  int64_t m_passoProgresso = 1;
  int64_t m_acumulado = 0;
  std::function<void()> m_processaEventos;
  QElapsedTimer m_relogioEventos;
  unsigned m_chamadasEventos = 0;

  // Destroyed in reverse order: the line and the annex before their declaration.
  std::unique_ptr<TErros> m_errosTolv;
  std::unique_ptr<TTolv> m_tolv;
  std::unique_ptr<TAnexoFC> m_anexoAtual;
  std::unique_ptr<TTolvItem> m_itemAtual;
};
