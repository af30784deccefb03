#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <map>
#include <memory>

#include "nucleo/Cpf.h"
#include "nucleo/ETolvError.h"
#include "nucleo/Monetario.h"
#include "nucleo/NiContribuinte.h"
#include "nucleo/Responsavel.h"
#include "nucleo/TNaturezas.h"
#include "nucleo/TNrRecibo.h"
#include "nucleo/TTolvAnexo.h"

namespace bd {
class Conexao;
class Transacao;
}
class TColecao;
class TColecaoAnexo;
class TColecaoBeneficiario;
class TColecaoComprovante;
class TColecaoResumo;
class TSingleTolv;

// A declaration in memory: its header, the declarant, the responsible persons, the receipt
// number of the declaration it rectifies, its key in the index and the collections through
// which its sections are read and written, each created on first use. A setter refuses a bad
// header value with ETolvError; the Carrega* loaders put the same error in the attached list
// instead and go on, so that a declaration with bad stored values still opens.
class TTolv : public TTolvAnexo {
 public:
  static constexpr const char* kAnoCorrente = "2013";

  TTolv();
  ~TTolv() override;

  void SetErros(TErros* erros) override;
  // Clears the header and frees the collections; the indicators, the file name, the event and
  // the receipt number stay.
  void Limpar() override;
  // Frees every collection, the summaries collection last.
  void LiberaItens() override;
  // Copies the index key, the year, IN_ADM_FC, IN_ADVOGADO, the summaries, the source key, the
  // identity, the nature, IN_OSTENSIVO, the import state and the person responsible; sets the
  // destination's deductions-reported flag. Nothing else.
  void Atribui(TTolvAnexo& destino) override;
  TTolv& GetDeclaracao() override { return *this; }

  // Collections, created on first use with this declaration as owner.
  TColecaoBeneficiario& GetColecaoBeneficiario();
  // The income statements: built from the lines, completed and saved.
  TColecaoComprovante& GetColecaoComprovante();
  TColecaoResumo& GetColecaoResumo();
  // The fund, club and process annexes (table FONTES), on the annex transaction.
  TColecaoAnexo& GetColecaoAnexo();
  // The totals over all sources; created on first use.
  TResumo& GetResumoGeral();
  // Collections of the layers above that live with this declaration, one per key: kept until the
  // collections are freed (first of all), so that they end before the connection moves on.
  TColecao* GetColecaoSecao(int chave) const;
  TColecao& DefineColecaoSecao(int chave, std::unique_ptr<TColecao> colecao);

  // The two transactions the declaration's collections share ("read_committed", "rec_version",
  // "nowait"), each created by the first collection that asks: the annexes collections and the
  // section checks work on the second, every other collection on the first.
  bd::Transacao& GetTransacaoDeclaracao();
  bd::Transacao& GetTransacaoAnexos();
  bool TemTransacaoDeclaracao() const { return m_transacaoDeclaracao != nullptr; }
  // A working copy works on the transactions of the declaration it copies, until detached.
  void CompartilhaTransacoes(TTolv& origem);
  void DesligaTransacoes();
  // The declaration read on a connection of its own (ConexaoDeclaracaoPropria), set before any
  // of its collections is made: its transactions are bound to it.
  void DefineConexaoPropria(bd::Conexao* conexao);
  bd::Conexao* ConexaoPropria() const { return m_conexaoPropria; }

  // The declaration's database file inside DADOS: "TOLV2014" + the declarant's number with
  // its check digits + the calendar year + ".FDB".
  QString GetNomeBancoDeclaracao() const;

  const QString& GetTolvDK() const { return m_tolvDK; }
  void SetTolvDK(const QString& chave) { m_tolvDK = chave; }

  const QString& GetAnoCalendario() const { return m_anoCalendario; }
  QString GetAnoCalendarioCorrente() const { return QString::fromLatin1(kAnoCorrente); }
  // Raises ETolvError 74 (clearing the year) for a bad year. A year after the regular one
  // forces the special situation; a year change frees the revenue-code collection.
  void SetAnoCalendario(const QString& ano);
  void CarregaAnoCalendario(const QString& ano);
  // 0 or 74.
  static int ValidaAnoCalendario(const QString& ano, bool vazioPermitido);

  TNiContribuinte& GetEstabelecimentoResponsavel() { return m_estabelecimento; }
  TRespCnpj& GetRespCnpj() { return m_respCnpj; }
  TResponsavel& GetResponsavel() { return m_responsavel; }

  TNaturezas& GetNaturezas() { return m_naturezas; }
  // The current nature, one of this declaration's own table; nullptr only after
  // SetNatureza(nullptr).
  TNatureza* GetNatureza() const { return m_natureza; }
  // The current nature's code; 255 when there is none.
  uint8_t GetCodigoNatureza() const;
  // Raises ETolvError (code, description) for a nature that fails ValidaNatureza; a nature of
  // another table is taken as the one of the same code in this declaration's table.
  void SetNatureza(TNatureza* natureza);
  // Makes the nature current, then puts a failure of ValidaNatureza in the attached list.
  void CarregaNatureza(TNatureza* natureza);
  // A failure of ValidaCodigoNatureza goes to the attached list; otherwise SetNatureza.
  void SetCodigoNatureza(int codigo);
  // 0, 27 or 189.
  int ValidaNatureza(const TNatureza* natureza, bool vazioPermitido) const;
  // 0, 27 or 190.
  int ValidaCodigoNatureza(int codigo) const;
  // Refills the allowed natures from the kind of the declarant's number.
  void RefazNaturezasPermitidas();

  const QString& GetTipoDeclaracao() const { return m_tipoDeclaracao; }
  void SetTipoDeclaracao(const QString& tipo);  // "O" or "R", else ETolvError 28
  void CarregaTipoDeclaracao(const QString& tipo);
  static int ValidaTipoDeclaracao(const QString& tipo);

  uint8_t GetSituacaoEspecial() const { return m_situacaoEspecial; }
  // ETolvError 25 for 0 when the year is the one after the regular year.
  void SetSituacaoEspecial(uint8_t situacao);
  static int ValidaSituacaoEspecial(uint8_t situacao, const QString& ano);

  // "dd/mm/yyyy"; empty or "30/12/1899" when there is none. Stored unchecked; derives MesEvento.
  const QString& GetDataEvento() const { return m_dataEvento; }
  void SetDataEvento(const QString& data);
  // 0, 125 (not a date) or 132 (outside the calendar year).
  int ValidaDataEvento(const QString& data) const;
  // The event's month 1 to 11, or 99 (no event, or December).
  uint8_t GetMesEvento() const { return m_mesEvento; }
  void SetMesEvento(uint8_t mes) { m_mesEvento = mes; }
  uint8_t GetTipoEvento() const { return m_tipoEvento; }
  void SetTipoEvento(uint8_t tipo) { m_tipoEvento = tipo; }

  // The date-time zero: no generation date.
  static QDateTime DataZero();
  const QDateTime& GetDataGeracao() const { return m_dataGeracao; }
  void SetDataGeracao(const QDateTime& data) { m_dataGeracao = data; }
  void AtualizaDataGeracao(const QDateTime& data) { m_dataGeracao = data; }

  uint8_t GetInAdmFC() const { return m_inAdmFC; }
  void SetInAdmFC(uint8_t valor);  // 0 before 1999
  uint8_t GetInAdvogado() const { return m_inAdvogado; }
  void SetInAdvogado(uint8_t valor);  // 0 before 2004
  uint8_t GetInOstensivo() const { return m_inOstensivo; }
  void SetInOstensivo(uint8_t valor);  // a 1 only for a current nature other than 9
  uint8_t GetInRemessa() const { return m_inRemessa; }
  void SetInRemessa(uint8_t valor) { m_inRemessa = valor; }
  uint8_t GetInLucDiv() const { return m_inLucDiv; }
  void SetInLucDiv(uint8_t valor) { m_inLucDiv = valor; }
  uint8_t GetInPagTitMic() const { return m_inPagTitMic; }
  void SetInPagTitMic(uint8_t valor) { m_inPagTitMic = valor; }
  uint8_t GetInPlanoSaude() const { return m_inPlanoSaude; }
  void SetInPlanoSaude(uint8_t valor) { m_inPlanoSaude = valor; }
  uint8_t GetInServicoNotarial() const { return m_inServicoNotarial; }
  void SetInServicoNotarial(uint8_t valor) { m_inServicoNotarial = valor; }
  uint8_t GetInCopa() const { return m_inCopa; }
  void SetInCopa(uint8_t valor) { m_inCopa = valor; }

  int GetNrDisquetes() const { return m_nrDisquetes; }
  void SetNrDisquetes(int quantidade);
  TNumero& GetQtdDisquetes() { return m_qtdDisquetes; }
  int GetNrEstabelecimentos() const { return m_nrEstabelecimentos; }
  void SetNrEstabelecimentos(int quantidade);
  TNumero& GetQtdEstabelecimentos() { return m_qtdEstabelecimentos; }

  TNrRecibo& GetNrRecibo() { return m_nrRecibo; }

  const QString& GetArquivo() const { return m_arquivo; }
  void SetArquivo(const QString& arquivo) { m_arquivo = arquivo; }
  int16_t GetTipoAnexo() const { return m_tipoAnexo; }
  void SetTipoAnexo(int16_t tipo) { m_tipoAnexo = tipo; }
  uint8_t GetNiAlterado() const { return m_niAlterado; }
  void SetNiAlterado(uint8_t alterado) { m_niAlterado = alterado; }
  const QString& GetArquivoAnterior() const { return m_arquivoAnterior; }
  void SetArquivoAnterior(const QString& arquivo) { m_arquivoAnterior = arquivo; }

  // The calendar year is after 2005.
  bool GetAnoApos2005() const { return m_anoApos2005 != 0; }
  void AtualizaIndicadoresAno();
  // The deductions-reported flag: after 2007, or 2007 without special situation.
  void AtualizaPossuiDeducoes();
  uint8_t GetDeducoesInformadas() const { return m_deducoesInformadas; }

  uint8_t GetFundoClubeSemPendencia() const { return m_fundoClubeSemPendencia; }
  void SetFundoClubeSemPendencia(uint8_t valor) { m_fundoClubeSemPendencia = valor; }
  uint8_t GetJusticaSemPendencia() const { return m_justicaSemPendencia; }
  void SetJusticaSemPendencia(uint8_t valor) { m_justicaSemPendencia = valor; }

  // The import: the year chosen in the previous-years import, the year and special situation
  // of the file, the state (0 new, 1 pass started, 2 declarant record imported).
  const QString& GetAnoImportacao() const { return m_anoImportacao; }
  void SetAnoImportacao(const QString& ano);
  const QString& GetAnoCalendarioArquivo() const { return m_anoCalendarioArquivo; }
  void SetAnoCalendarioArquivo(const QString& ano) { m_anoCalendarioArquivo = ano; }
  uint8_t GetSituacaoEspecialArquivo() const { return m_situacaoEspecialArquivo; }
  void SetSituacaoEspecialArquivo(uint8_t situacao) { m_situacaoEspecialArquivo = situacao; }
  uint8_t GetEstadoImportacao() const { return m_estadoImportacao; }
  void SetEstadoImportacao(uint8_t estado) { m_estadoImportacao = estado; }

  // After the header was loaded: the own summary from the declarant's RESUMOS row; the general
  // one from the totals of every source when the declaration may have annexes, else the same.
  void CarregaResumos();

  // "<days>d hh:nn:ss" since the last reading (the first reading counts from 30/12/1899), then
  // restarts the clock.
  QString TempoDecorrido();
  QString TempoDecorrido(const QDateTime& agora);

  TSingleTolv& GetSingleTolv() const { return *m_single; }

 private:
  void ArmazenaAno(const QString& ano);
  void Adiciona(uint16_t codigo, const QString& argumento);

  // Shared with the collections; destroyed last.
  std::shared_ptr<bd::Transacao> m_transacaoAnexos;
  std::shared_ptr<bd::Transacao> m_transacaoDeclaracao;
  bd::Conexao* m_conexaoPropria = nullptr;
  QString m_tolvDK;
  QString m_anoCalendario = QString::fromLatin1(kAnoCorrente);
  TNiContribuinte m_estabelecimento;
  TNaturezas m_naturezas;
  TNatureza* m_natureza = nullptr;
  TResponsavel m_responsavel;
  QDateTime m_dataGeracao;
  TRespCnpj m_respCnpj;
  QString m_tipoDeclaracao = QStringLiteral("O");
  uint8_t m_situacaoEspecial = 0;
  uint8_t m_inAdmFC = 0;
  uint8_t m_inAdvogado = 0;
  int m_nrDisquetes = 0;
  int m_nrEstabelecimentos = 0;
  TNumero m_qtdDisquetes;
  TNumero m_qtdEstabelecimentos;
  std::unique_ptr<TResumo> m_resumoGeral;
  QString m_dataEvento;
  std::unique_ptr<TColecaoResumo> m_colecaoResumo;
  std::unique_ptr<TColecaoAnexo> m_colecaoAnexo;
  std::unique_ptr<TColecaoBeneficiario> m_colecaoBeneficiario;
  std::unique_ptr<TColecaoComprovante> m_colecaoComprovante;
  std::map<int, std::unique_ptr<TColecao>> m_colecoesSecoes;
  QString m_arquivo;
  int16_t m_tipoAnexo = 0;
  uint8_t m_tipoEvento = 0;
  uint8_t m_niAlterado = 0;
  QString m_arquivoAnterior;
  QString m_anoImportacao;
  uint8_t m_anoApos2005 = 0;
  TSingleTolv* m_single;
  QString m_anoCalendarioArquivo;
  uint8_t m_situacaoEspecialArquivo = 0;
  uint8_t m_estadoImportacao = 0;
  QDateTime m_inicioRelogio;
  uint8_t m_inRemessa = 0;
  uint8_t m_inLucDiv = 0;
  uint8_t m_inPagTitMic = 0;
  uint8_t m_inOstensivo = 0;
  TNrRecibo m_nrRecibo;
  uint8_t m_inPlanoSaude = 0;
  uint8_t m_inServicoNotarial = 0;
  uint8_t m_inCopa = 0;
  uint8_t m_fundoClubeSemPendencia = 0;
  uint8_t m_justicaSemPendencia = 0;
  uint8_t m_mesEvento = 99;
};
