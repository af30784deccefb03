#include "validador/ValoresImportacao.h"

#include <limits>
#include <stdexcept>

namespace ValoresImportacao {

namespace {

int64_t Digitos(QStringView texto, int64_t fator) {
  int64_t n = 0;
  for (const QChar c : texto) {
    const char16_t u = c.unicode();
    if (u < u'0' || u > u'9' || n > (std::numeric_limits<int64_t>::max() / fator - 9) / 10)
      throw std::invalid_argument("valor inválido no arquivo: " + texto.toString().toStdString());
    n = n * 10 + (u - u'0');
  }
  return n * fator;
}

}  // namespace

int64_t Valor(QStringView texto) { return Digitos(texto, 100); }

int64_t Meses(QStringView texto) { return Digitos(texto, 1000); }

QDate Data(QStringView texto) {
  if (texto.size() != 8) return {};
  bool ok[3];
  const int ano = texto.left(4).toInt(&ok[0]);
  const int mes = texto.mid(4, 2).toInt(&ok[1]);
  const int dia = texto.mid(6, 2).toInt(&ok[2]);
  if (!ok[0] || !ok[1] || !ok[2]) return {};
  return QDate(ano, mes, dia);
}

}  // namespace ValoresImportacao
