#pragma once

#include "nucleo/TColecaoDoComprovante.h"

class TBeneficiarioTolv;
class TComprovante;
class TComprovantePJ;
class TTolv;

// What the user added to a company's income statement: the descriptions typed over a code's for
// the rows of a month, and the two complementary texts; each save committed.
class TColecaoComprovantePJ : public TColecaoDoComprovante {
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

  // The stored descriptions onto the rows, then the two texts of the complementary query.
  void CarregaObjeto(TComprovantePJ& comprovante, bd::Consulta& dados);

 private:
  bd::Consulta m_complemento{bd::Consulta::Modo::Cache};
  std::unique_ptr<bd::Procedimento> m_procComplemento;
};
