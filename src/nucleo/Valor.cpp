#include "nucleo/Valor.h"

#include <QList>

#include <stdexcept>

namespace {

constexpr int64_t kPotencias[] = {1, 10, 100, 1000, 10000};

int64_t satura(__int128 v) {
  if (v > INT64_MAX) return INT64_MAX;
  if (v < -INT64_MAX) return -INT64_MAX;
  return int64_t(v);
}

// The value in units of 10^-decimais, rounded halves away from zero.
int64_t emUnidades(int64_t dezMilesimos, int decimais) {
  const int64_t passo = kPotencias[4 - decimais];
  int64_t q = dezMilesimos / passo;
  const int64_t r = dezMilesimos % passo;
  if (r != 0 && (r < 0 ? -r : r) * 2 >= passo) q += r < 0 ? -1 : 1;
  return q;
}

int limitaDecimais(int decimais) { return decimais < 0 ? 0 : decimais > 4 ? 4 : decimais; }

bool digito(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

Valor Valor::deCentavos(int64_t centavos) { return Valor(satura(__int128(centavos) * 100)); }

Valor Valor::deReais(int64_t reais) { return Valor(satura(__int128(reais) * kEscala)); }

std::optional<Valor> Valor::deDigitos(QStringView inteiros, QStringView decimais) {
  if ((inteiros.isEmpty() && decimais.isEmpty()) || decimais.size() > 4) return std::nullopt;
  __int128 v = 0;
  for (QChar c : inteiros) {
    if (!digito(c)) return std::nullopt;
    v = v * 10 + (c.unicode() - u'0');
    if (v > INT64_MAX) return std::nullopt;
  }
  v *= kEscala;
  for (qsizetype i = 0; i < decimais.size(); ++i) {
    if (!digito(decimais[i])) return std::nullopt;
    v += (decimais[i].unicode() - u'0') * kPotencias[3 - i];
  }
  if (v > INT64_MAX) return std::nullopt;
  return Valor(int64_t(v));
}

std::optional<Valor> Valor::tenta(QStringView texto) {
  texto = texto.trimmed();
  bool negativo = false;
  if (!texto.isEmpty() && (texto[0] == u'-' || texto[0] == u'+')) {
    negativo = texto[0] == u'-';
    texto = texto.mid(1);
  }
  const qsizetype virgula = texto.indexOf(u',');
  QStringView parteInteira = virgula < 0 ? texto : texto.left(virgula);
  const QStringView decimais = virgula < 0 ? QStringView() : texto.mid(virgula + 1);
  QString inteiros;
  if (parteInteira.contains(u'.')) {
    // Thousands: a first group of one to three digits, then groups of exactly three.
    const auto grupos = parteInteira.split(u'.');
    for (qsizetype i = 0; i < grupos.size(); ++i) {
      const qsizetype n = grupos[i].size();
      if (i == 0 ? (n < 1 || n > 3) : n != 3) return std::nullopt;
      inteiros += grupos[i];
    }
    parteInteira = inteiros;
  }
  auto v = deDigitos(parteInteira, decimais);
  if (v && negativo) *v = -*v;
  return v;
}

Valor Valor::deTexto(QStringView texto) {
  const auto v = tenta(texto);
  if (!v) throw std::invalid_argument("valor monetário mal formado: " + texto.toString().toStdString());
  return *v;
}

int64_t Valor::centavos() const { return emUnidades(m_dezMilesimos, 2); }

Valor Valor::arredondado(int decimais) const {
  decimais = limitaDecimais(decimais);
  return Valor(satura(__int128(emUnidades(m_dezMilesimos, decimais)) * kPotencias[4 - decimais]));
}

Valor Valor::truncado(int decimais) const {
  decimais = limitaDecimais(decimais);
  const int64_t passo = kPotencias[4 - decimais];
  return Valor(m_dezMilesimos / passo * passo);
}

QString Valor::formata(int decimais, bool milhares) const {
  decimais = limitaDecimais(decimais);
  const int64_t unidades = emUnidades(m_dezMilesimos, decimais);
  // Unsigned so that the most negative value has a magnitude too.
  const uint64_t magnitude = unidades < 0 ? 0 - uint64_t(unidades) : uint64_t(unidades);
  QString digitos = QString::number(magnitude).rightJustified(decimais + 1, u'0');
  const qsizetype tamanhoInteiro = digitos.size() - decimais;
  QString saida;
  saida.reserve(digitos.size() + digitos.size() / 3 + 2);
  if (unidades < 0) saida += u'-';
  for (qsizetype i = 0; i < tamanhoInteiro; ++i) {
    if (milhares && i > 0 && (tamanhoInteiro - i) % 3 == 0) saida += u'.';
    saida += digitos[i];
  }
  if (decimais > 0) {
    saida += u',';
    saida += QStringView(digitos).mid(tamanhoInteiro);
  }
  return saida;
}

Valor operator+(Valor a, Valor b) { return Valor(satura(__int128(a.m_dezMilesimos) + b.m_dezMilesimos)); }

Valor operator-(Valor a, Valor b) { return Valor(satura(__int128(a.m_dezMilesimos) - b.m_dezMilesimos)); }

Valor Valor::operator-() const { return Valor(satura(-__int128(m_dezMilesimos))); }
