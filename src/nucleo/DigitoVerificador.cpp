#include "nucleo/DigitoVerificador.h"

namespace {

int digito(QStringView numero, int pesoMaximo) {
  int soma = 0;
  int peso = 2;
  for (qsizetype i = numero.size() - 1; i >= 0; --i) {
    soma += (numero[i].unicode() - u'0') * peso;
    peso = peso == pesoMaximo ? 2 : peso + 1;
  }
  const int resto = soma % 11;
  return resto < 2 ? 0 : 11 - resto;
}

}  // namespace

QString DigitosModulo11(QStringView base, int tamanhoBase, int pesoMaximo) {
  if (base.size() != tamanhoBase) return {};
  for (QChar c : base)
    if (c < u'0' || c > u'9') return {};
  QString numero = base.toString();
  numero += QChar(u'0' + digito(numero, pesoMaximo));
  numero += QChar(u'0' + digito(numero, pesoMaximo));
  return numero.right(2);
}

bool DigitosModulo11Conferem(QStringView numero, int tamanhoBase, int pesoMaximo) {
  if (numero.size() != tamanhoBase + 2 || tamanhoBase > 14) return false;
  char16_t trabalho[16];
  for (int i = 0; i < tamanhoBase; ++i) {
    const char16_t c = numero[i].unicode();
    if (c < u'0' || c > u'9') return false;
    trabalho[i] = c;
  }
  const char16_t primeiro = char16_t(u'0' + digito(QStringView(trabalho, tamanhoBase), pesoMaximo));
  trabalho[tamanhoBase] = primeiro;
  const char16_t segundo = char16_t(u'0' + digito(QStringView(trabalho, tamanhoBase + 1), pesoMaximo));
  return numero[tamanhoBase] == primeiro && numero[tamanhoBase + 1] == segundo;
}
