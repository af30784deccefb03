#include <gtest/gtest.h>

#include <optional>

#include "nucleo/Erros.h"
#include "secoes/TMeses.h"
#include "secoes/TMesesTotal.h"
#include "secoes/TNaturezaRra.h"
#include "secoes/TNrProcesso.h"
#include "secoes/TValoresRra.h"

namespace {

// Counts the change notifications of a value.
class Contador : public IObservador {
 public:
  void Alterado(IObservavel*) override { ++alteracoes; }
  void Liberado(IObservavel*) override {}
  int alteracoes = 0;
};

template <class F>
std::optional<int> CodigoLancado(F&& chamada) {
  try {
    chamada();
  } catch (const TErro& e) {
    return e.Codigo();
  }
  return std::nullopt;
}

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

struct CasoNatureza {
  const char* texto;
  int codigo;
};
class NaturezaRra : public testing::TestWithParam<CasoNatureza> {};

TEST_P(NaturezaRra, ValidaOTexto) {
  const QString texto = QString::fromUtf8(GetParam().texto);
  EXPECT_EQ(TNaturezaRra::Valida(texto), GetParam().codigo) << GetParam().texto;
  TNaturezaRra natureza;
  natureza.CarregaValor(texto);
  EXPECT_EQ(natureza.ValidaNatureza(), GetParam().codigo);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, NaturezaRra,
    testing::Values(CasoNatureza{"", 0}, CasoNatureza{"Diferenças salariais de 2010", 0},
                    CasoNatureza{"Abc", 279}, CasoNatureza{"Abcd", 0},
                    CasoNatureza{"Pensões por morte acumulada em processo trabalhista", 279},  // 51
                    CasoNatureza{"Pensão por morte acumulada em processo trabalhista", 0},   // 50
                    CasoNatureza{"1234", 279}, CasoNatureza{"aAaA", 279}, CasoNatureza{"AAA A", 279},
                    CasoNatureza{"AAA B", 0}, CasoNatureza{"Pensão alimentícia.", 0},
                    CasoNatureza{"Pensao.. x", 279}, CasoNatureza{"Pensao, , x", 279},
                    CasoNatureza{"Pensao|x", 279}, CasoNatureza{"!?!?", 279}, CasoNatureza{"ÁÉÍÓ ÇÃ", 279}));

TEST(NaturezaRraValor, ARefusedTextStaysButNobodyIsTold) {
  TNaturezaRra natureza;
  Contador contador;
  natureza.AdicionaObservador(&contador);
  EXPECT_EQ(CodigoLancado([&] { natureza.SetValor(QStringLiteral("12345")); }), 279);
  EXPECT_EQ(natureza.GetValor(), "12345");
  EXPECT_EQ(contador.alteracoes, 0);
  EXPECT_FALSE(natureza.GetModificado());

  natureza.SetValor(QStringLiteral("Aposentadoria"));
  EXPECT_EQ(natureza.GetValor(), "Aposentadoria");
  EXPECT_EQ(contador.alteracoes, 1);
  EXPECT_TRUE(natureza.GetModificado());
  natureza.RemoveObservador(&contador);
}

struct CasoProcesso {
  const char* numero;
  bool opcional;
  int codigo;
};
class NrProcesso : public testing::TestWithParam<CasoProcesso> {};

TEST_P(NrProcesso, ValidaONumero) {
  TNrProcesso processo;
  processo.SetOpcional(GetParam().opcional);
  processo.CarregaValor(QString::fromUtf8(GetParam().numero));
  EXPECT_EQ(processo.ValidaProcesso(), GetParam().codigo) << GetParam().numero;
  const auto lancado = CodigoLancado([&] { processo.SetValor(QString::fromUtf8(GetParam().numero)); });
  EXPECT_EQ(lancado.value_or(0), GetParam().codigo);
  EXPECT_EQ(processo.GetValor(), QString::fromUtf8(GetParam().numero));
}

INSTANTIATE_TEST_SUITE_P(Casos, NrProcesso,
                         testing::Values(CasoProcesso{"", false, 40}, CasoProcesso{"", true, 0},
                                         CasoProcesso{"123456789012345678901", true, 37},
                                         CasoProcesso{"12345-6789012345678901", false, 37},
                                         CasoProcesso{"12345-6", true, 173}, CasoProcesso{"ÁB12", true, 173},
                                         CasoProcesso{"ABC12", false, 174}, CasoProcesso{"AB12", false, 0},
                                         CasoProcesso{"12345678901234567890", false, 0}));

// A refused count keeps the value the user had: nothing is ever replaced by 0.
struct CasoMeses {
  const char* texto;
  std::optional<int64_t> dezMilesimos;  // nothing: refused with 108
  const char* exibido;
};
class MesesSetValor : public testing::TestWithParam<CasoMeses> {};

TEST_P(MesesSetValor, InterpretaOTexto) {
  TMeses meses;
  meses.SetValorMonetario(V("7"));
  const auto lancado = CodigoLancado([&] { meses.SetValor(QString::fromUtf8(GetParam().texto)); });
  if (GetParam().dezMilesimos) {
    EXPECT_FALSE(lancado.has_value());
    EXPECT_EQ(meses.GetValorMonetario().dezMilesimos(), *GetParam().dezMilesimos);
    EXPECT_EQ(meses.GetFormatado(), QString::fromUtf8(GetParam().exibido));
  } else {
    EXPECT_EQ(lancado, 108);
    EXPECT_EQ(meses.GetValorMonetario(), V("7"));
  }
}

INSTANTIATE_TEST_SUITE_P(Casos, MesesSetValor,
                         testing::Values(CasoMeses{"12", 120000, "12,0"}, CasoMeses{"999,9", 9999000, "999,9"},
                                         CasoMeses{"999,91", std::nullopt, ""}, CasoMeses{"1000", std::nullopt, ""},
                                         CasoMeses{"12.345,6", std::nullopt, ""},
                                         CasoMeses{"10000,5", std::nullopt, ""},
                                         CasoMeses{"1000000", std::nullopt, ""}, CasoMeses{",", std::nullopt, ""},
                                         CasoMeses{"", 0, "0,0"}, CasoMeses{"abc", 0, "0,0"},
                                         CasoMeses{"12,34", 123400, "12,3"}, CasoMeses{"12,345", 123400, "12,3"},
                                         CasoMeses{"0000012,5", 125000, "12,5"}, CasoMeses{" 1.0 ", 100000, "10,0"}));

TEST(MesesTotal, RecomputesOnlyAfterATermChanged) {
  TMeses janeiro;
  TMeses fevereiro;
  TMesesTotal total;
  total.AdicionaSomando(janeiro);
  total.AdicionaSomando(fevereiro);
  Contador contador;
  total.AdicionaObservador(&contador);

  janeiro.SetValor(QStringLiteral("2,5"));
  fevereiro.SetValorMonetario(V("3"));
  EXPECT_EQ(contador.alteracoes, 2);
  EXPECT_EQ(total.GetValorMonetario(), V("5,5"));
  EXPECT_EQ(total.GetFormatado(), "5,5");
  total.SetValorMonetario(V("100"));
  EXPECT_EQ(total.GetValorMonetario(), V("5,5"));
  janeiro.SetValorMonetario(V("-1"));  // a negative count counts as nothing
  EXPECT_EQ(total.GetValorMonetario(), V("3"));
  total.RemoveObservador(&contador);

  {
    TMeses passageiro;
    passageiro.SetValorMonetario(V("4"));
    total.AdicionaSomando(passageiro);
    EXPECT_EQ(total.GetValorMonetario(), V("7"));
  }
  EXPECT_EQ(total.QuantidadeTermos(), 2);
  EXPECT_EQ(total.GetValorMonetario(), V("3"));
  total.Limpar();
  EXPECT_EQ(total.QuantidadeTermos(), 0);
  EXPECT_TRUE(total.GetValorMonetario().ehZero());
}

TEST(ValoresRra, TotalsFollowTheMonthsAndEmptinessSeesEverySeries) {
  TValoresRra valores;
  EXPECT_TRUE(valores.EstaVazio());
  EXPECT_FALSE(valores.GetModificado());

  valores.GetCustas(1).SetValorMonetario(V("-5"));
  EXPECT_TRUE(valores.EstaVazio());
  valores.GetCustas(3).SetValor(QStringLiteral("10,00"));
  valores.GetCustas(12).SetValor(QStringLiteral("2,50"));
  valores.GetMeses(2).SetValor(QStringLiteral("1,5"));
  valores.GetMeses(12).SetValor(QStringLiteral("3"));
  EXPECT_EQ(valores.GetTotalCustas().GetValorMonetario(), V("12,5"));
  EXPECT_EQ(valores.GetTotalMeses().GetValorMonetario(), V("4,5"));
  EXPECT_FALSE(valores.EstaVazio());
  EXPECT_TRUE(valores.GetModificado());

  valores.SetModificado(false);
  EXPECT_FALSE(valores.GetModificado());
  valores.ZeraValores();
  EXPECT_TRUE(valores.EstaVazio());
  EXPECT_TRUE(valores.GetTotalCustas().GetValorMonetario().ehZero());
  EXPECT_TRUE(valores.GetModificado());

  for (auto marca : {0, 1, 2}) {
    TValoresRra v;
    if (marca == 0) v.GetRendimento(5).SetValorMonetario(V("0,01"));
    if (marca == 1) v.GetMeses(7).SetValorMonetario(V("0,1"));
    if (marca == 2) v.GetRetido(13).SetValorMonetario(V("1"));
    EXPECT_FALSE(v.EstaVazio()) << marca;
    EXPECT_TRUE(v.GetModificado()) << marca;
  }
}

}  // namespace
