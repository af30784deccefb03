#include "plataforma/integridade/TNumeroNotificacao.h"

namespace {

QChar digito(const QString& digitos) {
  int soma = 0;
  int peso = 2;
  for (qsizetype i = digitos.size() - 1; i >= 0; --i) soma += (digitos[i].unicode() - u'0') * peso++;
  const int resto = soma % 11;
  return QChar(u'0' + (resto < 2 ? 0 : 11 - resto));
}

}  // namespace

QString TNumeroNotificacao::CalculaDVNotificacao(const QString& numero) {
  if (numero.size() != 12) return {};
  for (QChar c : numero)
    if (c < u'0' || c > u'9') return {};
  const QChar primeiro = digito(numero);
  const QChar segundo = digito(numero + primeiro);
  return QString(primeiro) + segundo;
}
