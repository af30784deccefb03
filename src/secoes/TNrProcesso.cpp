#include "secoes/TNrProcesso.h"

#include "nucleo/Erros.h"

namespace {
constexpr uint16_t kProcessoInvalido = 37;
constexpr uint16_t kProcessoObrigatorio = 40;
constexpr uint16_t kCaracteresInvalidos = 173;
constexpr uint16_t kMaisLetras = 174;
constexpr int kMaximo = 20;
}  // namespace

uint16_t TNrProcesso::Valida(const QString& numero, bool opcional) {
  if (numero.isEmpty() && !opcional) return kProcessoObrigatorio;
  if (numero.size() > kMaximo) return kProcessoInvalido;
  if (numero.isEmpty()) return 0;
  int letras = 0;
  int digitos = 0;
  for (QChar c : numero) {
    if (c >= u'0' && c <= u'9')
      ++digitos;
    else if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
      ++letras;
    else
      return kCaracteresInvalidos;
  }
  return letras > digitos ? kMaisLetras : 0;
}

void TNrProcesso::SetValor(const QString& texto) {
  m_numero = texto;
  if (const uint16_t codigo = ValidaProcesso()) throw TErro(codigo, texto);
  CarregaValor(texto);
}

void TNrProcesso::CarregaValor(const QString& texto) {
  m_numero = texto;
  NotificaAlteracao();
}

void TNrProcesso::Limpar() {
  m_numero.clear();
  NotificaAlteracao();
}
