#include "nucleo/TDeclaranteAnexo.h"

#include "nucleo/EAnexoInvalido.h"
#include "nucleo/TTolv.h"

namespace {
constexpr uint16_t kCnpjDoAdministrador = 16;
constexpr uint16_t kCnpjDoDeclarante = 137;
constexpr uint16_t kRaizDoDeclarante = 138;
}  // namespace

TDeclaranteAnexo::TDeclaranteAnexo(TTolv& declaracao) : TContribuinte(kNiCnpj, true, true), m_declaracao(&declaracao) {}

TDeclaranteAnexo::TDeclaranteAnexo(TTolv& declaracao, int16_t tipo)
    : TContribuinte(tipo == 1 ? kNiIndefinido : kNiCnpj, tipo != 1, tipo != 1), m_declaracao(&declaracao) {}

bool TDeclaranteAnexo::EhDoDeclarante() const {
  const QString& declarante = m_declaracao->GetContribuinte().GetNiFormatado();
  return !declarante.isEmpty() && GetNiFormatado() == declarante;
}

void TDeclaranteAnexo::SetNi(const QString& texto) {
  TContribuinte::SetNi(texto);
  const TContribuinte& declarante = m_declaracao->GetContribuinte();
  if (declarante.GetNiDigitos().isEmpty()) return;
  if (EhDoDeclarante())
    throw EAnexoInvalido(GetTipoIdentificacao() == 0 ? kCnpjDoAdministrador : kCnpjDoDeclarante, GetNiFormatado());
  if (GetTipoIdentificacao() == 1 && GetRaiz() == declarante.GetRaiz() && GetTipo() == declarante.GetTipo())
    throw EAnexoInvalido(kRaizDoDeclarante, GetNiFormatado());
}

void TDeclaranteAnexo::SetNiComErro(const QString& texto) {
  TContribuinte::SetNiComErro(texto);
  if (EhDoDeclarante() && GetErros())
    GetErros()->Adiciona(std::make_unique<EAnexoInvalido>(
        GetTipoIdentificacao() == 0 ? kCnpjDoAdministrador : kCnpjDoDeclarante, GetNiFormatado()));
}
