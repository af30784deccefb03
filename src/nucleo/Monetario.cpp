#include "nucleo/Monetario.h"

#include "nucleo/Erros.h"

namespace {
constexpr uint16_t kValorInvalido = 71;
constexpr uint16_t kValorExcedeLimite = 108;
}  // namespace

QString TMonetario::GetFormatado() const { return GetValorMonetario().formata(Decimais(), true); }

QString TMonetario::GetValor() const { return GetValorMonetario().formata(Decimais(), false); }

std::optional<Valor> TMonetario::InterpretaTexto(const QString& texto) {
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
  if (filtrado.isEmpty()) return std::nullopt;
  // A third decimal is cut off, not rounded.
  if (virgula >= 0 && filtrado.size() - virgula - 1 == 3) filtrado.chop(1);
  const auto valor = virgula < 0 ? Valor::deDigitos(filtrado, {})
                                 : Valor::deDigitos(QStringView(filtrado).left(virgula),
                                                    QStringView(filtrado).mid(virgula + 1));
  if (!valor) throw EMonetarioInvalido(kValorExcedeLimite, filtrado);
  return valor;
}

void TMonetario::SetValor(const QString& texto) {
  const auto valor = InterpretaTexto(texto);
  if (!valor) {
    Limpar();
    return;
  }
  VerificaLimite(*valor);
  SetValorMonetario(*valor);
}

void TMonetario::SetValorMonetario(Valor valor) {
  if (valor == m_valor) return;
  m_valor = valor;
  NotificaAlteracao();
}

Valor TMonetario::GetValorMonetario() const {
  const Valor v = GetValorInterno();
  return v.negativo() ? Valor() : v;
}

void TMonetario::VerificaLimite(Valor valor) const {
  if (valor > kLimite) throw EMonetarioInvalido(kValorExcedeLimite);
}

void TMonetario::Limpar() {
  m_valor = Valor();
  NotificaAlteracao();
}

int TMonetario::SetValorImportacao(const QString& digitos) {
  if (digitos.isEmpty()) return kValorInvalido;
  for (QChar c : digitos)
    if (c < u'0' || c > u'9') return kValorInvalido;
  // Two implied decimals; a single digit is taken as cents.
  const QStringView v(digitos);
  const qsizetype corte = v.size() >= 2 ? v.size() - 2 : 0;
  const auto valor = Valor::deDigitos(v.left(corte), v.mid(corte).toString().rightJustified(2, u'0'));
  if (!valor) return kValorInvalido;
  try {
    VerificaLimite(*valor);
  } catch (const TErro& e) {
    return e.Codigo();
  }
  SetValorMonetario(*valor);
  return 0;
}
