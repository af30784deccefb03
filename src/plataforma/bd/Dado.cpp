#include "plataforma/bd/Dado.h"

#include <cmath>
#include <limits>

#include "plataforma/bd/ErroBanco.h"

namespace bd {

namespace {

constexpr int64_t kPotencias[] = {1,
                                  10,
                                  100,
                                  1000,
                                  10000,
                                  100000,
                                  1000000,
                                  10000000,
                                  100000000,
                                  1000000000,
                                  10000000000,
                                  100000000000,
                                  1000000000000,
                                  10000000000000,
                                  100000000000000,
                                  1000000000000000,
                                  10000000000000000,
                                  100000000000000000,
                                  1000000000000000000};

[[noreturn]] void falhaConversao(const QString& de, const char* para) {
  throw ErroBanco(QStringLiteral("Não é possível converter \"%1\" em %2.").arg(de, QLatin1String(para)));
}

std::optional<int64_t> deReal(double d, int escala) {
  if (!std::isfinite(d)) return std::nullopt;
  const double escalado = std::round(d * std::pow(10.0, -escala));  // round() is half away from zero
  if (escalado >= 9.2e18 || escalado <= -9.2e18) return std::nullopt;
  return int64_t(escalado);
}

QString textoCurto(int64_t dezMil) {
  // Decimal comma and no trailing zeros, as the program's number format shows a stored amount.
  QString t = Decimal::texto(dezMil, -4);
  while (t.endsWith(u'0')) t.chop(1);
  if (t.endsWith(u'.')) t.chop(1);
  t.replace(u'.', u',');
  return t;
}

std::optional<QDate> dataDeTexto(const QString& t) {
  const QString s = t.trimmed();
  for (const char* formato : {"dd/MM/yyyy", "d/M/yyyy", "yyyy-MM-dd"}) {
    const QDate d = QDate::fromString(s, QLatin1String(formato));
    if (d.isValid()) return d;
  }
  return std::nullopt;
}

std::optional<QDateTime> dataHoraDeTexto(const QString& t) {
  const QString s = t.trimmed();
  for (const char* formato : {"dd/MM/yyyy hh:mm:ss", "dd/MM/yyyy hh:mm", "yyyy-MM-dd hh:mm:ss",
                              "yyyy-MM-ddThh:mm:ss"}) {
    const QDateTime d = QDateTime::fromString(s, QLatin1String(formato));
    if (d.isValid()) return d;
  }
  if (const auto d = dataDeTexto(s)) return QDateTime(*d, QTime(0, 0));
  return std::nullopt;
}

}  // namespace

namespace Decimal {

std::optional<int64_t> reescala(int64_t valor, int escalaOrigem, int escalaDestino) {
  const int diferenca = escalaOrigem - escalaDestino;  // > 0: more decimals wanted
  if (diferenca == 0) return valor;
  if (diferenca > 0) {
    if (diferenca > 18) return valor == 0 ? std::optional<int64_t>(0) : std::nullopt;
    int64_t r;
    if (__builtin_mul_overflow(valor, kPotencias[diferenca], &r)) return std::nullopt;
    return r;
  }
  if (-diferenca > 18) return 0;
  const int64_t divisor = kPotencias[-diferenca];
  const int64_t q = valor / divisor;
  const int64_t resto = valor % divisor;
  // Half away from zero: compare twice the remainder with the divisor without overflow.
  const int64_t absResto = resto < 0 ? -resto : resto;
  if (absResto >= divisor - absResto) return valor < 0 ? q - 1 : q + 1;
  return q;
}

std::optional<int64_t> deTexto(QStringView texto, int escala) {
  const QStringView s = texto.trimmed();
  if (s.isEmpty() || escala > 0 || escala < -18) return std::nullopt;
  qsizetype i = 0;
  bool negativo = false;
  if (s[0] == u'-' || s[0] == u'+') {
    negativo = s[0] == u'-';
    ++i;
  }
  const int decimaisAlvo = -escala;
  int64_t acumulado = 0;  // digits kept, scaled to decimaisAlvo + 1 for the rounding digit
  int digitos = 0;
  int decimais = -1;  // -1: no separator seen
  bool arredondaCima = false;
  for (; i < s.size(); ++i) {
    const QChar c = s[i];
    if (c == u'.' || c == u',') {
      if (decimais >= 0) return std::nullopt;
      decimais = 0;
      continue;
    }
    if (c < u'0' || c > u'9') return std::nullopt;
    const int d = c.unicode() - u'0';
    ++digitos;
    if (decimais >= 0) {
      ++decimais;
      if (decimais > decimaisAlvo) {
        if (decimais == decimaisAlvo + 1) arredondaCima = d >= 5;
        continue;
      }
    }
    if (__builtin_mul_overflow(acumulado, int64_t(10), &acumulado) ||
        __builtin_add_overflow(acumulado, int64_t(d), &acumulado))
      return std::nullopt;
  }
  if (digitos == 0) return std::nullopt;
  const int dados = decimais < 0 ? 0 : std::min(decimais, decimaisAlvo);
  int64_t r;
  if (__builtin_mul_overflow(acumulado, kPotencias[decimaisAlvo - dados], &r)) return std::nullopt;
  if (arredondaCima && __builtin_add_overflow(r, int64_t(1), &r)) return std::nullopt;
  return negativo ? -r : r;
}

QString texto(int64_t valor, int escala) {
  const bool negativo = valor < 0;
  // Work on the unsigned magnitude so that the smallest int64 prints too.
  uint64_t m = negativo ? uint64_t(0) - uint64_t(valor) : uint64_t(valor);
  QString digitos = QString::number(m);
  const int casas = -escala;
  if (casas > 0) {
    if (digitos.size() <= casas) digitos = QString(casas - digitos.size() + 1, u'0') + digitos;
    digitos.insert(digitos.size() - casas, u'.');
  }
  return negativo ? u'-' + digitos : digitos;
}

}  // namespace Decimal

Dado Dado::bytes(const QByteArray& b) {
  Dado v;
  v.m_v = b;
  return v;
}

bool Dado::operator==(const Dado& o) const { return m_v == o.m_v; }

QString Dado::comoTexto() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return QString();
    case Tipo::Inteiro:
      return QString::number(std::get<int64_t>(m_v));
    case Tipo::DezMilesimos:
      return textoCurto(std::get<DezMilesimos>(m_v).valor);
    case Tipo::Real:
      return QString::number(std::get<double>(m_v), 'g', 15).replace(u'.', u',');
    case Tipo::Booleano:
      return std::get<bool>(m_v) ? QStringLiteral("True") : QStringLiteral("False");
    case Tipo::Texto:
      return std::get<QString>(m_v);
    case Tipo::Data:
      return std::get<QDate>(m_v).toString(QStringLiteral("dd/MM/yyyy"));
    case Tipo::Hora:
      return std::get<QTime>(m_v).toString(QStringLiteral("hh:mm:ss"));
    case Tipo::DataHora: {
      const QDateTime& d = std::get<QDateTime>(m_v);
      if (d.time() == QTime(0, 0)) return d.date().toString(QStringLiteral("dd/MM/yyyy"));
      return d.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
    }
    case Tipo::Bytes:
      return QString::fromLatin1(std::get<QByteArray>(m_v));
  }
  return QString();
}

int64_t Dado::comoInteiro() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return 0;
    case Tipo::Inteiro:
      return std::get<int64_t>(m_v);
    case Tipo::DezMilesimos:
      return *Decimal::reescala(std::get<DezMilesimos>(m_v).valor, -4, 0);
    case Tipo::Real:
      if (const auto r = deReal(std::get<double>(m_v), 0)) return *r;
      break;
    case Tipo::Booleano:
      return std::get<bool>(m_v) ? 1 : 0;
    case Tipo::Texto:
      if (const auto r = Decimal::deTexto(std::get<QString>(m_v), 0)) return *r;
      break;
    default:
      break;
  }
  falhaConversao(comoTexto(), "número inteiro");
}

int64_t Dado::comoDezMilesimos() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return 0;
    case Tipo::Inteiro:
      if (const auto r = Decimal::reescala(std::get<int64_t>(m_v), 0, -4)) return *r;
      break;
    case Tipo::DezMilesimos:
      return std::get<DezMilesimos>(m_v).valor;
    case Tipo::Real:
      if (const auto r = deReal(std::get<double>(m_v), -4)) return *r;
      break;
    case Tipo::Texto:
      if (const auto r = Decimal::deTexto(std::get<QString>(m_v), -4)) return *r;
      break;
    default:
      break;
  }
  falhaConversao(comoTexto(), "valor decimal");
}

double Dado::comoReal() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return 0;
    case Tipo::Inteiro:
      return double(std::get<int64_t>(m_v));
    case Tipo::DezMilesimos:
      return double(std::get<DezMilesimos>(m_v).valor) / 10000.0;
    case Tipo::Real:
      return std::get<double>(m_v);
    case Tipo::Booleano:
      return std::get<bool>(m_v) ? 1 : 0;
    case Tipo::Texto: {
      bool ok = false;
      const double d = QString(std::get<QString>(m_v)).trimmed().replace(u',', u'.').toDouble(&ok);
      if (ok) return d;
      break;
    }
    default:
      break;
  }
  falhaConversao(comoTexto(), "número");
}

bool Dado::comoBooleano() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return false;
    case Tipo::Inteiro:
      return std::get<int64_t>(m_v) != 0;
    case Tipo::DezMilesimos:
      return std::get<DezMilesimos>(m_v).valor != 0;
    case Tipo::Real:
      return std::get<double>(m_v) != 0;
    case Tipo::Booleano:
      return std::get<bool>(m_v);
    case Tipo::Texto: {
      const QString t = std::get<QString>(m_v).trimmed().toUpper();
      if (t == u"T" || t == u"TRUE" || t == u"S" || t == u"1") return true;
      if (t == u"F" || t == u"FALSE" || t == u"N" || t == u"0" || t.isEmpty()) return false;
      break;
    }
    default:
      break;
  }
  falhaConversao(comoTexto(), "valor lógico");
}

QDate Dado::comoData() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return QDate();
    case Tipo::Data:
      return std::get<QDate>(m_v);
    case Tipo::DataHora:
      return std::get<QDateTime>(m_v).date();
    case Tipo::Texto:
      if (std::get<QString>(m_v).trimmed().isEmpty()) return QDate();
      if (const auto d = dataDeTexto(std::get<QString>(m_v))) return *d;
      break;
    default:
      break;
  }
  falhaConversao(comoTexto(), "data");
}

QTime Dado::comoHora() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return QTime();
    case Tipo::Hora:
      return std::get<QTime>(m_v);
    case Tipo::DataHora:
      return std::get<QDateTime>(m_v).time();
    case Tipo::Texto: {
      const QString t = std::get<QString>(m_v).trimmed();
      for (const char* formato : {"hh:mm:ss", "hh:mm", "hh:mm:ss.zzz"}) {
        const QTime h = QTime::fromString(t, QLatin1String(formato));
        if (h.isValid()) return h;
      }
      break;
    }
    default:
      break;
  }
  falhaConversao(comoTexto(), "hora");
}

QDateTime Dado::comoDataHora() const {
  switch (tipo()) {
    case Tipo::Nulo:
      return QDateTime();
    case Tipo::Data:
      return QDateTime(std::get<QDate>(m_v), QTime(0, 0));
    case Tipo::DataHora:
      return std::get<QDateTime>(m_v);
    case Tipo::Texto:
      if (std::get<QString>(m_v).trimmed().isEmpty()) return QDateTime();
      if (const auto d = dataHoraDeTexto(std::get<QString>(m_v))) return *d;
      break;
    default:
      break;
  }
  falhaConversao(comoTexto(), "data e hora");
}

QByteArray Dado::comoBytes() const {
  if (tipo() == Tipo::Bytes) return std::get<QByteArray>(m_v);
  return comoTexto().toUtf8();
}

bool Corresponde(const Dado& campo, const Dado& chave, bool parcial, bool semCaixa) {
  if (campo.nulo() || chave.nulo()) return campo.nulo() && chave.nulo();
  try {
    switch (campo.tipo()) {
      case Dado::Tipo::Texto:
      case Dado::Tipo::Bytes: {
        const QString a = campo.comoTexto();
        const QString b = chave.comoTexto();
        const Qt::CaseSensitivity caixa = semCaixa ? Qt::CaseInsensitive : Qt::CaseSensitive;
        return parcial ? a.startsWith(b, caixa) : a.compare(b, caixa) == 0;
      }
      case Dado::Tipo::Inteiro:
        return chave.tipo() == Dado::Tipo::DezMilesimos || chave.tipo() == Dado::Tipo::Real
                   ? campo.comoDezMilesimos() == chave.comoDezMilesimos()
                   : campo.comoInteiro() == chave.comoInteiro();
      case Dado::Tipo::DezMilesimos:
        return campo.comoDezMilesimos() == chave.comoDezMilesimos();
      case Dado::Tipo::Real:
        return campo.comoReal() == chave.comoReal();
      case Dado::Tipo::Booleano:
        return campo.comoBooleano() == chave.comoBooleano();
      case Dado::Tipo::Data:
        return campo.comoData() == chave.comoData();
      case Dado::Tipo::Hora:
        return campo.comoHora() == chave.comoHora();
      case Dado::Tipo::DataHora:
        return campo.comoDataHora() == chave.comoDataHora();
      case Dado::Tipo::Nulo:
        break;
    }
  } catch (const ErroBanco&) {
    // A key that cannot be read as the field's kind matches no row.
  }
  return false;
}

}  // namespace bd
