#include "secoes/TModeloGridRra.h"

#include <gtest/gtest.h>

#include <memory>

#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/TTolv.h"
#include "secoes/TTolvGridRra.h"
#include "secoes/TzuqRra.h"
#include "suporte/QtGtest.h"

namespace {

using M = TModeloGridRra;

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

// An item of a declaration made by hand, bound to a grid model.
class GradeRra : public testing::Test {
 protected:
  void SetUp() override {
    tolv.SetAnoCalendario(QStringLiteral("2013"));
    modelo.SetRra(&item);
  }
  TTolv tolv;
  TzuqRra item{&tolv, 1};
  TModeloGridRra modelo;
};

// Which cells take a value, by the month of the special-situation event.
struct Bloqueio {
  int mesEvento;
  int ultimoMesEditavel;
};

class BloqueioDoEvento : public GradeRra, public testing::WithParamInterface<Bloqueio> {};

TEST_P(BloqueioDoEvento, MesesAposOEventoNaoTomamValorENemSaoAlcancados) {
  tolv.SetMesEvento(uint8_t(GetParam().mesEvento));
  const int ultimo = GetParam().ultimoMesEditavel;
  for (int mes = 1; mes <= 12; ++mes)
    for (int col = 1; col < M::kColunas; ++col) {
      EXPECT_EQ(modelo.CelulaEditavel(col, mes), mes <= ultimo) << "mês " << mes << " coluna " << col;
      const auto pintura = modelo.PinturaDe(col, mes, {});
      EXPECT_EQ(pintura.pintor, mes <= ultimo ? M::Pintura::Celula : M::Pintura::CelulaFixa);
    }
  // The keyboard wraps from the last open month back to January, never into a locked one.
  EXPECT_EQ(modelo.MoveCelula({M::kColunas - 1, ultimo}, M::Proxima), QPoint(1, 1));
  EXPECT_TRUE(modelo.MovimentoVolta({M::kColunas - 1, ultimo}, M::Proxima));
  // The totals row is never entered.
  EXPECT_FALSE(modelo.CelulaEditavel(1, M::kLinhaTotais));
  EXPECT_EQ(modelo.GetAreaEditavel().bottom(), 12);
}

INSTANTIATE_TEST_SUITE_P(Casos, BloqueioDoEvento,
                         testing::Values(Bloqueio{5, 5}, Bloqueio{1, 1}, Bloqueio{11, 11}, Bloqueio{99, 12}));

TEST_F(GradeRra, ColunasMostramAsSeriesDoItemComTotaisVivos) {
  TValoresRra& v = item.GetValores();
  v.GetRendimento(1).SetValorMonetario(V("1.000,00"));
  v.GetRendimento(2).SetValorMonetario(V("234,50"));
  v.GetMolestia(3).SetValorMonetario(V("10,00"));
  v.GetDeducaoPO(1).SetValorMonetario(V("110,00"));
  v.GetDeducaoPA(1).SetValorMonetario(V("50,00"));
  v.GetRetido(1).SetValorMonetario(V("27,50"));
  v.GetCustas(2).SetValorMonetario(V("300,00"));
  v.GetMeses(1).SetValorMonetario(V("12,5"));
  v.GetMeses(2).SetValorMonetario(V("3"));
  EXPECT_EQ(modelo.GetTextoCelula(0, 0), u"Mês");
  EXPECT_EQ(modelo.GetTextoCelula(6, 0), u"Despesas\rAcão Judicial");
  EXPECT_EQ(modelo.GetTextoCelula(0, 3), u"Março");
  EXPECT_EQ(modelo.GetTextoCelula(0, M::kLinhaTotais), u"Totais");
  EXPECT_EQ(modelo.GetTextoCelula(1, 1), u"1.000,00");
  EXPECT_EQ(modelo.GetTextoEdicao(1, 1), u"1000,00");
  EXPECT_EQ(modelo.GetTextoCelula(1, M::kLinhaTotais), u"1.234,50");
  EXPECT_EQ(modelo.GetTextoCelula(2, 3), u"10,00");
  EXPECT_EQ(modelo.GetTextoCelula(3, 1), u"110,00");
  EXPECT_EQ(modelo.GetTextoCelula(4, 1), u"50,00");
  EXPECT_EQ(modelo.GetTextoCelula(5, 1), u"27,50");
  EXPECT_EQ(modelo.GetTextoCelula(6, M::kLinhaTotais), u"300,00");
  EXPECT_EQ(modelo.GetTextoCelula(7, 1), u"12,5");
  EXPECT_EQ(modelo.GetTextoCelula(7, M::kLinhaTotais), u"15,5");
  EXPECT_EQ(modelo.MaxDigitosInteiros(7, 1), 3);
  EXPECT_EQ(modelo.MaxDigitosInteiros(6, 1), 11);
}

TEST_F(GradeRra, TextoGravadoCortaAsDecimaisERecusadoDeixaOMesComoEstava) {
  modelo.Grava(1, 4, QStringLiteral("12,345"));
  EXPECT_EQ(item.GetValores().GetRendimento(4).GetValorInterno(), V("12,34"));
  modelo.Grava(7, 4, QStringLiteral("999,9"));
  EXPECT_EQ(item.GetValores().GetMeses(4).GetValorInterno(), V("999,9"));
  try {
    modelo.Grava(7, 4, QStringLiteral("999,91"));
    FAIL() << "999,91 meses deveria ser recusado";
  } catch (const TErro& e) {
    EXPECT_EQ(e.Codigo(), 108);
  }
  EXPECT_EQ(item.GetValores().GetMeses(4).GetValorInterno(), V("999,9"));
  EXPECT_EQ(modelo.GetTextoCelula(7, M::kLinhaTotais), u"999,9");
}

TEST_F(GradeRra, ColunaDeMolestiaOcultaDeslocaAsSeguintesEGuardaOsValores) {
  item.GetValores().GetMolestia(1).SetValorMonetario(V("70,00"));
  item.GetValores().GetDeducaoPO(1).SetValorMonetario(V("11,00"));
  item.GetValores().GetMeses(1).SetValorMonetario(V("2"));
  modelo.SetHabilitarMolestia(false);
  EXPECT_EQ(modelo.ColCount(), M::kColunas - 1);
  EXPECT_EQ(modelo.GetTextoCelula(2, 0), u"Previdência\rOficial");
  EXPECT_EQ(modelo.GetTextoCelula(2, 1), u"11,00");
  EXPECT_EQ(modelo.GetTextoCelula(6, M::kLinhaTotais), u"2,0");
  EXPECT_EQ(modelo.MaxDigitosInteiros(6, 1), 3);
  EXPECT_EQ(modelo.ColunaExibida(M::kMolestia), -1);
  modelo.Grava(2, 1, QStringLiteral("12"));
  EXPECT_EQ(item.GetValores().GetDeducaoPO(1).GetValorInterno(), V("12"));
  EXPECT_EQ(item.GetValores().GetMolestia(1).GetValorInterno(), V("70"));
  modelo.SetHabilitarMolestia(true);
  EXPECT_EQ(modelo.GetTextoCelula(2, 1), u"70,00");
}

TEST_F(GradeRra, ValorArrastadoSoEntraNumItemGravado) {
  EXPECT_FALSE(modelo.AceitaArrasto(1, 1));
  item.SetId(7);
  EXPECT_TRUE(modelo.AceitaArrasto(1, 1));
  TTolvGridRra grade;
  grade.SetRra(&item);
  TDragMonetario dados(QStringLiteral("5,00"));
  EXPECT_TRUE(grade.AceitaSoltar({1, 1}, &dados));
  item.SetId(0);
  EXPECT_FALSE(grade.AceitaSoltar({1, 1}, &dados));
  grade.SetRra(nullptr);
}

TEST(GradeRraSemItem, MostraZerosEGravaNada) {
  TModeloGridRra modelo;
  EXPECT_EQ(modelo.GetTextoCelula(3, 2), u"0,00");
  EXPECT_EQ(modelo.GetTextoCelula(3, M::kLinhaTotais), u"0,00");
  EXPECT_NO_THROW(modelo.Grava(3, 2, QStringLiteral("10")));
  EXPECT_FALSE(modelo.MesBloqueado(12));
}

TEST(GradeRraSemItem, ItemDestruidoEhEsquecido) {
  TModeloGridRra modelo;
  {
    TzuqRra item(nullptr, 2);
    modelo.SetRra(&item);
  }
  EXPECT_EQ(modelo.Rra(), nullptr);
  EXPECT_EQ(modelo.GetTextoCelula(1, 1), u"0,00");
}

TEST(DimensoesDaGradeRra, LinhasEColunasPelaAlturaELarguraComArredondamentoParaOPar) {
  // 269 high: rows of round((269 - 3) / 14) - 1 = 18; 269 - 18 * 14 - 3 = 14 left over.
  const auto d = TTolvGridRra::CalculaDimensoes(269, 589, 14, 8, 64, 0);
  EXPECT_EQ(d.alturaLinha, 18);
  EXPECT_EQ(d.alturaCabecalho, 18 + 7 + 7);
  EXPECT_EQ(d.alturaTotais, 2 * 18 + 14 - d.alturaCabecalho);
  EXPECT_EQ(d.larguraColuna, 75);  // round(525 / 7)
  EXPECT_EQ(d.larguraUltima, 74);
  // Exact halves go to the even integer: (164 - 3) / 14 = 11.5 -> 12 rows of 11; 7 / 2 -> 4;
  // (133 - 64) / 6 = 11.5 -> 12.
  const auto e = TTolvGridRra::CalculaDimensoes(164, 133, 14, 7, 64, 0);
  EXPECT_EQ(e.alturaLinha, 11);
  EXPECT_EQ(e.alturaCabecalho, 11 + 4 + 7);
  EXPECT_EQ(e.larguraColuna, 12);
}

}  // namespace
