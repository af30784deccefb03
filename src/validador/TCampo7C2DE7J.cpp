#include "validador/TCampo7C2DE7J.h"

TCampo7C2DE7J::TCampo7C2DE7J(TArquivoDados& dados, const Atributos& atributos) : TCampo(dados, atributos, Tabela()) {}

const TabelaRegras& TCampo7C2DE7J::Tabela() {
  using T = TCampo7C2DE7J;
  static const TabelaRegras tabela(
      "TCampo7C2DE7J", &TCampo::Tabela(),
      {{"RN_ANO_CALENDARIOVALIDO", &RegraDe<T, &T::RN_ANO_CALENDARIOVALIDO>},
       {"RN_TIPO2_PF", &RegraDe<T, &T::RN_TIPO2_PF>},
       {"RN_TIPO2_SEMJUSTICA", &RegraDe<T, &T::RN_TIPO2_SEMJUSTICA>},
       {"RN_Valida_RRA_Beneficiario_Declarante", &RegraDe<T, &T::RN_Valida_RRA_Beneficiario_Declarante>}});
  return tabela;
}
