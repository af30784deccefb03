#include "plataforma/integridade/TNumeroIntimacao.h"

#include "plataforma/integridade/TNumeroNotificacao.h"

QString TNumeroIntimacao::CalculaDVIntimacao(const QString& numero) {
  return TNumeroNotificacao::CalculaDVNotificacao(numero);
}
