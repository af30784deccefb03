#include "nucleo/NumeroRecibo.h"

#include "nucleo/DigitoVerificador.h"
#include "nucleo/Ni.h"

namespace {
constexpr int kReciboInvalido = 42;
}

QString TNumeroRecibo::CalculaDVRecibo(const QString& base) { return DigitosModulo11(base, 10, 12); }

int TNumeroRecibo::ValidaRecibo(const QString& texto) {
  if (texto.size() != 12) return kReciboInvalido;
  if (CalculaDVRecibo(texto.left(10)) != texto.mid(10)) return kReciboInvalido;
  if (texto == QStringLiteral("000000000000")) return kReciboInvalido;
  return 0;
}

QString TNumeroRecibo::RetiraFormatacao(QString& texto) { return TNi::RetiraFormatacao(texto); }

QString TNumeroRecibo::FormataRecibo(const QString& texto) {
  if (texto.size() != 12) return texto;
  return texto.left(2) + u'.' + texto.mid(2, 2) + u'.' + texto.mid(4, 2) + u'.' + texto.mid(6, 2) + u'.' +
         texto.mid(8, 2) + u'-' + texto.mid(10);
}
