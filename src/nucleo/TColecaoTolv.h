#pragma once

#include <QDate>
#include <QString>

#include <memory>

#include "nucleo/EFalhaBanco.h"
#include "nucleo/TColecaoDe.h"
#include "plataforma/bd/Transacao.h"

class TErros;
class TTolv;

// The declarations index: the rows of TOLVS in the index database (one per declarant's number
// and calendar year, with the person responsible from RESPONSAVEIS), in the order of kind,
// number and year. Creates, loads, stores and deletes declarations with their own database files
// in DADOS, adopts a database file into the index, and reconciles the indicators of the index row
// with those the declaration's data call for.
//
// Loading a row through the navigation leaves the declaration connection where it is;
// CarregaTolv points it at the loaded declaration's database. Failures of its own transactions
// go to AvisaFalhaBanco, marking the index or the declaration side, and do not end the process;
// refusals are EColecaoError.
class TColecaoTolv : public TColecaoDe<TTolv> {
 public:
  TColecaoTolv();
  ~TColecaoTolv() override;

  // Points the declaration connection at the file, then prepares the header's procedure
  // (INCLUI_ATU_TOLV; ATU_TOLV for AbrirBancoAlteracao) on the declaration side.
  void AbrirBancoDeclaracao(const QString& arquivo, bool forcaCopia) override;
  void AbrirBancoAlteracao(const QString& arquivo, bool forcaCopia);

  // Positions the list on the declaration's row: by its index key when it has one, else by kind,
  // number and year. A declaration without a name takes the listed one, also from another year
  // of the same declarant (the answer is then false).
  bool Localiza(TTolv& tolv);
  // Loads the declaration's row and points the declaration connection at its database.
  bool CarregaTolv(TTolv& tolv);
  // The same after undoing what the declaration side left open.
  bool RecarregaTolv(TTolv& tolv);
  // Loads the declaration's row (header and persons; its file name becomes the one CarregaTolv
  // would open) and leaves the declaration connection and the summaries alone: for a reader on a
  // connection of its own. False when the index does not list it.
  bool LeTolv(TTolv& tolv);

  // A new declaration: its row and its database, copied from the template. A declaration already
  // listed is refused with EColecaoError 46 (CNPJ) or 47 (CPF); a database file of that name
  // without a row is kept aside, never overwritten.
  void Inclui(TTolv& tolv);
  void Salva(TTolv& tolv) { GravaBancos(tolv); }
  // Stores the header in the index and in the declaration's database, both or neither. When the
  // declarant's number changed, the database file is first renamed to the new number's name (the
  // previous name is kept in the declaration) and its header follows, and a save that fails after
  // the rename takes the file back to its previous name; a new number that another row already
  // lists is refused with EColecaoError 46 or 47, a file that cannot be renamed with 95.
  void GravaBancos(TTolv& tolv);
  // Stores the header and zeroes every value after the month of `encerramento` in the
  // declaration's database in one transaction, kept together with the index's header: a failure
  // on the way, in either database, leaves the amounts and both headers as they were. A
  // declarant whose number changed is stored first as GravaBancos does.
  void SalvaComEncerramento(TTolv& tolv, const QDate& encerramento);
  // Removes the row and the database file; a file that cannot be deleted keeps the row and
  // raises EColecaoError 98.
  void Exclui(TTolv& tolv);
  // Lists an existing database file (the declaration's file name) under the declaration's row.
  void RegistraBanco(TTolv& tolv);
  // Turns on, in the index row and in the declaration, the indicators that the declaration's
  // data call for; never turns one off. Database failures reach the caller; an index row of
  // unknown kind raises "Arquivo Corrompido".
  void VerificaIndicadores(TTolv& tolv);

  // Other establishments of a company's CNPJ root in the declaration's year.
  bool BuscaOutroEstabelecimento(TTolv& tolv);
  void GetNiOutroEstabelecimento(TTolv& tolv, QString& numero);
  bool ExisteOutroEstabelecimento(TTolv& tolv);
  bool ExisteEstabelecimentoPrivado(TTolv& tolv);
  // Whether a company declaration of that year and root, other than the number given (without
  // check digits), has a nature other than 1 and 2: only public bodies share a root.
  bool ConflitoEstabelecimento(const QString& numero, const QString& ano);

  // Index side first, then the declaration side; a failure is reported (AvisaFalhaBanco) with
  // the side it marks, and the work goes on.
  void ConfirmaTransacao() override;
  void ConfirmaTransacaoRetendo() override;
  void DesfazTransacao() override;
  void DesfazTransacaoRetendo() override;
  void IniciaTransacao() override;

  // What reading the header of a database file found.
  enum class Cabecalho { Lido, Incompativel, SemDeclaracao, Ilegivel };
  // Reads the header row of DADOS/<arquivo> into the declaration (cleared first; its file name
  // becomes the file's) through a connection of its own. Incompativel: its version row was read
  // and is not this program's; Ilegivel: the file could not be opened or read at all (locked,
  // damaged, no database), so nothing is known of its version; SemDeclaracao: it holds no usable
  // header.
  static Cabecalho LeCabecalhoBanco(const QString& arquivo, TTolv& tolv);

  // The copy of the last declaration loaded; nullptr while the index is unusable.
  TTolv* GetTolvCarregado() const { return m_tolv.get(); }

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;
  // Fills the declaration from the row with its summaries, without touching the declaration
  // connection.
  void CarregaObjeto(TTolv& tolv, bd::Consulta& dados) override;
  bool EhColecaoIndice() const override { return true; }

 private:
  enum class Lado { Indice, Declaracao };
  // Keeps what both transactions hold as one change: the declaration side is prepared, the index
  // commits, then the declaration side commits; a refusal of either rolls both back (reported,
  // marking the side). False when nothing was kept.
  bool ConfirmaOsDois();
  // Starts one transaction; a failure is reported, marking the side.
  void Inicia(bd::Transacao& transacao, Lado lado);
  static EFalhaBanco::Lado Marca(Lado lado);
  // Runs one transaction operation; a failure is reported, marking the side.
  void Opera(bd::Transacao* transacao, Lado lado, void (bd::Transacao::*operacao)(), const QString& prefixo,
             int codigo);
  bool ListaAberta();
  // The row's header, then the copy of what was loaded.
  void CarregaCabecalho(TTolv& tolv, bd::Consulta& dados);
  void GuardaCopia(TTolv& tolv);
  // The summaries of a row loaded by browsing the list: from the declaration's own database, read
  // through a connection of their own unless the declaration connection is on it; a file that is
  // missing or unreadable leaves them zeroed.
  void CarregaResumosDaLinha(TTolv& tolv);
  void PreparaProcedimentoDeclaracao(const char* nome);
  // The index procedure's parameters for the declaration (the shared part of a save and an
  // adoption).
  void PreencheIndice(TTolv& tolv, bool registro);
  void PreencheDeclaracao(TTolv& tolv);
  // Moves the database file to the declarant's new number; the declaration connection leaves it.
  void RenomeiaBanco(const QString& anterior, const QString& novo);
  // Forgets what was read from the list after a change of the rows.
  void EsqueceLeituras();
  bool LocalizaEstabelecimento(TTolv& tolv, bool parcial);

  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TTolv> m_tolv;
  bd::Transacao m_transacaoDeclaracao;
  std::unique_ptr<bd::Procedimento> m_procedimentoDeclaracao;
  bool m_alteracao = false;  // the declaration-side procedure is ATU_TOLV
};

// The status of the declaration's row (1 after its declaration file was written).
void AtualizaStatusTolv(TColecaoTolv& colecao, TTolv& tolv, int status);
// Whether a fund or club annex of the declaration carries the declarant's own CNPJ.
bool CnpjUsadoEmFundo(TColecaoTolv& colecao, TTolv& tolv);
// Deletes every value after the event's month in the declaration's database, on the
// collection's declaration-side transaction.
void AtualizaEncerramento(TColecao& colecao, const QDate& data);
