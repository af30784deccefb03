#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// A number of the calculator: fixed point with twelve decimals in 128 bits, so that what the
// user keys in (eleven integer digits and a few decimals) and every result the display can show
// are exact, and no operation ever gives an infinity or a "not a number".
class NumeroCalculadora {
 public:
  static constexpr int kDecimais = 12;
  using Bruto = __int128;
  static constexpr Bruto kEscala = Bruto(1'000'000'000'000);

  constexpr NumeroCalculadora() = default;
  static NumeroCalculadora deInteiro(int64_t inteiro) { return NumeroCalculadora(Bruto(inteiro) * kEscala); }
  static constexpr NumeroCalculadora deBruto(Bruto bruto) { return NumeroCalculadora(bruto); }
  // "-12,5", "0,0001", "7": ',' decimal, no thousands separator; decimals beyond twelve are cut.
  static std::optional<NumeroCalculadora> deTexto(const QString& texto);

  constexpr Bruto bruto() const { return m_bruto; }
  constexpr bool negativo() const { return m_bruto < 0; }
  constexpr bool operator==(const NumeroCalculadora&) const = default;

  // Nothing when the result would leave the range the calculator keeps (beyond 10^15).
  static std::optional<NumeroCalculadora> soma(NumeroCalculadora a, NumeroCalculadora b);
  static std::optional<NumeroCalculadora> subtrai(NumeroCalculadora a, NumeroCalculadora b);
  static std::optional<NumeroCalculadora> multiplica(NumeroCalculadora a, NumeroCalculadora b);
  // Nothing for a division by zero as well; rounded to twelve decimals, halves away from zero.
  static std::optional<NumeroCalculadora> divide(NumeroCalculadora a, NumeroCalculadora b);
  NumeroCalculadora negado() const { return NumeroCalculadora(-m_bruto); }

  // The integer digits (no sign) and `decimais` decimal digits, rounded halves away from zero.
  void digitos(int decimais, QString& inteiros, QString& fracao) const;
  // The general text form: at most 15 significant digits, no trailing zeros, ',' as separator.
  QString texto() const;

 private:
  constexpr explicit NumeroCalculadora(Bruto bruto) : m_bruto(bruto) {}
  Bruto m_bruto = 0;
};

// Writes a number through a mask of "9" (digit, 0 when none is left), "Z" (digit, blank when
// none is left), "." (thousands), "," (decimals) and "-" (sign). Integer digits beyond the
// mask's positions are dropped.
QString FormataMascara(const QString& mascara, NumeroCalculadora valor);

// The desk calculator behind the window: the registers, the display's text and state, the
// indicators and the paper tape, driven key by key. It knows no widget; the window shows what
// it holds after each key.
class Calculadora {
 public:
  enum class ModoDecimais { Fixa2, Fixa4, Livre };
  static constexpr const char* kMascara = "ZZZ.ZZZ.ZZZ.ZZ9,999999999";

  // The program's calculator, whose state lives from one opening of the window to the next.
  static Calculadora& doPrograma();

  // A key as the window's keyboard handling takes it (letters in capitals): digits, ",", ".",
  // "+", "-", "*", "x", "/", "=", Enter ("\r"), Escape ("\x1b"), Backspace ("\b"), "C", "S",
  // "M" (then "+", "-", "C" or "R"). False for a key that means nothing to it.
  bool Tecla(QChar tecla);
  void Digito(int digito);
  void Virgula();
  // "+", "-", "x" or "/".
  void Operacao(QChar operacao);
  void Resultado();
  void LimpaTudo();  // AC
  void Corrige();    // CE
  void Sinal();
  void MemoriaSoma();
  void MemoriaSubtrai();
  void MemoriaLimpa();
  void MemoriaLe();
  // An amount dropped on the display: the current value only.
  void Recebe(NumeroCalculadora valor);
  void DefineModo(ModoDecimais modo);
  ModoDecimais Modo() const { return m_modo; }

  // Formats the current value on the display (`digitando`: as keyed in).
  void MostraValor(bool digitando);

  // The display: its text (digits, "," and "." and a leading "-"), the error pattern, and
  // whether the value is negative (drawn in red).
  const QString& Visor() const { return m_visor; }
  bool Erro() const { return m_erro; }
  bool VisorNegativo() const { return m_negativo; }
  // The indicators: "M" and the pending operation ('\0' for none).
  bool MostraMemoria() const { return m_mostraMemoria; }
  QChar IndicadorOperacao() const { return m_indicador; }
  // The tape, one line per entry.
  const QStringList& Fita() const { return m_fita; }

  const QString& Digitado() const { return m_digitado; }
  NumeroCalculadora ValorAtual() const { return m_valor; }
  NumeroCalculadora Acumulador() const { return m_acumulador; }
  NumeroCalculadora Memoria() const { return m_memoria; }
  QChar OperacaoPendente() const { return m_operacao; }
  bool NovoNumero() const { return m_novoNumero; }
  // The amount a drag from the display offers, when Digitado reads as a number that is not
  // negative: the value the display shows, its decimals cut at the fourth.
  std::optional<NumeroCalculadora> ValorArrastavel() const;

 private:
  bool Calcula();
  void MostraErro();
  void Anota(const QString& linha) { m_fita << linha; }

  NumeroCalculadora m_valor;
  QString m_digitado;
  NumeroCalculadora m_acumulador;
  QChar m_operacao;
  bool m_novoNumero = false;
  NumeroCalculadora m_memoria;
  bool m_prefixoMemoria = false;
  ModoDecimais m_modo = ModoDecimais::Fixa2;

  QString m_visor = QStringLiteral("0");
  bool m_erro = false;
  bool m_negativo = false;
  bool m_mostraMemoria = false;
  QChar m_indicador;
  QStringList m_fita;
};
