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
