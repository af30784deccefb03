#pragma once

#include "nucleo/Contribuinte.h"
#include "nucleo/Email.h"
#include "nucleo/Fone.h"

// The person responsible for a declaration: CPF and name, phone, fax and e-mail.
class TResponsavel : public TContribuinte {
 public:
  TResponsavel() : TContribuinte(kNiCpf) {}

  TFone& GetFone() { return m_fone; }
  TFone& GetFax() { return m_fax; }
  TEmail& GetEmail() { return m_email; }
  const TFone& GetFone() const { return m_fone; }
  const TFone& GetFax() const { return m_fax; }
  const TEmail& GetEmail() const { return m_email; }

  // Attaches the list to the number, the name, both phones and the e-mail.
  void SetErros(TErros* erros) override;
  void LimpaTudo() override;
  // The checks of the verification, fields 15 to 21, keyed by the formatted CPF. Sets the
  // Opcional flags of the parts as the checks require.
  void VerificaResponsavel(TErros& erros);

 private:
  TFone m_fone;
  TFone m_fax;
  TEmail m_email;
};
