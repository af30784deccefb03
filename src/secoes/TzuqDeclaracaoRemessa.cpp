#include "secoes/TzuqDeclaracaoRemessa.h"

#include "nucleo/TColecaoAnexo.h"
#include "nucleo/TTolv.h"

uint8_t TzuqDeclaracaoRemessa::TipoNiDeclarante() const {
  const TContribuinte& declarante = m_tolv.GetContribuinte();
  return declarante.GetNiDigitos().isEmpty() ? uint8_t(kNiIndefinido) : declarante.GetTipo();
}

std::optional<int> TzuqDeclaracaoRemessa::CodigoNatureza() const {
  const uint8_t codigo = m_tolv.GetCodigoNatureza();
  if (codigo > 9) return std::nullopt;
  return codigo;
}

bool TzuqDeclaracaoRemessa::AdministraFundoClube() const { return m_tolv.GetInAdmFC() != 0; }

bool TzuqDeclaracaoRemessa::PagamentosCopa() const { return m_tolv.GetInCopa() != 0; }

QString TzuqDeclaracaoRemessa::FundoMesmaRaiz(const QString& cnpj) {
  return m_tolv.GetColecaoAnexo().FundoMesmaRaiz(cnpj);
}
