#pragma once

#include "validador/TCampo.h"

// A field of layout "7C2DE7J", with that layout's own field rules.
class TCampo7C2DE7J : public TCampo {
 public:
  TCampo7C2DE7J(TArquivoDados& dados, const Atributos& atributos);

  static const TabelaRegras& Tabela();

 private:
  bool RN_ANO_CALENDARIOVALIDO() { return AnoCalendarioEntre(u"2012", u"2013"); }
  bool RN_TIPO2_PF() { return Tipo2PessoaFisica(); }
  bool RN_TIPO2_SEMJUSTICA() { return Tipo2SemJustica(); }
  bool RN_Valida_RRA_Beneficiario_Declarante() { return BeneficiarioRraDiferenteDeclarante(); }
};
