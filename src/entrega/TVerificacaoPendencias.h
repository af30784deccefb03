#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "entrega/LinhaVerificacao.h"
#include "nucleo/IQuadroVerificacao.h"

class IServicosVerificacao;
class ISecoesVerificacao;
class TColecaoTolv;
class TErros;
class TTolv;

// The pendency verification run: it walks a list of declarations, loads each one from the
// declarations index, runs its section checks and keeps every finding, section title and
// header as a result row, with the counters, the caps (5,000 errors stop the run; after 5,000
// warnings only errors are listed), the stop request and the list of the last run on disk
// (DADOS/Verifica.xml). No widget: the verification frame and its grid are views over it.
//
// Runs on the window thread and processes pending events while it works, so that a stop request
// or the "Mostrar avisos" box act at once; during a run the main window starts no action and holds
// its database timers (IServicosVerificacao), and a second run on this object does nothing.
class TVerificacaoPendencias : public QObject, public IQuadroVerificacao {
  Q_OBJECT
 public:
  explicit TVerificacaoPendencias(QObject* pai = nullptr);
  ~TVerificacaoPendencias() override;

  // The entries to verify, in order: calendar year (4 characters) followed by the declarant's
  // number without its check digits (9 digits of a CPF, 12 of a CNPJ).
  void SetDeclaracoes(const QStringList& declaracoes) { m_declaracoes = declaracoes; }
  const QStringList& GetDeclaracoes() const { return m_declaracoes; }
  // The checks of each declaration (not owned); nullptr: the program's own.
  void SetSecoes(ISecoesVerificacao* secoes) { m_secoes = secoes; }
  // The main window's services (not owned); nullptr: the registered ones.
  void SetServicos(IServicosVerificacao* servicos) { m_servicos = servicos; }

  // Verifies every entry; `contador` gets the number of items checked. False, touching nothing,
  // when a run of this object is already under way. Database failures follow the collections'
  // rule; any exception leaves the run finished (idle, list saved) before it goes on up.
  bool ExecutarVerificacao(int& contador);
  // No error listed and the run was not stopped. Warnings do not count.
  bool SemPendencias() const { return m_numErros == 0 && !m_interrompido; }

  // The stop button: the run ends after the item under way.
  void Para();
  // A stop request from outside (a window that closes, a wizard's cancel).
  void SetInterrompido(bool interrompido);
  void SetOcioso(bool ocioso);
  bool GetInterrompido() const { return m_interrompido; }
  bool GetOcioso() const { return m_ocioso; }
  bool EmExecucao() const { return m_emExecucao; }

  int GetNumErros() const { return m_numErros; }
  int GetNumAvisos() const { return m_numAvisos; }
  int GetVerificados() const { return m_verificados; }
  // IN_OSTENSIVO of the last declaration whose verification was not stopped.
  bool GetInOstensivo() const { return m_inOstensivo; }
  // The row announcing the warning cap was written in this run.
  bool GetLimiteAvisos() const { return m_limiteAvisos; }
  // The text shown when the run was stopped (by the user, or by the error cap).
  const QString& GetTextoParada() const { return m_textoParada; }
  // The time the last declaration took.
  const QString& GetTempo() const { return m_tempo; }

  // Warnings listed from now on (the box "Mostrar avisos"); they are counted either way.
  void SetMostrarAvisos(bool mostrar) { m_mostrarAvisos = mostrar; }

  const std::vector<LinhaVerificacao>& GetLinhas() const { return m_linhas; }

  // IQuadroVerificacao. IncluiErros moves the list's findings into rows (see the cpp) and answers
  // true when the warning cap was reached during the call; it does not empty the list.
  bool IncluiErros(const TErros& erros) override;
  void IncluiTitulo(const QString& texto) override;
  void IncluiCabecalhoFundo(const QString& numero, const QString& nome) override;
  void IncluiCabecalhoProcesso(const QString& numero, const QString& texto, uint8_t tipoProcesso) override;
  void SetVerificados(int quantidade) override;
  bool GetParado() const override { return m_interrompido; }
  bool GetMostrarAvisos() const override { return m_mostrarAvisos; }

  // The other header rows of the section checks.
  void IncluiCabecalhoDeclaracao(const QString& ni, const QString& nome, const QString& ano);
  void IncluiTituloRemessa();
  void IncluiBeneficiarioRemessa(const QString& nome);
  void IncluiCabecalhoPlanoSaude(const QString& ni);
  // 1 the declarant's accumulated income, 2 the court's.
  void IncluiTituloRra(int tipo);
  void IncluiBeneficiarioRra(const QString& texto);

  // Lets pending events run (the stop button, the box, the repaints); the section checks call it
  // between items. Cheap when called often: events run at most every few milliseconds.
  void ProcessaEventos();

 signals:
  // Rows were appended or the last one removed; a new run starts with Reiniciada.
  void LinhasMudaram();
  void Reiniciada();
  void ContadoresMudaram();
  // Idle, stopped or the stop text changed.
  void EstadoMudou();

 private:
  void Acrescenta(LinhaVerificacao linha);
  void IniciaEstado();
  void Encerra();
  // The entry's declaration loaded into `tolv` and the declaration connection pointed at its
  // database; false when the index does not list it.
  bool Carrega(TColecaoTolv& colecao, TTolv& tolv, const QString& entrada);
  // A finding for an entry that the index does not list.
  void DeclaracaoInexistente(const QString& entrada);

  QStringList m_declaracoes;
  ISecoesVerificacao* m_secoes = nullptr;
  IServicosVerificacao* m_servicos = nullptr;
  std::unique_ptr<TErros> m_erros;
  std::vector<LinhaVerificacao> m_linhas;
  int m_numErros = 0;
  int m_numAvisos = 0;
  int m_verificados = 0;
  bool m_interrompido = false;
  bool m_ocioso = true;
  bool m_emExecucao = false;
  bool m_inOstensivo = false;
  bool m_limiteAvisos = false;
  bool m_mostrarAvisos = true;
  bool m_verificacaoAnunciada = false;
  QString m_textoParada;
  QString m_tempo;
  QElapsedTimer m_ultimosEventos;
};
