#pragma once

#include <QString>

#include "nucleo/Contribuinte.h"

class TTolv;
class TTolvAnexo;

// The beneficiary of a beneficiary line, and the working object of the beneficiary searches: a
// number (kind by its length) with its name, the declaration it belongs to and, on a fund or club
// annex, the fund whose own number (or another establishment of its CNPJ) it may not take. The
// kind of the annex's identification (0 fund or club, 1 judicial process) is the inherited
// identification kind.
class TBeneficiarioTolv : public TContribuinte {
 public:
  // Takes the declaration's attached error list, when it has one.
  explicit TBeneficiarioTolv(TTolv* declaracao = nullptr);
  ~TBeneficiarioTolv() override;

  // The number's own check, then the fund's: 133 for the fund itself or another establishment
  // of its CNPJ root, on a fund or club annex.
  int Valida(const QString& texto) const override;
  // The number and the name; 11 when they pass but there is no declaration.
  int ValidaBeneficiario() const;

  TTolv* GetDeclaracao() const { return m_declaracao; }
  // The revenue code of the line that holds the beneficiary, for the messages of its checks.
  const QString& GetCodigoRetencao() const { return m_codigoRetencao; }
  void SetCodigoRetencao(const QString& codigo) { m_codigoRetencao = codigo; }
  bool GetVerificaFundo() const { return m_verificaFundo; }
  void SetVerificaFundo(bool verifica) { m_verificaFundo = verifica; }
  // The digits of the fund's or club's number (emptied when the line is cleared).
  const QString& GetNiFundo() const { return m_niFundo; }
  void SetNiFundo(const QString& digitos) { m_niFundo = digitos; }
  // The annex whose number the fund check reads when it checks, in place of the number kept: the
  // page may choose the fund after making the line, and clears the line between beneficiaries.
  // Not owned; it outlives the beneficiary.
  void SetAnexoFundo(const TTolvAnexo* anexo) { m_anexoFundo = anexo; }

 private:
  TTolv* m_declaracao;
  QString m_codigoRetencao;
  bool m_verificaFundo = false;
  QString m_niFundo;
  const TTolvAnexo* m_anexoFundo = nullptr;
};
