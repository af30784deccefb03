#pragma once

#include <QString>

#include <memory>

#include "nucleo/TColecao.h"
#include "plataforma/bd/Transacao.h"
#include "validador/ISondasBanco.h"

namespace bd {
class ChamadaProcedimento;
}

// The database access of one import run: its own transaction on the shared declaration
// connection, on which the storage of the imported records and the probes run; the keys that pass
// from one stored group to the next; and the switch of the declaration's database to asynchronous
// writes for the storing pass, undone when the pass ends.
//
// Failures are thrown (bd::ErroBanco) to the caller: nothing here shows a message or ends the
// process. What was not confirmed is rolled back when the object goes, and the write mode is put
// back whatever the outcome.
class TDataAccess : public TColecao, public ISondasBanco {
 public:
  // Without a database of its own: the analysis of a declarant that has none yet, the shared
  // declaration connection being on the template.
  TDataAccess();
  // On DADOS/<arquivo>, copied from the template when it does not exist; the shared declaration
  // connection points at it.
  static std::unique_ptr<TDataAccess> CreateBanco(const QString& arquivo);
  ~TDataAccess() override;

  void AbreBanco(const QString& arquivo, bool forcaCopia);

  // Asynchronous writes (and a cache of at least 512 pages) for the storing pass. False when the
  // engine refused: the database keeps its mode and ErroModoEscrita says why; the pass goes on.
  bool AlteraModoEscrita();
  const QString& ErroModoEscrita() const { return m_erroModoEscrita; }
  // Puts back what AlteraModoEscrita changed; nothing when it changed nothing. Raises ErroBanco;
  // the destructor does it too, silently.
  void RestauraModoEscrita();
  bool ModoEscritaAlterado() const { return m_modoAlterado; }

  // The declaration database's file; empty without one.
  QString ArquivoBanco() const;

  // The transaction the storage runs on (started by the first statement that needs it).
  bd::Transacao& Transacao() { return m_transacao; }
  // Commits; the next statement starts a new transaction.
  void Confirma();
  void ConfirmaRetendo();
  void Desfaz();

  // The probes of the analysis of an existing declaration (0: not stored).
  int ExisteOperadora(const QString& cnpjBase) override;
  int ExisteTitular(int operadora, const QString& cpfBase) override;
  // Also kept in IdRemessaExistente.
  int BuscaRemessa(const QString& tipo, const QString& nif, int pais) override;
  // Whether a line of the declaration has that beneficiary (kind "1" or "2", number or its base).
  bool ExisteBeneficiario(const QString& tipo, const QString& ni);
  // Whether an accumulated-income item has that person as beneficiary.
  bool ExisteBeneficiarioRra(const QString& cpf);

  // The source of the beneficiary lines that follow: 1 the declarant, else a fund's or a process's
  // key, or for payments abroad the beneficiary's.
  int FonteDK = 1;
  int IdOperadora = 0;
  int IdTitular = 0;
  QString CodigoRetencao;
  int IdRemessaExistente = 0;

 protected:
  void AbreConsulta(bd::Consulta&) override {}

 private:
  bd::ChamadaProcedimento& Sonda(std::unique_ptr<bd::ChamadaProcedimento>& sonda, const char* nome);

  bd::Transacao m_transacao;
  std::unique_ptr<bd::ChamadaProcedimento> m_operadora;
  std::unique_ptr<bd::ChamadaProcedimento> m_titular;
  std::unique_ptr<bd::ChamadaProcedimento> m_beneficiario;
  std::unique_ptr<bd::ChamadaProcedimento> m_remessa;
  std::unique_ptr<bd::Consulta> m_rra;

  bool m_modoAlterado = false;
  QString m_arquivoModo;
  bool m_escritaForcadaAntes = false;
  int m_buffersAntes = 0;
  QString m_erroModoEscrita;
};
