#include <gtest/gtest.h>

#include "nucleo/NumeroRecibo.h"
#include "nucleo/ZuqErro.h"
#include "suporte/QtGtest.h"

namespace {

struct CasoRecibo {
  const char* texto;
  int codigo;
};

class ValidaRecibo : public testing::TestWithParam<CasoRecibo> {};

TEST_P(ValidaRecibo, GivesTheCode) {
  EXPECT_EQ(TNumeroRecibo::ValidaRecibo(QString::fromUtf8(GetParam().texto)), GetParam().codigo);
}

INSTANTIATE_TEST_SUITE_P(Recibos, ValidaRecibo,
                         testing::Values(CasoRecibo{"123456789091", 0}, CasoRecibo{"987654321009", 0},
                                         CasoRecibo{"123456789092", 42}, CasoRecibo{"000000000000", 42},
                                         CasoRecibo{"12345678909", 42}, CasoRecibo{"1234567890911", 42},
                                         CasoRecibo{"12345678A091", 42}, CasoRecibo{"", 42}));

TEST(TNumeroRecibo, CheckDigitsFormatAndSeparators) {
  EXPECT_EQ(TNumeroRecibo::CalculaDVRecibo(QStringLiteral("1234567890")), "91");
  EXPECT_EQ(TNumeroRecibo::CalculaDVRecibo(QStringLiteral("0000000000")), "00");
  EXPECT_EQ(TNumeroRecibo::CalculaDVRecibo(QStringLiteral("123456789")), "");
  EXPECT_EQ(TNumeroRecibo::FormataRecibo(QStringLiteral("123456789091")), "12.34.56.78.90-91");
  EXPECT_EQ(TNumeroRecibo::FormataRecibo(QStringLiteral("12.34.56.78.90-91")), "12.34.56.78.90-91");
  QString texto = QStringLiteral("12.34.56.78.90-91");
  EXPECT_EQ(TNumeroRecibo::RetiraFormatacao(texto), "123456789091");
  EXPECT_EQ(texto, "123456789091");
}

TEST(TzuqErro, CarriesTheFormattedMessageAndItsArguments) {
  const TzuqErro simples(35, 0, 4);
  EXPECT_EQ(simples.Mensagem(), QStringLiteral("CPF inválido."));
  EXPECT_EQ(simples.NumeroCampo(), 4);
  EXPECT_TRUE(simples.TextoExtra().isEmpty());
  TzuqErro comTexto = TzuqErro::CreateComTexto(42, 0, 7, QStringLiteral("1234"));
  EXPECT_EQ(comTexto.Mensagem(), QStringLiteral("Número de recibo inválido: 1234."));
  EXPECT_EQ(comTexto.TextoExtra(), "1234");
  EXPECT_EQ(comTexto.Codigo(), 42);
  comTexto.SetMensagem(QStringLiteral("outra"));
  EXPECT_EQ(comTexto.Mensagem(), "outra");
}

}  // namespace
