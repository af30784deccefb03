#pragma once

#include <QString>

#include <array>
#include <functional>
#include <memory>

#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Procedimento.h"

namespace bd {
class Conexao;
class Transacao;
}  // namespace bd

// Set once the index database is unusable: from then on no collection runs anything.
extern bool FalhaBancoIndice;
// Set once this run has failed on the declaration side.
extern bool FalhaBanco;

// Base of every collection and data-access object. Owns the two process-wide connections
// (the index DADOS/Tolv.FDB and the open declaration's database), checks and upgrades their
// versions, and runs statements under one failure policy: a failing procedure, command,
// opening, connection or transaction raises a fatal EFalhaBanco, which the program's guard
// shows before it ends the process; nothing here shows a message or ends the process.
//
// A subclass calls the constructor, then either ConectarBancoIndice (index collections) or
// sets its declaration-side transaction (DefineTransacao) and AbrirBancoDeclaracao; when no
// failure flag is set afterwards it prepares its statements. It implements AbreConsulta.
//
// Its user commits: Confirma at the end of a use (and of each batch). A collection that goes
// without it rolls back what it wrote and left uncommitted.
class TColecao {
 public:
  TColecao();
  // DesfazPendente(true), unless the subclass did it already: one whose transaction is a member of
  // its own calls it in its destructor.
  virtual ~TColecao();
  TColecao(const TColecao&) = delete;
  TColecao& operator=(const TColecao&) = delete;

  // The index connection, connected on first use (to Tolv.FDB, never to the template).
  static bd::Conexao* GetBancoIndice();
  // The declaration connection; nullptr before the first declaration was opened.
  static bd::Conexao* GetBancoDeclaracao();
  // A new declaration connection on the template (the connection it replaces stays alive for
  // whoever still holds it).
  static void ConectaBancoModelo();
  // A private connection on the template, owned by the caller.
  static std::unique_ptr<bd::Conexao> CriaConexaoModelo();
  // A declaration's connection of its own (a report's; see ConexaoDeclaracaoPropria): while it
  // is registered, a collection whose transaction is bound to it works on it, and the shared
  // declaration connection stays where it is.
  static void RegistraConexaoPropria(bd::Conexao* conexao);
  static void RemoveConexaoPropria(bd::Conexao* conexao);
  // Ends both process-wide connections. Only when no collection is alive (exit, tests).
  static void FechaConexoes();
  static QString ArquivoIndice();   // <program folder>/DADOS/Tolv.FDB
  static QString ArquivoModelo();   // <program folder>/DADOS/TOLV2014PD.FDB

  void ConectarBancoIndice();
  // Points the declaration connection at DADOS/<arquivo>, copying the template first when the
  // file is missing or a copy is forced; checks the version of a file that existed.
  virtual void AbrirBancoDeclaracao(const QString& arquivo, bool forcaCopia);

  // False without running while FalhaBancoIndice is set; a failure is fatal (EFalhaBanco).
  static bool ExecutaProcedure(bd::Procedimento& procedimento);
  bool ExecutaConsulta(bd::Consulta& consulta);
  bool AbreDataSet(bd::Consulta& consulta);
  // Survives a failure: reports it (AvisaFalhaBanco, the declaration side) and answers false.
  bool TentaAbrirDataSet(bd::Consulta& consulta);

  virtual void SetInterativo(bool interativo) { m_interativo = interativo; }
  bool GetInterativo() const { return m_interativo; }
  virtual void SetModoImportacao(bool modo) { m_modoImportacao = modo; }
  bool GetModoImportacao() const { return m_modoImportacao; }

  // The end of a use, and of each batch: commits what the collection did (retaining the
  // transaction), with whatever it stores when a use ends. A failure is fatal and raised here.
  virtual void Confirma();

  // On the declaration-side transaction, when it exists and is active; failures are fatal.
  virtual void ConfirmaTransacao();
  virtual void ConfirmaTransacaoRetendo();
  virtual void DesfazTransacao();
  virtual void DesfazTransacaoRetendo();
  virtual void IniciaTransacao();  // start, or commit retaining when already active

  int GetTotal();  // the count query's "Total", counted once; -1 when it could not be opened
  int Reconta();
  bool Vazia();
  bool NoInicio();
  bool NoFim();
  void Atualiza();
  void NaoFazNada() {}

  virtual void Primeiro();  // reopens the current query
  virtual void Anterior();
  virtual void Proximo();
  virtual void Ultimo();

  int GetVersao() const { return m_versao; }
  const QString& GetGeracao() const { return m_geracao; }
  int GetChaveAtual() const { return m_chaveAtual; }
  bd::Transacao* GetTransacao() const { return m_transacao; }
  bd::Transacao* GetTransacaoIndice() const { return m_transacaoIndice.get(); }
  bd::Consulta* GetConsultaAtual() const { return m_consultaAtual; }

 protected:
  enum class Movimento { Primeiro, Anterior, Proximo, Ultimo, Atual };

  virtual void AbreConsulta(bd::Consulta& consulta) = 0;
  // The index collection's command failures mark the index; others the declaration side.
  virtual bool EhColecaoIndice() const { return false; }

  // The declaration-side transaction (not owned; it may be a member of the subclass, gone
  // before this base's destructor runs), bound to the declaration connection.
  void DefineTransacao(bd::Transacao* transacao);

  // Run by destructors, once: rolls back (retaining or not) what this collection wrote on the
  // declaration-side transaction (while it still exists) and left uncommitted, and what the index
  // transaction holds uncommitted; nothing else. A failure goes to AvisaFalhaBanco as fatal.
  void DesfazPendente(bool retendo) noexcept;

  void VerificaVersaoIndice();
  void VerificaVersaoDeclaracao();
  void AtualizaVersaoIndice();
  void AtualizaVersaoDeclaracao();
  bool AtualizaCodigosRetencao(bd::Transacao& transacao);

  // The current query is open and has rows.
  bool AtualTemLinhas() const;
  // After a move back (on): loads the current row with `carrega` unless the current query has
  // none; the beginning (end) flag is the query's, or set when nothing was loaded, the other one
  // the count's. True when the collection is empty.
  bool CarregaVoltando(const std::function<void(bd::Consulta&)>& carrega);
  bool CarregaAvancando(const std::function<void(bd::Consulta&)>& carrega);

  // The loading navigation: moves the current query; false (both end flags set) when it
  // has no row. After loading, AjustaFlagsCarga sets the flags for the move.
  bool PosicionaParaCarga(Movimento movimento);
  void AjustaFlagsCarga(Movimento movimento);

  // Commits or rolls back (retaining or not) a transaction when it is active; a failure raises
  // the save (confirma) or undo message as a fatal failure of the declaration side.
  static void EncerraTransacao(bd::Transacao* transacao, void (bd::Transacao::*operacao)(), bool confirma);

  int m_total = -1;
  bd::Conexao* m_bancoDeclaracao = nullptr;
  bd::Conexao* m_bancoIndice = nullptr;
  std::unique_ptr<bd::Transacao> m_transacaoIndice;
  std::array<std::unique_ptr<bd::Consulta>, 4> m_navegacao;
  bd::Consulta m_consultaTotal{bd::Consulta::Modo::Cache};
  bd::Consulta m_consultaComando{bd::Consulta::Modo::Sequencial};
  bd::Consulta m_consultaLista{bd::Consulta::Modo::Cache};
  bd::Consulta* m_consultaAtual = nullptr;
  std::unique_ptr<bd::Procedimento> m_procedimento;
  int m_chaveAtual = -1;
  bool m_interativo = false;
  bool m_noInicio = false;
  bool m_noFim = false;
  bool m_modoImportacao = false;
  int m_versao = -1;
  QString m_geracao;
  // This collection wrote on the declaration-side transaction (IniciaTransacao, ExecutaConsulta,
  // a batch save) since it last committed or rolled it back.
  bool m_alterou = false;

 private:
  bd::Transacao* m_transacao = nullptr;  // set through DefineTransacao, read through GetTransacao
  bool m_desfeita = false;
  std::weak_ptr<bd::Transacao* const> m_referenciaTransacao;

  bd::Transacao* TransacaoDaConsulta(const bd::Consulta& consulta) const;
  // EncerraTransacao on the declaration-side transaction: nothing of this collection is left pending.
  void EncerraDaColecao(void (bd::Transacao::*operacao)(), bool confirma);
  void AtualizaVersaoDeclaracaoEm(bd::Transacao& transacao);
  // Reads the version row; an unusable version is reported once (while the side's flag is clear)
  // and marks the side. True when the version allows the upgrade to run.
  bool LeVersao(bd::Transacao& transacao, bool declaracao);
  // Commits retaining what an upgrade ran; a refusal is reported and the work goes on (an upgrade
  // not kept runs again at the next check).
  static void ConfirmaAtualizacao(bd::Transacao& transacao);
};
