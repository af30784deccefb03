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
// opening, connection or transaction shows the database's message and ends the process at
// once (through the exit hook), writing nothing more.
//
// A subclass calls the constructor, then either ConectarBancoIndice (index collections) or
// sets its declaration-side transaction (DefineTransacao) and AbrirBancoDeclaracao; when no
// failure flag is set afterwards it prepares its statements. It implements AbreConsulta.
class TColecao {
 public:
  TColecao();
  // EncerraComTransacao(true), unless the subclass ended already through Encerra: a subclass that
  // overrides the transaction operations ends in its own destructor.
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

  // What ends the process after a fatal failure has been shown; it must not return. The
  // default is std::_Exit(1). Tests install one that throws. Returns the previous one.
  using Encerramento = std::function<void()>;
  static Encerramento DefineEncerramento(Encerramento fim);

  void ConectarBancoIndice();
  // Points the declaration connection at DADOS/<arquivo>, copying the template first when the
  // file is missing or a copy is forced; checks the version of a file that existed.
  virtual void AbrirBancoDeclaracao(const QString& arquivo, bool forcaCopia);

  // False without running while FalhaBancoIndice is set; a failure is fatal.
  static bool ExecutaProcedure(bd::Procedimento& procedimento);
  bool ExecutaConsulta(bd::Consulta& consulta);
  bool AbreDataSet(bd::Consulta& consulta);
  // Survives a failure: shows it, sets FalhaBanco and answers false.
  bool TentaAbrirDataSet(bd::Consulta& consulta);

  virtual void SetInterativo(bool interativo) { m_interativo = interativo; }
  bool GetInterativo() const { return m_interativo; }
  virtual void SetModoImportacao(bool modo) { m_modoImportacao = modo; }
  bool GetModoImportacao() const { return m_modoImportacao; }

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

  // The end of a collection, run by a destructor: `fim` (the commit, and what the collection
  // stores when it goes) in the ordinary way; `desfaz` (the rollback) when the collection goes
  // because an exception is leaving the scope that made it, so that a half-done batch is not
  // kept. Any failure of either goes through the failure policy, shown and then the end of the
  // process, whether or not the policy saw it first; nothing is swallowed.
  void Encerra(const std::function<void()>& fim, const std::function<void()>& desfaz) noexcept;
  // The usual end through Encerra: commits the declaration-side transaction while it still exists
  // (retaining or not), or rolls it back when the collection goes with an exception. Once only: a
  // subclass whose transaction goes before this base calls it in its own destructor.
  void EncerraComTransacao(bool retendo) noexcept;

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

  // Commits or rolls back (retaining or not) a transaction when it is active; a failure shows
  // the save (confirma) or undo message, sets FalhaBanco and ends the process.
  static void EncerraTransacao(bd::Transacao* transacao, void (bd::Transacao::*operacao)(), bool confirma);

  // Shows the message as an error, then ends the process.
  [[noreturn]] static void FalhaFatal(const QString& mensagem);
  static void MostraErro(const QString& mensagem);

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

 private:
  bd::Transacao* m_transacao = nullptr;  // set through DefineTransacao, read through GetTransacao
  const int m_excecoesNaCriacao;         // exceptions in flight when the collection was made
  bool m_encerrada = false;
  std::weak_ptr<bd::Transacao* const> m_referenciaTransacao;

  bd::Transacao* TransacaoDaConsulta(const bd::Consulta& consulta) const;
  void AtualizaVersaoDeclaracaoEm(bd::Transacao& transacao);
  // Reads the version row; an unusable version is told once (while the flag is clear) and
  // sets the flag. True when the version allows the upgrade to run.
  bool LeVersao(bd::Transacao& transacao, bool& falha, bool declaracao);
};
