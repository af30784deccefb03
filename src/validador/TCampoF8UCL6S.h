#pragma once

#include "validador/TCampo.h"

// A field of layout "F8UCL6S", with that layout's own field rules.
class TCampoF8UCL6S : public TCampo {
 public:
  TCampoF8UCL6S(TArquivoDados& dados, const Atributos& atributos);

  static const TabelaRegras& Tabela();

 private:
  bool RN_ANO_CALENDARIOVALIDO() { return AnoCalendarioEntre(u"2013", u"2014"); }
  bool RN_TIPO2_PF() { return Tipo2PessoaFisica(); }
  bool RN_TIPO2_SEMJUSTICA() { return Tipo2SemJustica(); }
  bool RN_Valida_RRA_Beneficiario_Declarante() { return BeneficiarioRraDiferenteDeclarante(); }
};
