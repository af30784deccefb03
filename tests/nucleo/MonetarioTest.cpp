#include <gtest/gtest.h>

#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/Monetario.h"
#include "nucleo/MonetarioTotal.h"
#include "suporte/QtGtest.h"

#include <memory>
#include <optional>

namespace {

struct Contador : IObservador {
  int alterados = 0;
  int liberados = 0;
  void Alterado(IObservavel*) override { ++alterados; }
  void Liberado(IObservavel*) override { ++liberados; }
};

struct CasoDigitado {
  const char16_t* digitado;
  const char* guardado;       // GetValor after the assignment, when accepted
  int codigo;                 // 108 when refused
  const char16_t* argumento;  // of the refusal
};

class MonetarioDigitado : public testing::TestWithParam<CasoDigitado> {};

TEST_P(MonetarioDigitado, FiltersCutsAndCaps) {
  const auto& c = GetParam();
  TMonetario m;
  m.SetValorMonetario(Valor::deDezMilesimos(70000));  // 7,00 before
  if (c.codigo == 0) {
    m.SetValor(QString::fromUtf16(c.digitado));
    EXPECT_EQ(m.GetValor(), QString::fromUtf8(c.guardado));
    return;
  }
  try {
    m.SetValor(QString::fromUtf16(c.digitado));
    FAIL() << "accepted";
  } catch (const EMonetarioInvalido& e) {
    EXPECT_EQ(e.Codigo(), c.codigo);
    EXPECT_EQ(e.Argumentos(), QStringView(c.argumento));
  }
  EXPECT_EQ(m.GetValor(), "7,00");  // unchanged
}

INSTANTIATE_TEST_SUITE_P(
    Textos, MonetarioDigitado,
    testing::Values(CasoDigitado{u"1.234,567", "1234,56", 0, u""}, CasoDigitado{u"12,3", "12,30", 0, u""},
                    CasoDigitado{u"-15,00", "15,00", 0, u""}, CasoDigitado{u"abc", "0,00", 0, u""},
                    CasoDigitado{u"", "0,00", 0, u""}, CasoDigitado{u"1,2,3", "1,23", 0, u""},
                    CasoDigitado{u"R$ 1 000,5", "1000,50", 0, u""}, CasoDigitado{u",05", "0,05", 0, u""},
                    CasoDigitado{u"99999999999,99", "99999999999,99", 0, u""},
                    CasoDigitado{u"100000000000", "", 108, u""}, CasoDigitado{u"99999999999,999", "99999999999,99", 0, u""},
                    CasoDigitado{u"123456789012345678901234567890", "", 108, u"123456789012345678901234567890"},
                    CasoDigitado{u"x,y", "", 108, u","}));

TEST(TMonetario, ShowsAndReturnsOneDecimalButKeepsFourDecimals) {
  TMonetario m;
  m.SetUmaDecimal(true);
  m.SetValorMonetario(Valor::deDezMilesimos(2500));
  EXPECT_EQ(m.GetFormatado(), "0,3");
  EXPECT_EQ(m.GetValor(), "0,3");
  EXPECT_EQ(m.GetValorMonetario().dezMilesimos(), 2500);
  m.SetUmaDecimal(false);
  m.SetValorMonetario(Valor::deDezMilesimos(12345000));
  EXPECT_EQ(m.GetFormatado(), "1.234,50");
}

TEST(TMonetario, NotifiesOnlyWhenTheAmountChangesButLimparAlways) {
  Contador contador;
  TMonetario m;
  m.AdicionaObservador(&contador);
  m.SetValor(QStringLiteral("10,00"));
  m.SetValor(QStringLiteral("10"));
  EXPECT_EQ(contador.alterados, 1);
  m.Limpar();
  m.Limpar();
  EXPECT_EQ(contador.alterados, 3);
  m.SetModificado(false);
  EXPECT_THROW(m.SetValor(QStringLiteral("100000000000")), EMonetarioInvalido);
  EXPECT_EQ(contador.alterados, 3);
  EXPECT_FALSE(m.GetModificado());
}

TEST(TMonetario, ImportTakesTwoImpliedDecimals) {
  TMonetario m;
  EXPECT_EQ(m.SetValorImportacao(QStringLiteral("000000000012345")), 0);
  EXPECT_EQ(m.GetValor(), "123,45");
  EXPECT_EQ(m.SetValorImportacao(QStringLiteral("12A45")), 71);
  EXPECT_EQ(m.SetValorImportacao(QStringLiteral("999999999999999")), 108);
  EXPECT_EQ(m.SetValorImportacao(QString()), 71);
  EXPECT_EQ(m.GetValor(), "123,45");
  EXPECT_EQ(m.SetValorImportacao(QStringLiteral("9999999999999")), 0);
  EXPECT_EQ(m.GetValor(), "99999999999,99");
  EXPECT_EQ(m.SetValorImportacao(QStringLiteral("5")), 0);
  EXPECT_EQ(m.GetValor(), "0,05");
}

TEST(TNumero, ShowsNoDecimals) {
  TNumero n;
  n.SetValor(QStringLiteral("1234567,5"));
  EXPECT_EQ(n.GetFormatado(), "1.234.568");
  EXPECT_EQ(n.GetValor(), "1234568");
}

TEST(TMonetarioTotal, SubtractsAndNeverShowsBelowZero) {
  TMonetario a, b;
  TMonetarioTotal total;
  total.AdicionaSubtraendo(b);
  total.AdicionaSomando(a);  // goes before the subtrahend
  a.SetValor(QStringLiteral("10"));
  b.SetValor(QStringLiteral("25"));
  EXPECT_EQ(total.GetValorInterno(), Valor::deReais(-15));
  EXPECT_EQ(total.GetFormatado(), "0,00");
  EXPECT_TRUE(total.EhZero());
  b.SetValor(QStringLiteral("4"));
  EXPECT_EQ(total.GetValor(), "6,00");
}

TEST(TMonetarioTotal, ChangesTravelUpAChainOfTotalsAndSumsWaitForTheRead) {
  Contador contador;
  TMonetario meses[3];
  TMonetarioTotal anual, geral;
  for (auto& m : meses) anual.AdicionaSomando(m);
  geral.AdicionaSomando(anual);
  geral.AdicionaObservador(&contador);
  geral.SetModificado(false);
  meses[0].SetValor(QStringLiteral("1,10"));
  meses[2].SetValor(QStringLiteral("2,20"));
  EXPECT_EQ(contador.alterados, 2);
  EXPECT_TRUE(geral.GetModificado());
  EXPECT_EQ(geral.GetValor(), "3,30");
  EXPECT_EQ(anual.GetValor(), "3,30");
  geral.RemoveObservador(&contador);
}

TEST(TMonetarioTotal, CannotBeSetButValidatesTheText) {
  TMonetario a;
  TMonetarioTotal total;
  total.AdicionaSomando(a);
  a.SetValor(QStringLiteral("5"));
  total.SetValor(QStringLiteral("99"));
  total.SetValor(QString());
  total.SetValorMonetario(Valor::deReais(1));
  EXPECT_EQ(total.GetValor(), "5,00");
  EXPECT_THROW(total.SetValor(QStringLiteral("100000000000")), EMonetarioInvalido);
  EXPECT_EQ(total.QuantidadeTermos(), 1);
  EXPECT_EQ(total.GetValor(), "5,00");
}

TEST(TMonetarioTotal, LimparForgetsTheTerms) {
  TMonetario a;
  TMonetarioTotal total;
  total.AdicionaSomando(a);
  a.SetValor(QStringLiteral("5"));
  EXPECT_EQ(total.GetValor(), "5,00");
  total.Limpar();
  EXPECT_FALSE(a.TemObservador(&total));
  a.SetValor(QStringLiteral("6"));
  EXPECT_EQ(total.GetValor(), "0,00");
}

TEST(TMonetarioTotal, DestroyedAddendLeavesTheSubtrahendSubtracted) {
  auto somando = std::make_unique<TMonetario>();
  TMonetario subtraendo, outro;
  TMonetarioTotal total;
  total.AdicionaSomando(*somando);
  total.AdicionaSomando(outro);
  total.AdicionaSubtraendo(subtraendo);
  outro.SetValor(QStringLiteral("10"));
  subtraendo.SetValor(QStringLiteral("3"));
  somando.reset();
  EXPECT_EQ(total.QuantidadeTermos(), 2);
  EXPECT_EQ(total.GetValor(), "7,00");
}

TEST(TMonetarioTotal, DestructionReleasesItsObserversAndLeavesItsTerms) {
  Contador contador;
  TMonetario termo;
  {
    TMonetarioTotal total;
    total.AdicionaSomando(termo);
    total.AdicionaObservador(&contador);
  }
  EXPECT_EQ(contador.liberados, 1);
  termo.SetValor(QStringLiteral("1"));  // no dangling observer left behind
  EXPECT_EQ(contador.alterados, 0);
}

TEST(TDragMonetario, CarriesTheAmountAsObjectAndAsPrivateType) {
  TDragMonetario arrasto(QStringLiteral("1.234,56"));
  EXPECT_EQ(arrasto.GetMonetario().GetValor(), "1234,56");
  EXPECT_EQ(TDragMonetario::ValorDe(&arrasto), Valor::deDezMilesimos(12345600));
  QMimeData copia;
  copia.setData(TDragMonetario::kTipoMime, arrasto.data(TDragMonetario::kTipoMime));
  EXPECT_EQ(TDragMonetario::ValorDe(&copia), Valor::deDezMilesimos(12345600));
  QMimeData texto;
  texto.setText(QStringLiteral("12"));
  EXPECT_EQ(TDragMonetario::ValorDe(&texto), std::nullopt);
  EXPECT_THROW(TDragMonetario(QStringLiteral("100000000000")), EMonetarioInvalido);
}

}  // namespace
