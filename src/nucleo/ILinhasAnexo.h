#pragma once

#include <cstdint>

namespace bd {
class Consulta;
}
class TContribuinte;
class TErros;

// One beneficiary line as the annex checks see it.
class ILinhaVerificavel {
 public:
  virtual ~ILinhaVerificavel() = default;

  // The line's own pendency check: adds its findings, raises nothing for data problems.
  virtual void Verifica(TErros& erros) = 0;
  virtual const TContribuinte& GetBeneficiario() const = 0;
  // 1 for a line of a judicial-process annex.
  virtual void SetTipoAnexo(int16_t tipo) = 0;
};

// The lines that the checks of one annex walk, read-only, one line object reused.
class ILinhasAnexo {
 public:
  virtual ~ILinhasAnexo() = default;

  // The annex's own lines in the verification order (a fund's walk).
  virtual void CarregaPrimeiro() = 0;
  virtual void CarregaProximo() = 0;
  virtual bool NoFim() = 0;
  virtual bool Vazia() = 0;
  // The line of the current row of TOLV_ITENS_PROC_VP (the processes' walk).
  virtual void CarregaItemProcesso(bd::Consulta& linha) = 0;

  virtual ILinhaVerificavel& GetLinha() = 0;
};
