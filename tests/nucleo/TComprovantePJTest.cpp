#include <gtest/gtest.h>

#include "ComprovanteTeste.h"
#include "nucleo/TComprovantePJ.h"
#include "suporte/QtGtest.h"

namespace {

using namespace comprovante_teste;

class ComprovantePJ : public testing::Test {
 protected:
  TTolvItem& Linha(const char* codigo, const char* regime, bool in4 = false) {
    return m_linhas.Nova(Codigo(codigo, regime, "Serviços profissionais", in4));
  }

  Linhas m_linhas;
  TComprovantePJ m_comprovante{m_linhas.m_beneficiario};
};

TEST_F(ComprovantePJ, OneRowPerMonthWithIncomeInTheOrderOfTheLines) {
  TTolvItem& a = Linha("1708", "C");
  a.GetTributaveis().GetRendimento(3).SetValorMonetario(R("1.000,00"));
  a.GetTributaveis().GetRetido(3).SetValorMonetario(R("15,00"));
  a.GetCompensacao().GetAnoAtual(3).SetValorMonetario(R("1,00"));
  a.GetTributaveis().GetRendimento(1).SetValorMonetario(R("500,00"));
  a.GetTributaveis().GetRetido(2).SetValorMonetario(R("9,00"));  // no income that month: no row
  a.GetTributaveis().GetRendimento(13).SetValorMonetario(R("700,00"));
  m_comprovante.AdicionaItem(a);
  TTolvItem& b = Linha("5952", "E", true);
  b.GetTributaveis().GetRendimento(12).SetValorMonetario(R("20,00"));
  m_comprovante.AdicionaItem(b);

  ASSERT_EQ(m_comprovante.GetQuantidadeLinhas(), 3);
  const struct {
    const char* codigo;
    int mes;
    const char* rendimento;
    const char* imposto;
    bool in4;
  } esperado[] = {{"1708", 1, "500,00", "0,00", false}, {"1708", 3, "1.000,00", "15,00", false}, {"5952", 12, "20,00", "0,00", true}};
  for (int i = 0; i < 3; ++i) {
    TRendimentoMensalPJ& l = m_comprovante.GetLinha(i);
    EXPECT_EQ(l.GetCodigo(), QString::fromLatin1(esperado[i].codigo));
    EXPECT_EQ(l.GetMes(), esperado[i].mes);
    EXPECT_EQ(T(l.GetRendimento()), QString::fromLatin1(esperado[i].rendimento));
    EXPECT_EQ(T(l.GetImposto()), QString::fromLatin1(esperado[i].imposto));
    EXPECT_EQ(l.GetIn4(), esperado[i].in4);
    EXPECT_EQ(l.GetDescricao(), QStringLiteral("Serviços profissionais"));
  }
  EXPECT_TRUE(m_comprovante.GetTemIn4());
  EXPECT_TRUE(m_comprovante.GetTemNaoIn4());
  EXPECT_EQ(m_comprovante.LocalizaLinha(QStringLiteral("1708"), 3), 1);
  EXPECT_EQ(m_comprovante.LocalizaLinha(QStringLiteral("5952"), 12), 2);
  EXPECT_EQ(m_comprovante.LocalizaLinha(QStringLiteral("1708"), 12), -1);
  // The rows keep their codes after the lines are gone.
  m_linhas.m_linhas.clear();
  EXPECT_EQ(m_comprovante.GetLinha(2).GetCodigo(), QStringLiteral("5952"));
}

TEST_F(ComprovantePJ, FinancialAndNonTaxedLinesAndTheThirteenthAloneGiveNoRows) {
  for (const char* regime : {"F", "N", "C"}) {
    TTolvItem& l = Linha("1708", regime);
    l.GetTributaveis().GetRendimento(13).SetValorMonetario(R("1,00"));
    if (*regime != 'C') l.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
    m_comprovante.AdicionaItem(l);
  }
  EXPECT_EQ(m_comprovante.GetQuantidadeLinhas(), 0);
  EXPECT_FALSE(m_comprovante.TemRendimentos());
  EXPECT_EQ(m_comprovante.GetQuantidadeItens(), 3);
  EXPECT_TRUE(m_comprovante.PodeImprimir());
}

TEST_F(ComprovantePJ, ChangesAndClearing) {
  TTolvItem& a = Linha("1708", "C");
  a.GetTributaveis().GetRendimento(1).SetValorMonetario(R("1,00"));
  m_comprovante.AdicionaItem(a);
  m_comprovante.SetModificado(false);
  EXPECT_FALSE(m_comprovante.GetModificado());
  m_comprovante.GetLinha(0).SetDescricao(QStringLiteral("Consultoria"));
  EXPECT_TRUE(m_comprovante.GetModificado());
  m_comprovante.SetModificado(false);
  EXPECT_FALSE(m_comprovante.GetLinha(0).GetModificado());
  m_comprovante.GetInfoComplementarIn4().SetValor(QStringLiteral("IN4"));
  EXPECT_TRUE(m_comprovante.GetModificado());

  m_comprovante.Limpar();
  EXPECT_EQ(m_comprovante.GetQuantidadeLinhas(), 0);
  EXPECT_FALSE(m_comprovante.TemRendimentos());
  EXPECT_FALSE(m_comprovante.TemLinhaDeclaracao());
  EXPECT_EQ(m_comprovante.GetInfoComplementarIn4().GetValor(), QString());
}

}  // namespace
