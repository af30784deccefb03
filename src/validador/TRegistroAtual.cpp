#include "validador/TRegistroAtual.h"

TRegistroAtual::TRegistroAtual(TArquivoDados& dados, TTFlagCampo& flags) : TRegistro(dados, flags, Tabela()) {}

const TabelaRegras& TRegistroAtual::Tabela() {
  using T = TRegistro;
  static const TabelaRegras tabela(
      "TRegistroAtual", &TRegistro::Tabela(),
      {{"ER_OrdemRra", &RegraDe<T, &T::ER_OrdemRra>},
       {"ER_OrdemBenefRra", &RegraDe<T, &T::ER_OrdemBenefRra>},
       {"RN_Valida_AdvogadoRRA_Declarante", &RegraDe<T, &T::RN_Valida_AdvogadoRRA_Declarante>},
       {"RN_NumeroProcessoObrigatorio", &RegraDe<T, &T::RN_NumeroProcessoObrigatorio>},
       {"RN_JaExisteRra", &RegraDe<T, &T::RN_JaExisteRra>},
       {"RN_Relacao_Tabela_PJPJ", &RegraDe<T, &T::RN_Relacao_Tabela_PJPJ>},
       {"RN_NIF_Dispensa", &RegraDe<T, &T::RN_NIF_Dispensa>},
       {"RN_Justificativa_Dupla_NIF_Invalida", &RegraDe<T, &T::RN_Justificativa_Dupla_NIF_Invalida>},
       {"ER_RegistroPai", &RegraDe<TRegistroAtual, &TRegistroAtual::ER_RegistroPai>}});
  return tabela;
}
