#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

// An amount of money: a 64-bit count of ten-thousandths of a real (four decimals), the form
// in which the database carries it. No double anywhere: 0,10 has no exact double, and the
// declaration's totals must match to the cent. Arithmetic saturates instead of wrapping.
class Valor {
 public:
  static constexpr int64_t kEscala = 10000;

  constexpr Valor() = default;
  static constexpr Valor deDezMilesimos(int64_t dezMilesimos) { return Valor(dezMilesimos); }
  static Valor deCentavos(int64_t centavos);
  static Valor deReais(int64_t reais);

  // "1.234,56", "-0,0001", "1234,5", ",5": ',' decimal, '.' thousands in groups of three,
  // at most four decimals. Blanks around are ignored. Nothing for anything else or beyond range.
  static std::optional<Valor> tenta(QStringView texto);
  // For texts known to be right; throws std::invalid_argument otherwise.
  static Valor deTexto(QStringView texto);
  // Integer and decimal digits already split (either may be empty, not both; at most four
  // decimals). Nothing for a non-digit or a value beyond range.
  static std::optional<Valor> deDigitos(QStringView inteiros, QStringView decimais);

  constexpr int64_t dezMilesimos() const { return m_dezMilesimos; }
  // Rounded to whole cents, halves away from zero.
  int64_t centavos() const;

  // With `decimais` (0 to 4) decimals after ',', rounded halves away from zero, and '.'
  // between thousands when asked; independent of the locale.
  QString formata(int decimais = 2, bool milhares = true) const;
  Valor arredondado(int decimais) const;  // halves away from zero
  Valor truncado(int decimais) const;     // towards zero

  constexpr bool ehZero() const { return m_dezMilesimos == 0; }
  constexpr bool negativo() const { return m_dezMilesimos < 0; }

  friend constexpr bool operator==(Valor a, Valor b) = default;
  friend constexpr std::strong_ordering operator<=>(Valor a, Valor b) = default;
  friend Valor operator+(Valor a, Valor b);
  friend Valor operator-(Valor a, Valor b);
  Valor operator-() const;
  Valor& operator+=(Valor b) { return *this = *this + b; }
  Valor& operator-=(Valor b) { return *this = *this - b; }

  static constexpr Valor maximo() { return Valor(INT64_MAX); }
  static constexpr Valor minimo() { return Valor(-INT64_MAX); }

 private:
  constexpr explicit Valor(int64_t dezMilesimos) : m_dezMilesimos(dezMilesimos) {}

  int64_t m_dezMilesimos = 0;
};
