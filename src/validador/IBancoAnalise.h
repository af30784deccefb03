#pragma once

// Which database the analysis works on: the template while the declarant is not known, then the
// declarant's own database when the declaration exists. The import run implements it over the
// shared declaration connection; an analysis without it reads reference data from wherever the
// collections already look.
class IBancoAnalise {
 public:
  virtual ~IBancoAnalise() = default;
  virtual void ConectaModelo() = 0;
  virtual void AbreBanco() = 0;
  virtual void FechaBanco() = 0;
};
