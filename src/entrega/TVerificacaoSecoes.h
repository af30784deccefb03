#pragma once

#include "entrega/ISecoesVerificacao.h"

class TVerificacaoTolvItem;

// The sections of a declaration's verification, in their order: the findings the run handed
// over (under the declarant's identification), the declaration's own beneficiary lines, the funds
// or clubs it administers and the judicial processes whose payments it made (every line checked
// by TVerificacaoTolvItem), then the row that closes the declaration. The identification, the
// persons responsible, the rules for a declaration without beneficiaries and the supplementary
// sections join this order as they are built.
class TVerificacaoSecoes : public ISecoesVerificacao {
 public:
  bool Verificar(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador) override;

 protected:
  // Lines stream once, in list mode, each with its child values in its own row.
  virtual void VerificaBeneficiarios(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                     int& contador, TVerificacaoTolvItem& linhas);
  // The findings of a declaration without lines of its own (none so far); `temLinhas` tells.
  virtual void VerificaSemBeneficiario(TTolv& declaracao, TErros& erros, bool temLinhas);
  virtual void VerificaFundos(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                              TVerificacaoTolvItem& linhas);
  virtual void VerificaJustica(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                               TVerificacaoTolvItem& linhas);
};
