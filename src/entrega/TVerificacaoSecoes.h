#pragma once

#include <QString>

#include "entrega/ChecagensDeclaracao.h"
#include "entrega/ISecoesVerificacao.h"

class TVerificacaoTolvItem;

// The sections of a declaration's verification, in their order: the declarant's identification
// (with the findings the run handed over and the indicators against the sections' data), the
// person responsible, the one before the CNPJ (companies), the declaration's own beneficiary
// lines with the rules for a declaration without any, the accumulated income it paid, the
// collective health plans, the funds or clubs it administers, the judicial processes whose
// payments it made (every line checked by TVerificacaoTolvItem) with the accumulated income paid
// by court order, the payments abroad, then the row that closes the declaration. A section gated by an indicator is checked under
// SecaoLiberada, the gate of the file's writer.
class TVerificacaoSecoes : public ISecoesVerificacao {
 public:
  bool Verificar(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador) override;

 protected:
  // Lines stream once, in list mode, each with its child values in its own row.
  virtual void VerificaBeneficiarios(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao,
                                     int& contador, TVerificacaoTolvItem& linhas);
  // The findings of a declaration without beneficiaries of its own.
  virtual void VerificaSemBeneficiario(TTolv& declaracao, TErros& erros, bool temLinhas);
  virtual void VerificaFundos(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                              TVerificacaoTolvItem& linhas);
  virtual void VerificaJustica(TTolv& declaracao, TErros& erros, TVerificacaoPendencias& verificacao, int& contador,
                               TVerificacaoTolvItem& linhas);

  const FatosSecoes& Fatos() const { return m_fatos; }
  MarcadoresSecoes& Marcadores() { return m_marcadores; }

 private:
  // "10" + title and the findings, or "20" + title when there are none.
  static void Secao(const QString& titulo, TErros& erros, TVerificacaoPendencias& verificacao);

  FatosSecoes m_fatos;
  MarcadoresSecoes m_marcadores;
};
