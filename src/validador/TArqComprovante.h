#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class TBeneficiarioTolv;
class TComprovantePF;
class TErros;
class TLogErros;
class TRegistroComprovante;
class TTolv;

// The import of an income-statement file into a declaration's individual statements: each line
// of 421 characters (Windows-1252) names one beneficiary by its CPF and carries the exempt-income
// amounts and texts of box 4 and the complementary information. A line is stored only when it is
// wholly right; every other one is rejected with its reason into the log (TLogErros), whose pair
// of files the report of rejected lines reads. Nothing is shown to the user during the run.
class TArqComprovante {
 public:
  // Bytes read so far and the file's size, after every line.
  using Progresso = std::function<void(int64_t lidos, int64_t total)>;

  // Messages of a rejected line.
  static const QString kTamanhoInvalido;  // followed by the line's length
  static const QString kNaoConsta;
  static const QString kSoFinanceiros;
  static const QString kDuplicado;

  // The declaration is not owned and must have its database open (CarregaTolv).
  TArqComprovante(TTolv& declaracao, const QString& arquivo);
  ~TArqComprovante();
  TArqComprovante(const TArqComprovante&) = delete;
  TArqComprovante& operator=(const TArqComprovante&) = delete;

  // Runs the whole file once. A file that cannot be opened stops it before anything is read: the
  // counters stay 0 and no log is written. The cancel flag stops it after the line in hand.
  void Importa(const Progresso& progresso = {});

  int GetLidas() const { return m_lidas; }
  int GetImportadas() const { return m_importadas; }
  int GetRejeitadas() const { return m_rejeitadas; }
  // The root name of the log written by the run.
  const QString& GetRaizLog() const { return m_raizLog; }
  // What went wrong with the file or the log (reading, writing, renaming); empty when nothing.
  const QString& GetFalha() const { return m_falha; }

  // Set from outside (the cancel button) while the run goes on.
  void Cancela() { m_cancelado = true; }
  bool Cancelado() const { return m_cancelado; }

  // The log's root of a declaration: every digit of the declarant's number and the calendar
  // year, so that establishments and years of one company keep logs of their own.
  static QString RaizLog(const TTolv& declaracao);

 private:
  void Prepara();
  // True when the line was stored; otherwise it was logged with its reason.
  bool ImportaLinha();
  void Rejeita(const QString& mensagem);

  TTolv* m_declaracao;
  QString m_arquivo;
  std::unique_ptr<TErros> m_erros;
  std::unique_ptr<TBeneficiarioTolv> m_beneficiario;
  std::unique_ptr<TComprovantePF> m_comprovante;
  std::unique_ptr<TLogErros> m_log;
  std::unique_ptr<TRegistroComprovante> m_registro;
  QString m_raizLog;
  QString m_falha;
  int m_lidas = 0;
  int m_importadas = 0;
  int m_rejeitadas = 0;
  bool m_cancelado = false;
};
