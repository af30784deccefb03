#pragma once

#include "nucleo/Contribuinte.h"
#include "nucleo/DadoBasico.h"
#include "nucleo/Monetario.h"

class TzuqPlanoSaude;

// A holder of a health plan: a person (CPF and name) and the amount paid for the holder in the
// year. The operator is only observed.
class TzuqTitularPlanoSaude : public TDadoBasico {
 public:
  explicit TzuqTitularPlanoSaude(TzuqPlanoSaude& planoSaude);
  ~TzuqTitularPlanoSaude() override;

  int GetId() const { return m_id; }
  void SetId(int id) { m_id = id; }
  TMonetario& GetValorPago() { return m_valorPago; }
  const TMonetario& GetValorPago() const { return m_valorPago; }
  TContribuinte& GetContribuinte() { return m_contribuinte; }
  const TContribuinte& GetContribuinte() const { return m_contribuinte; }
  TzuqPlanoSaude& GetPlanoSaude() const { return *m_planoSaude; }
  void SetPlanoSaude(TzuqPlanoSaude& planoSaude) { m_planoSaude = &planoSaude; }

  // Key, amount and identity cleared; the operator stays.
  void Limpar();

 private:
  int m_id = 0;
  TMonetario m_valorPago;
  TContribuinte m_contribuinte;
  TzuqPlanoSaude* m_planoSaude;
};
