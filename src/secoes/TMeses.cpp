#include "secoes/TMeses.h"

#include "nucleo/Erros.h"

namespace {
constexpr uint16_t kValorExcedeLimite = 108;
}  // namespace

void TMeses::SetValor(const QString& texto) {
  QString filtrado;
  filtrado.reserve(texto.size());
  qsizetype virgula = -1;
  for (QChar c : texto) {
    if (c >= u'0' && c <= u'9') {
      if (virgula < 0 || filtrado.size() - virgula <= 3) filtrado += c;
    } else if (c == u',' && virgula < 0) {
      virgula = filtrado.size();
      filtrado += c;
    }
  }
  if (filtrado.isEmpty()) {
    Limpar();
    return;
  }
  if (virgula >= 0 && filtrado.size() - virgula - 1 >= 3) filtrado.chop(1);
  const auto valor = virgula < 0 ? Valor::deDigitos(filtrado, {})
                                 : Valor::deDigitos(QStringView(filtrado).left(virgula),
                                                    QStringView(filtrado).mid(virgula + 1));
  if (!valor) throw EMonetarioInvalido(kValorExcedeLimite, filtrado);
  VerificaLimite(*valor);
  SetValorMonetario(*valor);
}

void TMeses::VerificaLimite(Valor valor) const {
  if (valor > kLimite) throw EMonetarioInvalido(kValorExcedeLimite);
}
