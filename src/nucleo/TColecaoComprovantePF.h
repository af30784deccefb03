#pragma once

#include <cstdint>

#include "nucleo/TColecaoDoComprovante.h"

class TBeneficiarioTolv;
class TComprovante;
class TComprovantePF;
class TTolv;

// What the user added to a person's income statement (nature, complementary information) and the
// figures of boxes 3 and 4 as last saved, in the declaration's database and on its shared
// transaction; loading also brings the person's health-plan payments and income received
// cumulatively. Interactive use commits each save; batch use (an import) commits every 50,001
// saves and reports a person saved twice since the batch began (kDuplicado).
class TColecaoComprovantePF : public TColecaoDoComprovante {
 public:
  // GravaComprovante: 0 nothing stored, 1 inserted, 2 updated, 3 a duplicate of the batch.
  static constexpr int kDuplicado = 3;
  static constexpr int kIntervaloConfirmacao = 50000;

  explicit TColecaoComprovantePF(TTolv& declaracao);
  ~TColecaoComprovantePF() override;

  // Batch use turns the duplicate control on and forgets the persons of an earlier batch;
  // interactive use turns it off.
  void SetInterativo(bool interativo) override;
  uint8_t GetControleDuplicatas() const { return m_controleDuplicatas; }

  // Opens the stored statement of the beneficiary; false when nothing could be read.
  bool LocalizaComprovante(const TComprovante& comprovante);
  // The stored parts over a statement built from the lines: nature, complementary information,
  // health plans and blocks of income received cumulatively. Database failures of the last two
  // reach the caller as bd::ErroBanco.
  bool CarregaComprovante(TComprovantePF& comprovante);
  // Boxes 3 (lines 02 to 04) and 4 to zero, their texts and the complementary information cleared.
  void ZeraComprovante(TComprovantePF& comprovante);
  // 0 when the declaration has no key or the beneficiary no number.
  int GravaComprovante(TComprovantePF& comprovante);
  // The stored statement and partial amounts of the beneficiary.
  void ExcluiComprovante(const TBeneficiarioTolv& beneficiario);

  // From the stored statement's row; an empty one is ZeraComprovante.
  void CarregaObjeto(TComprovantePF& comprovante, bd::Consulta& dados);

 private:
  void CarregaPlanosSaude(TComprovantePF& comprovante, const QString& numero);
  void CarregaRra(TComprovantePF& comprovante, const QString& numero);

  bd::Consulta m_titulares;
  bd::Consulta m_dependentes;
  bd::Consulta m_rra;
  int m_gravacoes = 0;
  uint8_t m_controleDuplicatas = 0;
};
