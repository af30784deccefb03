#pragma once

#include "nucleo/TColecaoDoComprovante.h"

class TComprovante;
class TComprovantePF;
class TTolv;

// The partial amounts of a person's income statement, per revenue code, each save committed.
class TColecaoCompensavel : public TColecaoDoComprovante {
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
};
