#include "plataforma/sistema/Cp1252.h"

namespace {

// 0x80..0x9F; 0 marks the five bytes that the page leaves unassigned.
constexpr char16_t kFaixa80[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int byteDe(char16_t u) {
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kFaixa80[i] != 0 && kFaixa80[i] == u) return 0x80 + i;
  return -1;
}

}  // namespace

namespace Cp1252 {

QChar deByte(unsigned char b) {
  if (b < 0x80 || b >= 0xA0) return QChar(char16_t(b));
  const char16_t u = kFaixa80[b - 0x80];
  return u ? QChar(u) : QChar(QChar::ReplacementCharacter);
}

bool representavel(QChar c) { return byteDe(c.unicode()) >= 0; }

char paraByte(QChar c) {
  const int b = byteDe(c.unicode());
  return b >= 0 ? char(b) : '?';
}

QByteArray codifica(const QString& texto) {
  QByteArray saida;
  saida.reserve(texto.size());
  for (QChar c : texto) saida.append(paraByte(c));
  return saida;
}

QString decodifica(const QByteArray& bytes) {
  QString saida;
  saida.reserve(bytes.size());
  for (char b : bytes) saida.append(deByte(static_cast<unsigned char>(b)));
  return saida;
}

}  // namespace Cp1252
