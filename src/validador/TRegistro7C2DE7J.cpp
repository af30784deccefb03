#include "validador/TRegistro7C2DE7J.h"

TRegistro7C2DE7J::TRegistro7C2DE7J(TArquivoDados& dados, TTFlagCampo& flags) : TRegistro(dados, flags, Tabela()) {}

const TabelaRegras& TRegistro7C2DE7J::Tabela() {
  using T = TRegistro;
  static const TabelaRegras tabela(
      "TRegistro7C2DE7J", &TRegistro::Tabela(),
      {{"ER_OrdemRra", &RegraDe<T, &T::ER_OrdemRra>},
       {"ER_OrdemBenefRra", &RegraDe<T, &T::ER_OrdemBenefRra>},
       {"RN_Valida_AdvogadoRRA_Declarante", &RegraDe<T, &T::RN_Valida_AdvogadoRRA_Declarante>},
       {"RN_NumeroProcessoObrigatorio", &RegraDe<T, &T::RN_NumeroProcessoObrigatorio>},
       {"RN_JaExisteRra", &RegraDe<T, &T::RN_JaExisteRra>},
       {"RN_Relacao_Tabela_PJPJ", &RegraDe<T, &T::RN_Relacao_Tabela_PJPJ>},
       {"RN_NIF_Dispensa", &RegraDe<T, &T::RN_NIF_Dispensa>},
       {"RN_Justificativa_Dupla_NIF_Invalida", &RegraDe<T, &T::RN_Justificativa_Dupla_NIF_Invalida>},
       {"RN_Voluntario_Copa_Valido", &RegraDe<T, &T::RN_Voluntario_Copa_Valido>},
       {"ER_Declarante_flag_Copa", &RegraDe<T, &T::ER_Declarante_flag_Copa>},
       {"ER_Bolsa_Medico_Valido", &RegraDe<T, &T::ER_Bolsa_Medico_Valido>}});
  return tabela;
}
