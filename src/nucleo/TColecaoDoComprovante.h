#pragma once

#include "nucleo/TColecao.h"

class TBeneficiarioTolv;
class TComprovante;
class TTolv;

// What the income-statement collections share: the declaration's database and shared transaction,
// a list query of one beneficiary, and the rule that nothing is stored for a declaration without
// key or a beneficiary without number. While FalhaBanco is set at creation nothing is prepared and
// nothing runs.
class TColecaoDoComprovante : public TColecao {
 protected:
  // Binds the collection to the declaration; false when a failure flag is set.
  bool Conecta(TTolv& declaracao);
  void Prepara(bd::Consulta& consulta, const QString& sql);
  std::unique_ptr<bd::Procedimento> PreparaProcedimento(const QString& nome);
  void AbreConsulta(bd::Consulta& consulta) override;
  // The list query for the beneficiary's number (its parameter), opened anew unless it already is.
  bool AbreLista(const QString& parametro, const TComprovante& comprovante, bool deNovo);
  bool PodeGravar(const TComprovante& comprovante) const;
  // Commits the shared transaction when the procedure ran; false when it did not run.
  bool ExecutaConfirmando(bd::Procedimento& procedimento);
  // Runs the command query (the delete of a beneficiary's statement) with the beneficiary's number.
  void ExcluiDoBeneficiario(const QString& parametro, const TBeneficiarioTolv& beneficiario);
  static bd::Dado TextoOuNulo(const QString& texto);

  TTolv* m_declaracao = nullptr;
};
