#include "secoes/TRegistroAns.h"

#include "nucleo/Erros.h"

namespace {
constexpr uint16_t kRegistroAnsInvalido = 253;

bool digito(QChar c) { return c >= u'0' && c <= u'9'; }
}  // namespace

QString TRegistroAns::CalculaDV(const QString& texto) {
  if (texto.size() < 5) return {};
  int soma = 0;
  for (int i = 0; i < 5; ++i) {
    if (!digito(texto[i])) return {};
    soma += (6 - i) * (texto[i].unicode() - u'0');
  }
  const int resto = soma % 11;
  // Remainders 0 and 1 give 1 and 0, not 11 and 10.
  const int dv = resto == 0 ? 1 : resto == 1 ? 0 : 11 - resto;
  return QString::number(dv);
}

uint16_t TRegistroAns::ValidaRegistroAns(const QString& texto) {
  if (texto.isEmpty()) return 0;
  if (texto.size() != 6 || !digito(texto[5])) return kRegistroAnsInvalido;
  const QString dv = CalculaDV(texto);
  return dv.isEmpty() || dv != texto.mid(5, 1) ? kRegistroAnsInvalido : 0;
}

void TRegistroAns::SetValor(const QString& texto) {
  if (const uint16_t codigo = ValidaRegistroAns(RetiraMascara(texto.trimmed()))) throw TErro(codigo, texto);
  m_texto = texto;
}

QString TRegistroAns::FormataRegistroAns(const QString& texto) {
  if (texto.size() != 6) return texto;
  return texto.left(5) + u'-' + texto.mid(5);
}
