#include "secoes/TzuqRelFonteBeneficiarioDAO.h"

#include "plataforma/bd/Procedimento.h"

TzuqRelFonteBeneficiarioDAO::TzuqRelFonteBeneficiarioDAO() = default;
TzuqRelFonteBeneficiarioDAO::~TzuqRelFonteBeneficiarioDAO() = default;

bool TzuqRelFonteBeneficiarioDAO::Existe(const QString& codigo) {
  if (!Conectado()) return false;
  bd::Procedimento& p = Procedimento(m_existe, QStringLiteral("CONSULT_TRFB_POR_CD"));
  p.param(QStringLiteral("TRFB_CD_I"), codigo);
  if (!ExecutaProcedure(p)) return false;
  const bool existe = p.saida(QStringLiteral("COUNT_O")).inteiro() > 0;
  ConfirmaTransacao();
  return existe;
}
