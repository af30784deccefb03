#pragma once

#include "validador/TCampo.h"

// A field of layout "1A4MA1R", with that layout's own field rules.
class TCampoAtual : public TCampo {
 public:
  TCampoAtual(TArquivoDados& dados, const Atributos& atributos);

  static const TabelaRegras& Tabela();

 private:
  bool RN_ANO_CALENDARIOVALIDO() { return AnoCalendarioEntre(u"2011", u"2012"); }
  bool RN_TIPO2_PF() { return Tipo2PessoaFisica(); }
  bool RN_TIPO2_SEMJUSTICA() { return Tipo2SemJustica(); }
  bool RN_Valida_RRA_Beneficiario_Declarante() { return BeneficiarioRraDiferenteDeclarante(); }
};
