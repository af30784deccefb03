#include "validador/TCampoF8UCL6S.h"

TCampoF8UCL6S::TCampoF8UCL6S(TArquivoDados& dados, const Atributos& atributos) : TCampo(dados, atributos, Tabela()) {}

const TabelaRegras& TCampoF8UCL6S::Tabela() {
  using T = TCampoF8UCL6S;
  static const TabelaRegras tabela(
      "TCampoF8UCL6S", &TCampo::Tabela(),
      {{"RN_ANO_CALENDARIOVALIDO", &RegraDe<T, &T::RN_ANO_CALENDARIOVALIDO>},
       {"RN_TIPO2_PF", &RegraDe<T, &T::RN_TIPO2_PF>},
       {"RN_TIPO2_SEMJUSTICA", &RegraDe<T, &T::RN_TIPO2_SEMJUSTICA>},
       {"RN_Valida_RRA_Beneficiario_Declarante", &RegraDe<T, &T::RN_Valida_RRA_Beneficiario_Declarante>}});
  return tabela;
}
