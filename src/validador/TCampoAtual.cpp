#include "validador/TCampoAtual.h"

TCampoAtual::TCampoAtual(TArquivoDados& dados, const Atributos& atributos) : TCampo(dados, atributos, Tabela()) {}

const TabelaRegras& TCampoAtual::Tabela() {
  using T = TCampoAtual;
  static const TabelaRegras tabela(
      "TCampoAtual", &TCampo::Tabela(),
      {{"RN_ANO_CALENDARIOVALIDO", &RegraDe<T, &T::RN_ANO_CALENDARIOVALIDO>},
       {"RN_TIPO2_PF", &RegraDe<T, &T::RN_TIPO2_PF>},
       {"RN_TIPO2_SEMJUSTICA", &RegraDe<T, &T::RN_TIPO2_SEMJUSTICA>},
       {"RN_Valida_RRA_Beneficiario_Declarante", &RegraDe<T, &T::RN_Valida_RRA_Beneficiario_Declarante>}});
  return tabela;
}
