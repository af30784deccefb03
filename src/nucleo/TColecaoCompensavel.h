#pragma once

#include "nucleo/TColecao.h"

class TComprovante;
class TComprovantePF;
class TTolv;

// The partial amounts of a person's income statement, per revenue code, in the declaration's
// database and on its shared transaction, each save committed. While FalhaBanco is set at creation
// nothing is prepared and nothing runs.
class TColecaoCompensavel : public TColecao {
 public:
  explicit TColecaoCompensavel(TTolv& declaracao);
  ~TColecaoCompensavel() override;

  // Each stored code that has a partial item in the statement gives it its amounts, kept within
  // the line's (TComprovantePF::AjustaParcial).
  void CarregaParciais(TComprovantePF& comprovante, bd::Consulta& dados);
  // Opens the stored partial amounts of the beneficiary; true when there are some.
  bool LocalizaComprovante(const TComprovante& comprovante);
  bool CarregaComprovante(TComprovantePF& comprovante);
  // The partial amounts of the item's code are stored.
  bool ExisteParcial(const TComprovantePF& comprovante, int indice);
  // Stores the changed partial items (one back to zero is removed); nothing when the declaration
  // has no key or the beneficiary no number.
  void GravaComprovante(TComprovantePF& comprovante);

 protected:
  void AbreConsulta(bd::Consulta& consulta) override;

 private:
  // The stored amounts of the beneficiary, read again when they are of another one.
  bool AbreParciais(const QString& numero);

  TTolv* m_declaracao = nullptr;
};
