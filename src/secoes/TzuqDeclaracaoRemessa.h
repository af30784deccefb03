#pragma once

#include "secoes/IzuqDeclaracaoRemessa.h"

class TTolv;

// The open declaration as the rules of the payments abroad read it. The verification marks the
// time it runs (SetVerificacaoEmCurso); only then does the branch-of-a-fund check read the
// declaration's annexes.
class TzuqDeclaracaoRemessa : public IzuqDeclaracaoRemessa {
 public:
  explicit TzuqDeclaracaoRemessa(TTolv& tolv) : m_tolv(tolv) {}

  uint8_t TipoNiDeclarante() const override;
  std::optional<int> CodigoNatureza() const override;
  bool AdministraFundoClube() const override;
  bool PagamentosCopa() const override;
  bool VerificacaoEmCurso() const override { return m_verificacaoEmCurso; }
  QString FundoMesmaRaiz(const QString& cnpj) override;

  void SetVerificacaoEmCurso(bool emCurso) { m_verificacaoEmCurso = emCurso; }

 private:
  TTolv& m_tolv;
  bool m_verificacaoEmCurso = false;
};
