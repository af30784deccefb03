#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "ComprovanteTeste.h"
#include "nucleo/TComprovantePF.h"
#include "suporte/QtGtest.h"

namespace {

using namespace comprovante_teste;

const char kResumoC[] = "Rendimento do trabalho assalariado";

struct CasoLinha {
  const char* nome;
  const char* regime;
  std::function<void(TTolvItem&)> preenche;
};

// A statement over hand-made lines of one beneficiary.
class ComprovantePF : public testing::Test {
 protected:
  TTolvItem& Linha(const char* regime, const char* codigo = "0561", const char* resumo = kResumoC) {
    return m_linhas.Nova(Codigo(codigo, regime, resumo));
  }
  void Adiciona(TTolvItem& linha) { m_comprovante.AdicionaItem(linha); }

  Linhas m_linhas;
  TComprovantePF m_comprovante{m_linhas.m_beneficiario};
};

// A line with a little of everything: income, deductions, tax and compensations, suspended amounts
// and every exempt kind, months 1 to 12 and 13.
void LinhaCompleta(TTolvItem& l) {
  TRendimentosTributaveis& t = l.GetTributaveis();
  t.GetRendimento(1).SetValorMonetario(R("1.000,00"));
  t.GetRendimento(2).SetValorMonetario(R("2.000,00"));
  t.GetRendimento(13).SetValorMonetario(R("500,00"));
  t.GetDeducaoPO(1).SetValorMonetario(R("110,00"));
  t.GetDeducaoPP(1).SetValorMonetario(R("50,00"));
  t.GetDeducaoDP(1).SetValorMonetario(R("189,59"));
  t.GetDeducaoPA(1).SetValorMonetario(R("200,00"));
  t.GetDeducao(1).SetValorMonetario(R("549,59"));
  t.GetRetido(1).SetValorMonetario(R("100,00"));
  t.GetRetido(13).SetValorMonetario(R("30,00"));
  t.GetMolestia(1).SetValorMonetario(R("80,00"));
  t.GetMolestia(13).SetValorMonetario(R("8,00"));
  l.GetCompensacao().GetAnoAtual(2).SetValorMonetario(R("10,00"));
  l.GetCompensacao().GetAnoAnterior(3).SetValorMonetario(R("5,00"));
  TSubJudice& s = l.GetSubJudice();
  s.GetDeducaoPO(1).SetValorMonetario(R("10,00"));
  s.GetDeducaoPP(1).SetValorMonetario(R("5,00"));
  s.GetDeducaoPA(1).SetValorMonetario(R("20,00"));
  TRendimentosIsentos& i = l.GetIsentos();
  i.GetRip65(1).SetValorMonetario(R("100,00"));
  i.GetRip65(13).SetValorMonetario(R("50,00"));
  i.GetDac(1).SetValorMonetario(R("20,00"));
  i.GetPdv(1).SetValorMonetario(R("30,00"));
  i.GetBolsa(1).SetValorMonetario(R("40,00"));
  i.GetBolsa(13).SetValorMonetario(R("4,00"));
  i.GetCopa(1).SetValorMonetario(R("60,00"));
  i.GetCopa(13).SetValorMonetario(R("6,00"));
  i.GetAp(1).SetValorMonetario(R("70,00"));
  i.GetAnualLucrosDiv96().SetValorMonetario(R("90,00"));
  i.GetAnualTitularSocio().SetValorMonetario(R("11,00"));
  i.GetAnualOutros().SetValorMonetario(R("12,00"));
  i.GetAnualEspecificarOutros().SetValor(QStringLiteral("Seguro"));
}

// ---- Box 3 ----

struct CasoQuadro3 {
  CasoLinha linha;
  std::array<const char*, 5> totais;
};
void PrintTo(const CasoQuadro3& c, std::ostream* os) { *os << c.linha.nome; }

class Quadro3 : public ComprovantePF, public testing::WithParamInterface<CasoQuadro3> {};

TEST_P(Quadro3, TakesTheLineByItsRegime) {
  TTolvItem& linha = Linha(GetParam().linha.regime);
  GetParam().linha.preenche(linha);
  Adiciona(linha);
  TQuadroRendTributaveis& q3 = m_comprovante.GetQuadro3();
  for (int l = 1; l <= 5; ++l) EXPECT_EQ(T(q3.GetTotal(l)), QString::fromLatin1(GetParam().totais[l - 1])) << "line " << l;
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Quadro3,
    testing::Values(
        // Months 1 to 12 only; both deductions of a kind (also under suspended exigibility);
        // the tax with both compensations.
        CasoQuadro3{{"C", "C", LinhaCompleta}, {"3.000,00", "120,00", "55,00", "220,00", "115,00"}},
        CasoQuadro3{{"COnlyThirteenth", "C", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("1.000,00")); }},
                    {"0,00", "0,00", "0,00", "0,00", "0,00"}},
        CasoQuadro3{{"E", "E", LinhaCompleta}, {"0,00", "0,00", "0,00", "0,00", "0,00"}},
        CasoQuadro3{{"PWithoutPartial", "P", LinhaCompleta}, {"0,00", "0,00", "0,00", "0,00", "0,00"}},
        CasoQuadro3{{"OtherRegime", "N", LinhaCompleta}, {"0,00", "0,00", "0,00", "0,00", "0,00"}},
        CasoQuadro3{{"F", "F", LinhaCompleta}, {"0,00", "0,00", "0,00", "0,00", "0,00"}}),
    [](const auto& info) { return std::string(info.param.linha.nome); });

// ---- Box 4 ----

struct CasoQuadro4 {
  CasoLinha linha;
  // Lines 01 to 07, then the sums of cash allowance, medical residents, world cup and others.
  std::array<const char*, 11> valores;
  const char* descricao;
};
void PrintTo(const CasoQuadro4& c, std::ostream* os) { *os << c.linha.nome; }

class Quadro4 : public ComprovantePF, public testing::WithParamInterface<CasoQuadro4> {};

TEST_P(Quadro4, TakesTheLineByItsRegime) {
  TTolvItem& linha = Linha(GetParam().linha.regime);
  GetParam().linha.preenche(linha);
  Adiciona(linha);
  TQuadroRendIsentos& q4 = m_comprovante.GetQuadro4();
  const std::array<TMonetario*, 11> valores{&q4.GetLinha01(),   &q4.GetLinha02(),   &q4.GetLinha03(),
                                            &q4.GetLinha04(),   &q4.GetLinha05(),   &q4.GetLinha06(),
                                            &q4.GetLinha07(),   &q4.GetSomaAbono(), &q4.GetSomaBolsa(),
                                            &q4.GetSomaCopa(),  &q4.GetSomaOutros()};
  for (size_t i = 0; i < valores.size(); ++i)
    EXPECT_EQ(T(*valores[i]), QString::fromLatin1(GetParam().valores[i])) << "value " << i;
  EXPECT_EQ(q4.GetDescricao().GetValor(), QString::fromUtf8(GetParam().descricao));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Quadro4,
    testing::Values(
        // The 65-or-more portion and serious illness count month 13; the medical residents' grant
        // too, but in line 07 only; world cup and cash allowance months 1 to 12.
        CasoQuadro4{{"C", "C", LinhaCompleta},
                    {"150,00", "20,00", "88,00", "90,00", "11,00", "30,00", "186,00", "70,00", "44,00", "60,00", "12,00"},
                    "Benefícios indiretos e reembolso de despesas recebidos por Voluntários da Fifa, da Subsidiária Fifa "
                    "no Brasil ou do LOC, Bolsas de estudo pagos ou creditados aos médicos-residentes, Abono pecuniário, "
                    "Seguro"},
        CasoQuadro4{{"E", "E", LinhaCompleta},
                    {"0,00", "0,00", "88,00", "0,00", "0,00", "0,00", "12,00", "0,00", "0,00", "0,00", "0,00"},
                    "Seguro"},
        CasoQuadro4{{"P", "P", LinhaCompleta},
                    {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
                    ""},
        CasoQuadro4{{"CWithoutExempt", "C", [](TTolvItem& l) { l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("5,00")); }},
                    {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"},
                    ""},
        CasoQuadro4{{"COnlyMedicalResidentsOfTheThirteenth", "C",
                     [](TTolvItem& l) { l.GetIsentos().GetBolsa(13).SetValorMonetario(R("7,00")); }},
                    {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "7,00", "0,00", "7,00", "0,00", "0,00"},
                    "Bolsas de estudo pagos ou creditados aos médicos-residentes"}),
    [](const auto& info) { return std::string(info.param.linha.nome); });

TEST_F(ComprovantePF, EachPhraseOnceButEveryLinesOwnDescription) {
  for (int i = 0; i < 2; ++i) {
    TTolvItem& linha = Linha("C");
    linha.GetIsentos().GetCopa(1).SetValorMonetario(R("1,00"));
    linha.GetIsentos().GetAnualOutros().SetValorMonetario(R("2,00"));
    linha.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Aluguel"));
    Adiciona(linha);
  }
  TTolvItem& exclusiva = Linha("E");
  exclusiva.GetIsentos().GetAnualEspecificarOutros().SetValor(QStringLiteral("Aluguel"));
  Adiciona(exclusiva);
  EXPECT_EQ(m_comprovante.GetQuadro4().GetDescricao().GetValor(),
            QStringLiteral("Benefícios indiretos e reembolso de despesas recebidos por Voluntários da Fifa, da "
                           "Subsidiária Fifa no Brasil ou do LOC, Aluguel, Aluguel, Aluguel"));
  EXPECT_EQ(T(m_comprovante.GetQuadro4().GetLinha07()), QStringLiteral("6,00"));
}

// ---- Box 5 ----

struct CasoQuadro5 {
  CasoLinha linha;
  const char* linha01;
  const char* linha02;
};
void PrintTo(const CasoQuadro5& c, std::ostream* os) { *os << c.linha.nome; }

class Quadro5 : public ComprovantePF, public testing::WithParamInterface<CasoQuadro5> {};

TEST_P(Quadro5, TakesTheLineByItsRegime) {
  TTolvItem& linha = Linha(GetParam().linha.regime);
  GetParam().linha.preenche(linha);
  Adiciona(linha);
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetLinha01()), QString::fromLatin1(GetParam().linha01));
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QString::fromLatin1(GetParam().linha02));
}

void DecimoTerceiro(TTolvItem& l) {
  TRendimentosTributaveis& t = l.GetTributaveis();
  t.GetRendimento(13).SetValorMonetario(R("1.000,00"));
  t.GetDeducaoPO(13).SetValorMonetario(R("100,00"));
  t.GetDeducaoPP(13).SetValorMonetario(R("50,00"));
  t.GetDeducaoDP(13).SetValorMonetario(R("20,00"));
  t.GetDeducaoPA(13).SetValorMonetario(R("30,00"));
  t.GetRetido(13).SetValorMonetario(R("40,00"));
  l.GetCompensacao().GetAnoAtual(13).SetValorMonetario(R("10,00"));
  l.GetCompensacao().GetAnoAnterior(13).SetValorMonetario(R("5,00"));
}

void Exclusiva(TTolvItem& l) {
  TRendimentosTributaveis& t = l.GetTributaveis();
  t.GetRendimento(1).SetValorMonetario(R("1.000,00"));
  t.GetDeducao(1).SetValorMonetario(R("100,00"));
  t.GetRetido(1).SetValorMonetario(R("50,00"));
  l.GetCompensacao().GetAnoAnterior(1).SetValorMonetario(R("10,00"));
  t.GetRendimento(13).SetValorMonetario(R("200,00"));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Quadro5,
    testing::Values(
        // The net thirteenth salary: income less the four deductions, the tax and both compensations.
        CasoQuadro5{{"CThirteenth", "C", DecimoTerceiro}, "745,00", "0,00"},
        CasoQuadro5{{"CNegativeThirteenth", "C",
                     [](TTolvItem& l) {
                       l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("100,00"));
                       l.GetTributaveis().GetDeducaoPO(13).SetValorMonetario(R("200,00"));
                     }},
                    "0,00", "0,00"},
        // Income less the total deduction and the tax with its compensations.
        CasoQuadro5{{"E", "E", Exclusiva}, "200,00", "840,00"},
        // Until a partial amount is typed the whole line is in box 5.
        CasoQuadro5{{"PWithoutPartial", "P", Exclusiva}, "200,00", "940,00"},
        CasoQuadro5{{"OtherRegime", "N", Exclusiva}, "200,00", "0,00"},
        CasoQuadro5{{"F", "F", Exclusiva}, "0,00", "0,00"}),
    [](const auto& info) { return std::string(info.param.linha.nome); });

TEST_F(ComprovantePF, ExclusiveLinesAddUpEvenWhenOneLeavesLessThanNothing) {
  TTolvItem& negativa = Linha("E");
  negativa.GetTributaveis().GetRendimento(1).SetValorMonetario(R("100,00"));
  negativa.GetTributaveis().GetRetido(1).SetValorMonetario(R("300,00"));
  Adiciona(negativa);
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QStringLiteral("0,00"));
  TTolvItem& positiva = Linha("E");
  positiva.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1.000,00"));
  Adiciona(positiva);
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QStringLiteral("800,00"));
}

// ---- Partial items ----

TEST_F(ComprovantePF, APartialAmountMovesFromBox5ToBox3) {
  TTolvItem& assalariado = Linha("C");
  assalariado.GetTributaveis().GetRendimento(1).SetValorMonetario(R("500,00"));
  assalariado.GetTributaveis().GetRetido(1).SetValorMonetario(R("5,00"));
  Adiciona(assalariado);
  TTolvItem& parcial = Linha("P", "3533", "Aposentadoria");
  parcial.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1.000,00"));
  parcial.GetTributaveis().GetRetido(1).SetValorMonetario(R("100,00"));
  Adiciona(parcial);
  ASSERT_EQ(m_comprovante.QuantidadeParciais(), 1);
  EXPECT_EQ(m_comprovante.IndiceParcial(QStringLiteral("3533")), 0);
  EXPECT_EQ(m_comprovante.IndiceParcial(QStringLiteral("0561")), -1);

  TRendimentoParcial& p = m_comprovante.GetParcial(0);
  EXPECT_TRUE(p.EstaZerado());
  p.GetRendimento().SetValor(QStringLiteral("400,00"));
  p.GetImposto().SetValor(QStringLiteral("30,00"));
  EXPECT_FALSE(p.EstaZerado());
  TQuadroRendTributaveis& q3 = m_comprovante.GetQuadro3();
  EXPECT_EQ(T(q3.GetTotalQ3L1()), QStringLiteral("900,00"));
  EXPECT_EQ(T(q3.GetTotalQ3L5()), QStringLiteral("35,00"));
  EXPECT_EQ(T(p.GetRestoRendimento()), QStringLiteral("600,00"));
  EXPECT_EQ(T(p.GetRestoImposto()), QStringLiteral("70,00"));
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QStringLiteral("530,00"));
}

struct CasoAjuste {
  const char* rendimentoLinha;
  const char* impostoLinha;
  const char* rendimento;
  const char* imposto;
  const char* rendimentoAjustado;
  const char* impostoAjustado;
};

class AjustaParcial : public ComprovantePF, public testing::WithParamInterface<CasoAjuste> {};

TEST_P(AjustaParcial, KeepsThePartialWithinTheLineAndBox5TaxWithinItsIncome) {
  const CasoAjuste& c = GetParam();
  TTolvItem& linha = Linha("P");
  linha.GetTributaveis().GetRendimento(1).SetValorMonetario(R(c.rendimentoLinha));
  linha.GetCompensacao().GetAnoAtual(1).SetValorMonetario(R(c.impostoLinha));
  Adiciona(linha);
  TRendimentoParcial& p = m_comprovante.GetParcial(0);
  p.GetRendimento().SetValorMonetario(R(c.rendimento));
  p.GetImposto().SetValorMonetario(R(c.imposto));
  m_comprovante.AjustaParcial(0);
  EXPECT_EQ(T(p.GetRendimento()), QString::fromLatin1(c.rendimentoAjustado));
  EXPECT_EQ(T(p.GetImposto()), QString::fromLatin1(c.impostoAjustado));
  m_comprovante.AjustaParcial(1);  // beyond the count: nothing
  m_comprovante.AjustaParcial(-1);
}

INSTANTIATE_TEST_SUITE_P(Casos, AjustaParcial,
                         testing::Values(CasoAjuste{"1.000,00", "100,00", "400,00", "30,00", "400,00", "30,00"},
                                         // Income cut to the line's; box 5 then has tax and no income.
                                         CasoAjuste{"1.000,00", "100,00", "1.500,00", "50,00", "1.000,00", "100,00"},
                                         CasoAjuste{"1.000,00", "100,00", "400,00", "500,00", "400,00", "100,00"},
                                         // Tax cut to the partial income.
                                         CasoAjuste{"1.000,00", "100,00", "50,00", "80,00", "50,00", "50,00"},
                                         CasoAjuste{"100,00", "90,00", "95,00", "0,00", "95,00", "85,00"},
                                         CasoAjuste{"100,00", "300,00", "0,00", "0,00", "0,00", "200,00"}));

// ---- Statement ----

TEST_F(ComprovantePF, OnlyFinancialLinesGiveNoIncomeButCount) {
  TTolvItem& f = Linha("F");
  f.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
  Adiciona(f);
  EXPECT_FALSE(m_comprovante.TemRendimentos());
  EXPECT_EQ(m_comprovante.GetQuantidadeItens(), 1);
  EXPECT_TRUE(m_comprovante.TemLinhaDeclaracao());
  EXPECT_EQ(m_comprovante.GetResumoPrincipal(), QString());
}

TEST_F(ComprovantePF, OnlyAnnexLinesAreNotOfTheDeclaration) {
  TTolvItem& linha = m_linhas.Nova(Codigo("6800", "C", "Fundos"), true);
  Adiciona(linha);
  EXPECT_TRUE(m_comprovante.TemRendimentos());
  EXPECT_FALSE(m_comprovante.TemLinhaDeclaracao());
}

TEST_F(ComprovantePF, TheLineWithTheLargestIncomeNamesTheNatureAndATieKeepsTheFirst) {
  const auto adiciona = [this](const char* codigo, const char* resumo, const char* rendimento) {
    TTolvItem& l = Linha("C", codigo, resumo);
    l.GetTributaveis().GetRendimento(1).SetValorMonetario(R(rendimento));
    Adiciona(l);
  };
  adiciona("0561", "Trabalho", "100,00");
  adiciona("0588", "Autônomo", "100,00");
  EXPECT_EQ(m_comprovante.GetNatureza().GetValor(), QStringLiteral("Trabalho"));
  adiciona("3208", "Aluguéis", "100,01");
  EXPECT_EQ(m_comprovante.GetNatureza().GetValor(), QStringLiteral("Aluguéis"));
  EXPECT_EQ(m_comprovante.GetResumoPrincipal(), QStringLiteral("Aluguéis"));
  EXPECT_TRUE(m_comprovante.NaturezaPadrao());
  m_comprovante.GetNatureza().SetValor(QStringLiteral("  aluguÉis "));
  EXPECT_TRUE(m_comprovante.NaturezaPadrao());
  m_comprovante.GetNatureza().SetValor(QStringLiteral("Aluguel de imóvel"));
  EXPECT_FALSE(m_comprovante.NaturezaPadrao());
}

TEST_F(ComprovantePF, ABeneficiaryWithHundredsOfLinesGetsAllOfThem) {
  constexpr int kLinhas = 300;
  for (int i = 0; i < kLinhas; ++i) {
    TTolvItem& l = Linha(i % 2 ? "P" : "C", QString::number(1000 + i).toLatin1().constData());
    l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
    Adiciona(l);
  }
  EXPECT_EQ(m_comprovante.QuantidadeTotais(), kLinhas);
  EXPECT_EQ(m_comprovante.QuantidadeParciais(), kLinhas / 2);
  EXPECT_EQ(m_comprovante.IndiceParcial(QStringLiteral("1299")), kLinhas / 2 - 1);
  EXPECT_EQ(T(m_comprovante.GetQuadro3().GetTotalQ3L1()), QStringLiteral("150,00"));
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QStringLiteral("150,00"));
}

TEST_F(ComprovantePF, FillingTwiceAddsTwiceAndClearingStartsOver) {
  TTolvItem& c = Linha("C", "3223", "Previdência");
  LinhaCompleta(c);
  TTolvItem& p = Linha("P");
  p.GetTributaveis().GetRendimento(1).SetValorMonetario(R("10,00"));
  m_comprovante.GetListaRra().Adiciona(std::make_unique<TQuadroRRA>());
  m_comprovante.GetPlanosSaude() << "|O|" << "123456780001" << "Operadora" << "1,00";
  m_comprovante.GetInfoComplementar().SetValor(QStringLiteral("Texto"));
  for (int i = 0; i < 2; ++i) {
    Adiciona(c);
    Adiciona(p);
  }
  EXPECT_EQ(T(m_comprovante.GetQuadro3().GetTotalQ3L1()), QStringLiteral("6.000,00"));
  EXPECT_EQ(m_comprovante.QuantidadeParciais(), 2);
  EXPECT_EQ(m_comprovante.GetQuantidadeItens(), 4);

  m_comprovante.Limpar();
  EXPECT_FALSE(m_comprovante.TemRendimentos());
  EXPECT_FALSE(m_comprovante.TemRra());
  EXPECT_FALSE(m_comprovante.TemLinhaDeclaracao());
  EXPECT_FALSE(m_comprovante.GetNotaPrevidencia());
  EXPECT_EQ(m_comprovante.QuantidadeParciais(), 0);
  EXPECT_EQ(m_comprovante.GetQuantidadeItens(), 0);
  EXPECT_TRUE(m_comprovante.GetPlanosSaude().isEmpty());
  EXPECT_EQ(m_comprovante.GetInfoComplementar().GetValor(), QString());
  EXPECT_EQ(m_comprovante.GetNatureza().GetValor(), QString());
  EXPECT_EQ(m_comprovante.GetQuadro4().GetDescricao().GetValor(), QString());
  for (int l = 1; l <= 5; ++l) EXPECT_EQ(T(m_comprovante.GetQuadro3().GetTotal(l)), QStringLiteral("0,00"));
  EXPECT_EQ(T(m_comprovante.GetQuadro5().GetTotalLinha02()), QStringLiteral("0,00"));

  // Filled again, the boxes count once and the phrases come back.
  Adiciona(c);
  EXPECT_EQ(T(m_comprovante.GetQuadro3().GetTotalQ3L1()), QStringLiteral("3.000,00"));
  EXPECT_TRUE(m_comprovante.GetQuadro4().GetDescricao().GetValor().startsWith(QStringLiteral("Benefícios")));
}

TEST_F(ComprovantePF, ChangesAreSeenUntilTheStatementIsMarkedUnchanged) {
  TTolvItem& p = Linha("P");
  p.GetTributaveis().GetRendimento(1).SetValorMonetario(R("10,00"));
  Adiciona(p);
  EXPECT_TRUE(m_comprovante.GetModificado());
  m_comprovante.SetModificado(false);
  EXPECT_FALSE(m_comprovante.GetModificado());

  const std::array<std::function<void()>, 5> mudancas{
      [&] { m_comprovante.GetParcial(0).GetImposto().SetValor(QStringLiteral("1,00")); },
      [&] { m_comprovante.GetInfoComplementar().SetValor(QStringLiteral("x")); },
      [&] { m_comprovante.GetNatureza().SetValor(QStringLiteral("x")); },
      [&] { m_comprovante.GetQuadro4().GetLinha01().SetValor(QStringLiteral("1,00")); },
      [&] { m_comprovante.GetQuadro3().GetLinha(2).SetValor(QStringLiteral("1,00")); },
  };
  for (size_t i = 0; i < mudancas.size(); ++i) {
    mudancas[i]();
    EXPECT_TRUE(m_comprovante.GetModificado()) << i;
    m_comprovante.SetModificado(false);
    EXPECT_FALSE(m_comprovante.GetModificado()) << i;
  }
  // Box 5 answers for its own flag only.
  m_comprovante.GetQuadro5().GetLinha01().SetValor(QStringLiteral("1,00"));
  EXPECT_FALSE(m_comprovante.GetModificado());
  m_comprovante.GetQuadro5().SetModificado(true);
  EXPECT_TRUE(m_comprovante.GetModificado());
}

TEST_F(ComprovantePF, BoxFourLineOneTakesTheCapOfTheDeclarationsYear) {
  EXPECT_EQ(m_comprovante.GetQuadro4().GetLinha01().GetAnoCalendario(), QStringLiteral("2013"));
  m_linhas.m_tolv.SetAnoCalendario(QStringLiteral("2006"));
  TComprovantePF antigo(m_linhas.m_beneficiario);
  EXPECT_EQ(antigo.GetQuadro4().GetLinha01().SetValorImportacao(QStringLiteral("000000001624945")), 113);
  EXPECT_EQ(m_comprovante.GetQuadro4().GetLinha01().SetValorImportacao(QStringLiteral("000000001624945")), 0);
}

// ---- Complementary information ----

TEST_F(ComprovantePF, OtherExemptIncomeIsListedByKind) {
  QStringList linhas;
  m_comprovante.AdicionaInfoIsentosOutros(linhas);
  EXPECT_TRUE(linhas.isEmpty());
  TTolvItem& l = Linha("C");
  LinhaCompleta(l);
  l.GetIsentos().GetAp(1).SetValorMonetario(R("1.070,00"));
  Adiciona(l);
  m_comprovante.AdicionaInfoIsentosOutros(linhas);
  EXPECT_EQ(linhas, QStringList({
                        QStringLiteral("Rendimentos isentos outros:"),
                        QStringLiteral(" - Benefícios indiretos e reembolso de despesas recebidos por Voluntário da Fifa, "
                                       "da Subsidiária Fifa no Brasil ou do LOC: R$60,00"),
                        QStringLiteral(" - Bolsas de estudo pagos ou creditados aos médicos-residentes: R$ 44,00"),
                        QStringLiteral(" - Abono pecuniário: R$ 1.070,00"),
                    }));
}

TEST_F(ComprovantePF, IncomeOfSeveralCodesIsListedOnlyWithMoreThanOneLine) {
  TTolvItem& a = Linha("C", "0561", "Trabalho");
  a.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1.234,56"));
  Adiciona(a);
  QStringList linhas;
  m_comprovante.AdicionaInfoRendimentos(linhas);
  EXPECT_TRUE(linhas.isEmpty());
  Adiciona(Linha("P", "3533", "Aposentadoria"));
  m_comprovante.AdicionaInfoRendimentos(linhas);
  EXPECT_EQ(linhas, QStringList({
                        QStringLiteral("Os rendimentos seguintes estão informados na linha 01, quadro 3 e/ou linha 02, "
                                       "quadro 05:"),
                        QStringLiteral(" - Trabalho: R$ 1.234,56"),
                        QStringLiteral(" - Aposentadoria: R$ 0,00"),
                    }));
}

TEST_F(ComprovantePF, SuspendedIncomeIsListedWithItsDepositsUnderAHeading) {
  QStringList linhas{QStringLiteral("antes")};
  Adiciona(Linha("C", "0561", "Sem suspensão"));
  m_comprovante.AdicionaInfoSubJudice(linhas);
  EXPECT_EQ(linhas, QStringList{QStringLiteral("antes")});

  TTolvItem& a = Linha("C", "0561", "Trabalho");
  a.GetSubJudice().GetRendimento(1).SetValorMonetario(R("1.000,00"));
  Adiciona(a);
  TTolvItem& b = Linha("C", "0588", "Autônomo");
  b.GetSubJudice().GetRendimento(2).SetValorMonetario(R("500,00"));
  b.GetSubJudice().GetDeposito(2).SetValorMonetario(R("75,00"));
  b.GetSubJudice().GetRendimento(13).SetValorMonetario(R("300,00"));
  b.GetSubJudice().GetDeducaoPO(13).SetValorMonetario(R("30,00"));
  b.GetSubJudice().GetDeposito(13).SetValorMonetario(R("20,00"));
  Adiciona(b);
  m_comprovante.AdicionaInfoSubJudice(linhas);
  EXPECT_EQ(linhas, QStringList({
                        QStringLiteral("antes"),
                        QString(232, u' ') +
                            QStringLiteral("Os rendimentos e os impostos depositados judicialmente, se for o caso, a "
                                           "seguir discriminados não foram adicionados às linhas 01 e 05 do Quadro 3, e "
                                           "linha 01 do Quadro 5, em razão de estarem com exigibilidade suspensa por "
                                           "determinação judicial."),
                        QStringLiteral(" - Trabalho:"),
                        QStringLiteral("    Rendimento Tributável: R$ 1.000,00"),
                        QStringLiteral(" - Autônomo:"),
                        QStringLiteral("    Rendimento Tributável: R$ 500,00   Depósito Judicial: R$ 75,00"),
                        QStringLiteral("    Décimo Terceiro Salário: R$ 250,00   Depósito Judicial: R$ 20,00"),
                    }));
}

TEST_F(ComprovantePF, HealthPlansAreListedByOperatorWithTheirDependants) {
  QStringList linhas{QStringLiteral("antes")};
  m_comprovante.GetPlanosSaude() << "|O|" << "123456780001" << "SAUDE BOA" << "1234,5"
                                 << "|D|" << "529982247" << "MARIA DA SILVA" << "100"
                                 << "|D|" << "" << QString(70, u'N') << "12345678,9"
                                 << "|O|" << "" << "SEM NUMERO" << "0";
  m_comprovante.AdicionaInfoPlanosSaude(linhas);
  const QString cabecalho = QStringLiteral("   Valor pago no ano referente aos dependentes:\r\n    CPF") +
                            QString(11, u' ') + QStringLiteral("\tNome") + QString(56, u' ') +
                            QStringLiteral("\tValor\r\n");
  EXPECT_EQ(linhas, QStringList({
                        QStringLiteral("antes"),
                        QStringLiteral("\r\n"),
                        QStringLiteral("Pagamentos a planos de saúde:"),
                        QStringLiteral("  Operadora: 12.345.678/0001-95 - SAUDE BOA\r\n   Valor pago no ano referente ao "
                                       "titular: R$ 1.234,50") + QString(10, u' '),
                        cabecalho,
                        QStringLiteral("    529.982.247-25\tMARIA DA SILVA") + QString(46, u' ') +
                            QStringLiteral("\tR$ ") + QString(7, u' ') + QStringLiteral("100,00"),
                        QString(18, u' ') + u'\t' + QString(60, u'N') + QStringLiteral("\tR$ 12.345.678,90"),
                        QStringLiteral("  Operadora:  - SEM NUMERO\r\n   Valor pago no ano referente ao titular: R$ 0,00") +
                            QString(14, u' '),
                    }));
}

TEST_F(ComprovantePF, HealthPlanEntriesOutOfStepAreListedRaw) {
  QStringList linhas;
  m_comprovante.GetPlanosSaude() << "|O|" << "123456780001" << "SAUDE BOA";
  m_comprovante.AdicionaInfoPlanosSaude(linhas);
  EXPECT_EQ(linhas, QStringList({"|O|", "123456780001", "SAUDE BOA"}));
}

TEST_F(ComprovantePF, PensionAndProfitSharingNotes) {
  QStringList linhas;
  m_comprovante.AdicionaInfoPrevidencia(linhas);
  m_comprovante.AdicionaInfoPlr(linhas);
  EXPECT_TRUE(linhas.isEmpty());

  for (const char* codigo : {"3223", "3540", "0561"}) {
    TTolvItem& l = Linha("C", codigo);
    l.GetIsentos().GetAnualOutros().SetValorMonetario(R("1.000,10"));
    Adiciona(l);
  }
  TTolvItem& plr = Linha("E", "3562", "Participação nos lucros");
  plr.GetTributaveis().GetRendimento(3).SetValorMonetario(R("10.000,00"));
  plr.GetTributaveis().GetDeducaoPA(3).SetValorMonetario(R("1.000,00"));
  plr.GetTributaveis().GetRetido(3).SetValorMonetario(R("500,00"));
  plr.GetCompensacao().GetAnoAtual(3).SetValorMonetario(R("7,00"));  // not tax withheld
  Adiciona(plr);
  m_comprovante.AdicionaInfoPrevidencia(linhas);
  m_comprovante.AdicionaInfoPlr(linhas);
  EXPECT_EQ(linhas, QStringList({
                        QString(),
                        QStringLiteral("O total informado na linha 07 do Quadro 4 já inclui o valor abatido de imposto "
                                       "sobre a renda"),
                        QStringLiteral(" relativo às contribuições efetuadas a título de previdência complementar no "
                                       "período compreendido"),
                        QStringLiteral(" entre 1º de janeiro de 1989 a 31 de dezembro de 1995, correspondente a R$ "
                                       "2.000,20."),
                        QString(),
                        QStringLiteral("O total informado na linha 02 do Quadro 5 já inclui o valor total pago a título "
                                       "de PLR"),
                        QStringLiteral(" correspondente a R$ 8.500,00."),
                    }));
}

}  // namespace
