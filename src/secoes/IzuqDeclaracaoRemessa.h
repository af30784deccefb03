#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// What the field rules of the payments abroad read of the declaration the beneficiary belongs to.
class IzuqDeclaracaoRemessa {
 public:
  virtual ~IzuqDeclaracaoRemessa() = default;

  // The kind of the declarant's own number: 1 CPF, 2 CNPJ, 0 none.
  virtual uint8_t TipoNiDeclarante() const = 0;
  // The declarant's legal nature, 0 to 9; none when unset.
  virtual std::optional<int> CodigoNatureza() const = 0;
  // IN_ADM_FC: the declarant administers investment funds or clubs.
  virtual bool AdministraFundoClube() const = 0;
  // The cup-payments indicator.
  virtual bool PagamentosCopa() const = 0;
  // The declaration's verification is running.
  virtual bool VerificacaoEmCurso() const = 0;
  // The name of a fund or club annex of the declaration with the CNPJ's 8-digit root, or
  // "SemErro" when there is none.
  virtual QString FundoMesmaRaiz(const QString& cnpj) = 0;
};
