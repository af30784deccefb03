#include <gtest/gtest.h>

#include "nucleo/TRegistroComprovante.h"
#include "suporte/QtGtest.h"

namespace {

// A complete line: CPF, the unread fields, six amounts, the description, the other-exempt
// amount and the complementary information.
QString linhaCompleta(const QString& complemento = QStringLiteral("Informacao complementar")) {
  QString l = QStringLiteral("12345678909");
  l += QString(45, u'X');
  l += QStringLiteral("000000000123456");  // 5
  l += QStringLiteral("000000000000001");  // 6
  l += QStringLiteral("000000000000000");  // 7
  l += QStringLiteral("00000000000000A");  // 8: invalid
  l += QStringLiteral("               ");  // 9: blank, invalid
  l += QStringLiteral("999999999999999");  // 10: beyond the money limit
  l += QStringLiteral("Outros rendimentos isentos").leftJustified(60, u' ');
  l += QStringLiteral("000000000050000");  // 12
  l += complemento.leftJustified(200, u' ');
  return l;
}

TEST(TRegistroComprovante, CutsEveryFieldAtItsPosition) {
  TRegistroComprovante r;
  r.SetLinha(linhaCompleta());
  ASSERT_TRUE(r.TamanhoValido());
  struct Caso {
    int campo;
    const char* bruto;
    const char* formatado;
  };
  const Caso casos[] = {
      {1, "12345678909", "12345678909"},
      {5, "000000000123456", "1234,56"},
      {6, "000000000000001", "0,01"},
      {7, "000000000000000", "0,00"},
      {8, "00000000000000A", "00000000000000A"},
      {9, "               ", "               "},
      {10, "999999999999999", "999999999999999"},
      {11, "Outros rendimentos isentos                                  ", nullptr},
      {12, "000000000050000", "500,00"},
      {13, "Informacao complementar", "Informacao complementar"},
  };
  for (const Caso& c : casos) {
    QString bruto, formatado;
    r.GetCampo(c.campo, bruto);
    r.GetCampoFormatado(c.campo, formatado);
    EXPECT_EQ(bruto, QString::fromUtf8(c.bruto)) << c.campo;
    EXPECT_EQ(formatado, QString::fromUtf8(c.formatado ? c.formatado : c.bruto)) << c.campo;
  }
}

TEST(TRegistroComprovante, SizeRuleAndTrailingBlanks) {
  TRegistroComprovante r;
  r.SetLinha(linhaCompleta(QString()));  // blank complementary information
  EXPECT_EQ(r.GetLinha().size(), 221);
  EXPECT_TRUE(r.TamanhoValido());
  QString complemento = QStringLiteral("antes");
  r.GetCampo(13, complemento);
  EXPECT_TRUE(complemento.isEmpty());

  r.SetLinha(linhaCompleta().left(220));
  EXPECT_FALSE(r.TamanhoValido());
  r.SetLinha(QStringLiteral("     "));
  EXPECT_TRUE(r.Vazia());
}

TEST(TRegistroComprovante, UnreadFieldsAndShortLines) {
  TRegistroComprovante r;
  r.SetLinha(linhaCompleta().left(231));
  QString texto = QStringLiteral("inalterado");
  r.GetCampo(3, texto);
  EXPECT_EQ(texto, "inalterado");
  r.GetCampo(13, texto);
  EXPECT_EQ(texto, "Informacao");
  EXPECT_EQ(r.GetTrecho(230, 10), "ao");
  EXPECT_TRUE(r.GetTrecho(500, 10).isEmpty());
}

}  // namespace
