#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>

namespace bd {

// An exact amount: a count of ten-thousandths. It crosses NUMERIC columns and parameters
// scaled exactly, never through a double.
struct DezMilesimos {
  int64_t valor = 0;
};
inline bool operator==(DezMilesimos a, DezMilesimos b) { return a.valor == b.valor; }

// One datum going into a parameter or coming out of a field; an amount of the model crosses
// as DezMilesimos. Converts between kinds the way the program reads them: null reads as empty
// text, zero or an invalid date.
class Dado {
 public:
  enum class Tipo { Nulo, Inteiro, DezMilesimos, Real, Booleano, Texto, Data, Hora, DataHora, Bytes };

  Dado() = default;
  Dado(std::nullptr_t) {}
  Dado(int v) : m_v(int64_t(v)) {}
  Dado(long v) : m_v(int64_t(v)) {}
  Dado(long long v) : m_v(int64_t(v)) {}
  Dado(unsigned v) : m_v(int64_t(v)) {}
  Dado(DezMilesimos v) : m_v(v) {}
  Dado(double v) : m_v(v) {}
  Dado(bool v) : m_v(v) {}
  Dado(const QString& v) : m_v(v) {}
  Dado(QString&& v) : m_v(std::move(v)) {}
  Dado(const char* v) : m_v(QString::fromUtf8(v)) {}
  Dado(const char16_t* v) : m_v(QString::fromUtf16(v)) {}
  Dado(const QDate& v) : m_v(v) {}
  Dado(const QTime& v) : m_v(v) {}
  Dado(const QDateTime& v) : m_v(v) {}
  static Dado bytes(const QByteArray& b);

  Tipo tipo() const { return Tipo(m_v.index()); }
  bool nulo() const { return m_v.index() == 0; }
  bool operator==(const Dado& o) const;

  // Conversions; a value that cannot be read as the kind asked raises ErroBanco.
  QString comoTexto() const;
  int64_t comoInteiro() const;          // amounts and reals rounded half away from zero
  int64_t comoDezMilesimos() const;
  double comoReal() const;
  bool comoBooleano() const;
  QDate comoData() const;
  QTime comoHora() const;
  QDateTime comoDataHora() const;
  QByteArray comoBytes() const;

 private:
  using Variante = std::variant<std::monostate, int64_t, DezMilesimos, double, bool, QString,
                                QDate, QTime, QDateTime, QByteArray>;
  Variante m_v;

};

// Exact decimal arithmetic shared by the layer. A scale is the engine's: -4 for four decimals.
namespace Decimal {
// Rescales a scaled integer; fewer decimals round half away from zero; nullopt on overflow.
std::optional<int64_t> reescala(int64_t valor, int escalaOrigem, int escalaDestino);
// "1234.56", "-0,0001", "  12 ": one optional sign, digits, one optional '.' or ',' and digits.
// More decimals than the scale round half away from zero; nullopt when invalid or too large.
std::optional<int64_t> deTexto(QStringView texto, int escala);
// Plain text with '.' and exactly -escala decimals.
QString texto(int64_t valor, int escala);
}  // namespace Decimal

// How a locate compares its keys.
struct OpcoesLocaliza {
  bool parcial = false;   // a text field matches when it starts with the key
  bool semCaixa = false;  // the letter case is ignored
};

// Whether a field's value matches a key of a locate: the key is read as the field's kind;
// a partial key matches the start of a text; the case is ignored on request.
bool Corresponde(const Dado& campo, const Dado& chave, bool parcial, bool semCaixa);

}  // namespace bd
