#pragma once

#include "nucleo/TColecaoDe.h"

class TBeneficiarioTolv;
class TComprovante;
class TComprovantePJ;
class TTolv;

// What the user added to a company's income statement: the descriptions typed over a code's for
// the rows of a month, and the two complementary texts; in the declaration's database, on its
// shared transaction, each save committed. While FalhaBanco is set at creation nothing is
// prepared and nothing runs.
class TColecaoComprovantePJ : public TColecaoDe<TComprovantePJ> {
 public:
  explicit TColecaoComprovantePJ(TTolv& declaracao);
  ~TColecaoComprovantePJ() override;

  // Opens the stored descriptions and texts of the beneficiary; true when either exists.
  bool LocalizaComprovante(const TComprovante& comprovante);
  // The stored descriptions over the rows built from the lines (rows no longer there are passed
  // over), then the two texts.
  bool CarregaComprovante(TComprovantePJ& comprovante);
  // A description of the row's code and month is stored.
  bool ExisteLinha(const TComprovantePJ& comprovante, int indice);
  // Stores the changed rows' descriptions (a row back to the code's own is removed) and the two
  // texts; nothing when the declaration has no key or the beneficiary no number.
  void GravaComprovante(TComprovantePJ& comprovante);
  void ExcluiComprovante(const TBeneficiarioTolv& beneficiario);

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;
  void CarregaObjeto(TComprovantePJ& comprovante, bd::Consulta& dados) override;

 private:
  // The stored descriptions of the beneficiary, read again when they are of another one.
  bool AbreDescricoes(const TBeneficiarioTolv& beneficiario);

  TTolv* m_declaracao = nullptr;
  bd::Consulta m_complemento{bd::Consulta::Modo::Cache};
  std::unique_ptr<bd::Procedimento> m_procComplemento;
};
