#pragma once

class TErros;
class TTolv;
class TVerificacaoPendencias;

// The checks of one loaded declaration, section by section: each section lists its findings in
// the run's result rows under its title. The run calls it once per declaration found.
class ISecoesVerificacao {
 public:
  virtual ~ISecoesVerificacao() = default;

  // `erros` may already hold findings of the run (a nature that differs between establishments)
  // to be listed with the first section; `contador` is the run's count of items checked. True
  // when the run's error count is still 0 afterwards.
  virtual bool Verificar(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador) = 0;
};
