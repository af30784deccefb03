#pragma once

class ISondasBanco;
class TArquivoDados;
class TRegistro;

// What the analysis does after a record passed its tests: it keeps the context that later records
// are tested against (the keys the order rules compare, the run's declaration, its current line
// and annex, the beneficiary kind, the complementary-information mark), and for an existing
// declaration asks the database whether health-plan or payments-abroad data is stored already,
// which can still reject the record.
class TAcoesContexto {
 public:
  // The probes are not owned; nullptr: none runs.
  TAcoesContexto(TArquivoDados& dados, ISondasBanco* sondas = nullptr);
  virtual ~TAcoesContexto() = default;

  // The action of the record's type (none for most value types).
  virtual void AtualizaContexto(TRegistro& registro);

  int IdOperadora() const { return m_idOperadora; }
  int IdTitular() const { return m_idTitular; }
  int IdRemessaExistente() const { return m_idRemessaExistente; }
  void LimpaIds() { m_idOperadora = m_idTitular = 0; }

 protected:
  void AtualizaContextoDeclarante(TRegistro& registro);
  void AtualizaContextoIDREC(TRegistro& registro);
  void AtualizaContextoFCI(TRegistro& registro);
  void AtualizaContextoPROC(TRegistro& registro);
  void AtualizaContextoRRA(TRegistro& registro);
  void AtualizaContextoOPSE(TRegistro& registro);
  void AtualizaContextoTPSE(TRegistro& registro);
  void AtualizaContextoDTPSE(TRegistro& registro);
  void AtualizaContextoBRPDE(TRegistro& registro);
  void VerificaOperadoraExistente(TRegistro& registro);
  void VerificaTitularExistente(TRegistro& registro);
  void VerificaRemessaExistente(TRegistro& registro);

  TArquivoDados& m_dados;
  ISondasBanco* m_sondas;
  int m_idOperadora = 0;
  int m_idTitular = 0;
  int m_idRemessaExistente = 0;
};
