#include "controles/Calculadora.h"

namespace {

using Bruto = NumeroCalculadora::Bruto;

constexpr Bruto Potencia10(int n) {
  Bruto p = 1;
  for (int i = 0; i < n; ++i) p *= 10;
  return p;
}

constexpr Bruto kEscala = NumeroCalculadora::kEscala;
// What the calculator keeps at all: beyond it an operation fails rather than wrap around.
constexpr Bruto kLimiteInterno = Potencia10(14) * kEscala;
// The largest result an operation may give: 99.999.999.999,99.
constexpr Bruto kLimiteResultado = Bruto(9'999'999'999'999) * Potencia10(NumeroCalculadora::kDecimais - 2);

Bruto Absoluto(Bruto v) { return v < 0 ? -v : v; }

std::optional<NumeroCalculadora> NoLimite(Bruto v) {
  if (Absoluto(v) > kLimiteInterno) return std::nullopt;
  return NumeroCalculadora::deBruto(v);
}

// q rounded from n / d, halves away from zero; d > 0.
Bruto DivideArredondando(Bruto n, Bruto d) {
  const Bruto q = n / d;
  const Bruto r = n % d;
  if (2 * Absoluto(r) >= d) return n < 0 ? q - 1 : q + 1;
  return q;
}

QString Decimal(Bruto v) {
  if (v == 0) return QStringLiteral("0");
  QString s;
  for (; v > 0; v /= 10) s.prepend(QChar(u'0' + int(v % 10)));
  return s;
}

}  // namespace

std::optional<NumeroCalculadora> NumeroCalculadora::deTexto(const QString& texto) {
  QString t = texto.trimmed();
  bool negativo = false;
  if (t.startsWith(u'-')) {
    negativo = true;
    t.remove(0, 1);
  }
  const qsizetype virgula = t.indexOf(u',');
  const QString inteiros = virgula < 0 ? t : t.left(virgula);
  QString fracao = virgula < 0 ? QString() : t.mid(virgula + 1);
  if (inteiros.isEmpty() && fracao.isEmpty()) return std::nullopt;
  if (inteiros.size() > 15) return std::nullopt;
  Bruto v = 0;
  for (QChar c : inteiros) {
    if (!c.isDigit()) return std::nullopt;
    v = v * 10 + c.digitValue();
  }
  fracao.truncate(kDecimais);
  Bruto f = 0;
  for (QChar c : fracao) {
    if (!c.isDigit()) return std::nullopt;
    f = f * 10 + c.digitValue();
  }
  f *= Potencia10(kDecimais - int(fracao.size()));
  const Bruto bruto = v * kEscala + f;
  return NoLimite(negativo ? -bruto : bruto);
}

std::optional<NumeroCalculadora> NumeroCalculadora::soma(NumeroCalculadora a, NumeroCalculadora b) {
  return NoLimite(a.m_bruto + b.m_bruto);
}

std::optional<NumeroCalculadora> NumeroCalculadora::subtrai(NumeroCalculadora a, NumeroCalculadora b) {
  return NoLimite(a.m_bruto - b.m_bruto);
}

std::optional<NumeroCalculadora> NumeroCalculadora::multiplica(NumeroCalculadora a, NumeroCalculadora b) {
  // In parts, so that no partial product leaves 128 bits.
  const Bruto ai = a.m_bruto / kEscala, af = a.m_bruto % kEscala;
  const Bruto bi = b.m_bruto / kEscala, bf = b.m_bruto % kEscala;
  const Bruto inteiros = ai * bi;
  if (Absoluto(inteiros) > Potencia10(14)) return std::nullopt;
  return NoLimite(inteiros * kEscala + ai * bf + af * bi + DivideArredondando(af * bf, kEscala));
}

std::optional<NumeroCalculadora> NumeroCalculadora::divide(NumeroCalculadora a, NumeroCalculadora b) {
  if (b.m_bruto == 0) return std::nullopt;
  const Bruto n = a.m_bruto * kEscala;
  const Bruto q = b.m_bruto < 0 ? DivideArredondando(-n, -b.m_bruto) : DivideArredondando(n, b.m_bruto);
  return NoLimite(q);
}

void NumeroCalculadora::digitos(int decimais, QString& inteiros, QString& fracao) const {
  const Bruto unidade = Potencia10(kDecimais - decimais);
  const Bruto q = DivideArredondando(Absoluto(m_bruto), unidade);
  const Bruto base = Potencia10(decimais);
  inteiros = q / base == 0 ? QString() : Decimal(q / base);
  fracao = decimais ? Decimal(q % base).rightJustified(decimais, u'0') : QString();
}

QString NumeroCalculadora::texto() const {
  QString inteiros, fracao;
  digitos(kDecimais, inteiros, fracao);
  // Fifteen significant digits: the integer ones first.
  if (!inteiros.isEmpty()) digitos(std::max(0, std::min<int>(kDecimais, 15 - int(inteiros.size()))), inteiros, fracao);
  while (fracao.endsWith(u'0')) fracao.chop(1);
  QString t = inteiros.isEmpty() ? QStringLiteral("0") : inteiros;
  if (!fracao.isEmpty()) t += u',' + fracao;
  if (negativo() && t != u"0") t.prepend(u'-');
  return t;
}

QString FormataMascara(const QString& mascara, NumeroCalculadora valor) {
  const qsizetype virgula = mascara.indexOf(u',');
  const qsizetype fimInteiros = virgula < 0 ? mascara.size() : virgula;
  int decimais = 0;
  for (qsizetype i = fimInteiros; i < mascara.size(); ++i)
    if (mascara[i] == u'9' || mascara[i] == u'Z') ++decimais;
  QString inteiros, fracao;
  valor.digitos(decimais, inteiros, fracao);

  QString r = mascara;
  int d = 0;
  for (qsizetype i = fimInteiros; i < mascara.size(); ++i)
    if (mascara[i] == u'9' || mascara[i] == u'Z') r[i] = fracao[d++];
  qsizetype resta = inteiros.size();
  for (qsizetype i = fimInteiros - 1; i >= 0; --i) {
    const QChar m = mascara[i];
    if (m == u'9' || m == u'Z') {
      r[i] = resta > 0 ? inteiros[--resta] : (m == u'9' ? u'0' : u' ');
    } else if (m == u'.') {
      if (resta == 0) r[i] = i > 0 && mascara[i - 1] == u'9' ? u'.' : u' ';
    } else if (m == u'-') {
      r[i] = valor.negativo() ? u'-' : u' ';
    }
  }
  return r;
}

Calculadora& Calculadora::doPrograma() {
  static Calculadora calculadora;
  return calculadora;
}

void Calculadora::MostraValor(bool digitando) {
  QString s = FormataMascara(QString::fromLatin1(kMascara), m_valor);
  if (s[0] != u' ') {
    m_erro = true;
    m_novoNumero = true;
    return;
  }
  const qsizetype virgula = s.indexOf(u',');
  int inteiros = 0;
  for (qsizetype i = 0; i < virgula; ++i)
    if (s[i].isDigit()) ++inteiros;
  // At most thirteen digits show.
  const int cabem = inteiros >= 5 ? 13 - inteiros : 9;
  int decimais = cabem;
  bool tiraZeros = false;
  if (digitando) {
    const qsizetype v = m_digitado.indexOf(u',');
    if (v >= 0)
      decimais = std::min(cabem, int(m_digitado.size() - v - 1));
    else
      tiraZeros = true;
  } else if (m_modo == ModoDecimais::Livre) {
    tiraZeros = true;
  } else {
    decimais = std::min(cabem, m_modo == ModoDecimais::Fixa2 ? 2 : 4);
  }
  // The decimals beyond those kept are cut, never rounded: 2/3 shows 0,66.
  s.truncate(virgula + 1 + decimais);
  // A comma just typed stays; none is shown otherwise without decimals.
  if (decimais == 0 && !(digitando && m_digitado.contains(u','))) s.chop(1);
  if (tiraZeros) {
    while (s.endsWith(u'0') && s.contains(u',')) s.chop(1);
    if (s.endsWith(u',')) s.chop(1);
  }
  s = s.trimmed();
  m_negativo = m_valor.negativo();
  if (m_negativo) s.prepend(u'-');
  m_erro = false;
  m_visor = s;
}

void Calculadora::Digito(int digito) {
  const bool comVirgula = m_digitado.contains(u',');
  if (!m_novoNumero && m_digitado.size() >= (comVirgula ? 15 : 11)) return;
  if (m_novoNumero) {
    m_digitado.clear();
    m_valor = {};
    m_novoNumero = false;
  }
  m_digitado += QChar(u'0' + digito);
  m_valor = NumeroCalculadora::deTexto(m_digitado).value_or(NumeroCalculadora());
  MostraValor(true);
}

void Calculadora::Virgula() {
  if (!m_novoNumero && (m_digitado.size() >= 12 || m_digitado.contains(u','))) return;
  if (m_novoNumero) {
    m_digitado = QStringLiteral("0");
    m_valor = {};
    m_novoNumero = false;
  }
  m_digitado += u',';
  MostraValor(true);
}

bool Calculadora::Calcula() {
  std::optional<NumeroCalculadora> r;
  switch (m_operacao.unicode()) {
    case u'+': r = NumeroCalculadora::soma(m_acumulador, m_valor); break;
    case u'-': r = NumeroCalculadora::subtrai(m_acumulador, m_valor); break;
    case u'x': r = NumeroCalculadora::multiplica(m_acumulador, m_valor); break;
    case u'/': r = NumeroCalculadora::divide(m_acumulador, m_valor); break;
    default: r = m_valor; break;
  }
  m_indicador = QChar();
  if (!r || r->bruto() > kLimiteResultado) {
    MostraErro();
    return false;
  }
  m_valor = *r;
  m_digitado = m_valor.texto();
  MostraValor(false);
  return true;
}

void Calculadora::MostraErro() {
  m_erro = true;
  m_novoNumero = true;
  m_digitado.clear();
  m_valor = {};
  m_acumulador = {};
  m_operacao = QChar();
  m_indicador = QChar();
  Anota(QStringLiteral("** Erro **"));
}

void Calculadora::Operacao(QChar operacao) {
  if (!m_operacao.isNull() && !m_novoNumero) {
    Anota(m_visor + m_operacao);
    if (!Calcula()) return;
    Anota(m_visor + u'=');
  }
  m_acumulador = m_valor;
  m_operacao = operacao;
  Anota(m_visor + operacao);
  m_indicador = operacao;
  m_novoNumero = true;
  MostraValor(false);
}

void Calculadora::Resultado() {
  if (!m_operacao.isNull()) {
    Anota(m_visor + u' ');
    if (!Calcula()) return;
  }
  Anota(m_visor + u'=');
  m_operacao = QChar();
  m_novoNumero = true;
}

void Calculadora::LimpaTudo() {
  if (m_digitado.isEmpty() && m_acumulador.bruto() == 0 && m_operacao.isNull()) {
    m_memoria = {};
    m_mostraMemoria = false;
  }
  m_digitado.clear();
  m_valor = {};
  m_acumulador = {};
  m_operacao = QChar();
  m_novoNumero = false;
  m_indicador = QChar();
  m_visor = QStringLiteral("0");
  m_negativo = false;
  Anota(QStringLiteral("0C"));
}

void Calculadora::Corrige() {
  if (m_novoNumero) {
    if (m_operacao.isNull()) {
      LimpaTudo();
      return;
    }
    m_operacao = QChar();
    m_indicador = QChar();
    return;
  }
  m_digitado.chop(1);
  m_valor = NumeroCalculadora::deTexto(m_digitado).value_or(NumeroCalculadora());
  MostraValor(false);
}

void Calculadora::Sinal() {
  m_valor = m_valor.negado();
  m_digitado = m_valor.texto();
  MostraValor(true);
  Anota(m_visor + u'=');
}

void Calculadora::MemoriaSoma() {
  if (const auto m = NumeroCalculadora::soma(m_memoria, m_valor)) m_memoria = *m;
  m_mostraMemoria = true;
}

void Calculadora::MemoriaSubtrai() {
  if (const auto m = NumeroCalculadora::subtrai(m_memoria, m_valor)) m_memoria = *m;
  m_mostraMemoria = true;
}

void Calculadora::MemoriaLimpa() {
  m_memoria = {};
  m_mostraMemoria = false;
}

void Calculadora::MemoriaLe() {
  if (m_valor != m_memoria) {
    m_valor = m_memoria;
    m_digitado = m_valor.texto();
    m_novoNumero = true;
    MostraValor(false);
  } else {
    MemoriaLimpa();
  }
  Anota(m_visor + u'M');
}

void Calculadora::Recebe(NumeroCalculadora valor) {
  m_valor = valor;
  MostraValor(true);
}

void Calculadora::DefineModo(ModoDecimais modo) {
  m_modo = modo;
  MostraValor(false);
}

std::optional<NumeroCalculadora> Calculadora::ValorArrastavel() const {
  const auto v = NumeroCalculadora::deTexto(m_digitado);
  if (!v || v->negativo() || m_erro) return std::nullopt;
  // What the display shows, as far as an amount's four decimals go (cut, as the display cuts):
  // the user drags the figure they read, not the register behind it.
  QString visor = QString(m_visor).remove(u'.');
  if (const qsizetype virgula = visor.indexOf(u','); virgula >= 0) visor.truncate(virgula + 1 + 4);
  if (visor.endsWith(u',')) visor.chop(1);
  const auto mostrado = NumeroCalculadora::deTexto(visor);
  if (!mostrado || mostrado->negativo()) return std::nullopt;
  return mostrado;
}

bool Calculadora::Tecla(QChar tecla) {
  if (m_prefixoMemoria) {
    m_prefixoMemoria = false;
    switch (tecla.unicode()) {
      case u'+': MemoriaSoma(); return true;
      case u'-': MemoriaSubtrai(); return true;
      case u'C': MemoriaLimpa(); return true;
      case u'R': MemoriaLe(); return true;
      default: return true;
    }
  }
  if (tecla.isDigit()) {
    Digito(tecla.digitValue());
    return true;
  }
  switch (tecla.unicode()) {
    case u'\b': Corrige(); return true;
    case u'\r':
    case u'=': Resultado(); return true;
    case u'\x1b':
    case u'C': LimpaTudo(); return true;
    case u'*': Operacao(u'x'); return true;
    case u'+':
    case u'-':
    case u'/': Operacao(tecla); return true;
    case u',':
    case u'.': Virgula(); return true;
    case u'S': Sinal(); return true;
    case u'M': m_prefixoMemoria = true; return true;
    default: return false;
  }
}
