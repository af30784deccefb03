#include "nucleo/TAdvogadoAnexo.h"

#include "nucleo/EAnexoInvalido.h"
#include "nucleo/TTolv.h"

namespace {
constexpr uint16_t kCnpjDoDeclarante = 137;
constexpr uint16_t kAdvogadoAusente = 172;
}  // namespace

TAdvogadoAnexo::TAdvogadoAnexo(TTolv& declaracao) : m_declaracao(&declaracao) {
  if (declaracao.GetErros()) SetErros(declaracao.GetErros());
}

void TAdvogadoAnexo::ValidaAdvogado(const QString& texto, TTolv& declaracao) {
  // Without any number the lawyer is missing, whatever the number's own rule would say.
  if (SemFormatacao(texto).trimmed().isEmpty()) {
    Limpar();
    m_informado = 0;
    throw EAnexoInvalido(kAdvogadoAusente, GetNiFormatado());
  }
  TContribuinte::SetNi(texto);
  const TContribuinte& declarante = declaracao.GetContribuinte();
  if (!declarante.GetNiDigitos().isEmpty() && GetTipo() == kNiCnpj && GetRaiz() == declarante.GetRaiz())
    throw EAnexoInvalido(kCnpjDoDeclarante, GetNiFormatado());
  m_informado = 1;
}

void TAdvogadoAnexo::LimpaAdvogado() {
  LimpaTudo();
  m_informado = GetNome().GetValor().isEmpty() ? 0 : 1;
}

void TAdvogadoAnexo::SetNi(const QString& texto) {
  TContribuinte::SetNi(texto);
  m_informado = GetNiDigitos().isEmpty() ? 0 : 1;
}

void TAdvogadoAnexo::SetNiComErro(const QString& texto) {
  TContribuinte::SetNiComErro(texto);
  m_informado = GetNiDigitos().isEmpty() ? 0 : 1;
}
