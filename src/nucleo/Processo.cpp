#include "nucleo/Processo.h"

#include "nucleo/UtilTexto.h"

namespace {
constexpr uint16_t kProcessoInvalido = 37;
constexpr uint16_t kProcessoObrigatorio = 40;
constexpr uint16_t kCaracteresProcesso = 173;
constexpr uint16_t kSomenteLetras = 174;

bool letra(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
}  // namespace

void TTextoProcesso::SetValor(const QString& texto) {
  m_texto = texto;
  m_alterado = true;
}

int TProcesso::ValidaProcesso(const QString& texto, bool opcional) {
  if (texto.isEmpty()) return opcional ? 0 : kProcessoObrigatorio;
  if (SomenteNumeros(texto) && Apara(texto).rightJustified(20, u'0') == QStringLiteral("00000000000000000000"))
    return kProcessoInvalido;
  int letras = 0;
  int digitos = 0;
  for (QChar c : texto) {
    if (letra(c))
      ++letras;
    else if (c >= u'0' && c <= u'9')
      ++digitos;
    else
      return kCaracteresProcesso;
  }
  if (letras > digitos) return kSomenteLetras;
  if (texto.size() > 20) return kProcessoInvalido;
  return 0;
}
