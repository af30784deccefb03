#include <gtest/gtest.h>

#include <QProgressBar>
#include <QTest>

#include "controles/TTolvButton.h"
#include "interface/TFoCalculaResumo.h"
#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"

namespace {

// A company's declaration with twelve lines of the declarant and a fund, and stale summaries.
class JanelaRecalculo : public declaracao_teste::ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    QString sql = QStringLiteral(
        "INSERT INTO FONTES (FONTE_DK, IN_TIPO, IN_PF_PJ, NR_PF_PJ) VALUES (2, 0, '2', '222222222222');"
        "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF, TOT_REND, OK) VALUES (1, 7, 70, 0);");
    for (int i = 1; i <= 12; ++i)
      sql += QStringLiteral("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, "
                            "VL_RENDIME_JAN, VL_RENDIME_13) VALUES (%1, %2, '0561', '1', '%3', 100.25, 0.0001);")
                 .arg(i)
                 .arg(i % 2 + 1)
                 .arg(100000000 + i);
    m_pasta.roda(kBanco, sql);
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_tolv.SetFonteDK(QStringLiteral("1"));
    m_tolv.SetInAdmFC(1);
    m_tolv.CarregaResumos();
    m_intervalo = TFoCalculaResumo::DefineIntervaloProgresso(0);
  }
  void TearDown() override {
    TFoCalculaResumo::DefineIntervaloProgresso(m_intervalo);
    TFoCalculaResumo::DefineObservador({});
    ComDeclaracao::TearDown();
  }

  int m_intervalo = 50;
};

TEST_F(JanelaRecalculo, ACompletedRunShowsItsProgressAndMarksTheTotalsCurrent) {
  std::vector<int> passos;
  int maximo = 0;
  TFoCalculaResumo::DefineObservador([&](TFoCalculaResumo& janela, int linhas) {
    EXPECT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Resumo da Declaração"));
    passos.push_back(janela.Gauge()->value());
    maximo = janela.Gauge()->maximum();
    EXPECT_EQ(janela.Gauge()->value(), linhas);
  });
  EXPECT_EQ(TFoCalculaResumo::Executa(m_tolv, nullptr), 1);
  EXPECT_EQ(TFoCalculaResumo::Instancia(), nullptr);
  // Twelve lines, times 1.02, truncated.
  EXPECT_EQ(maximo, 12);
  ASSERT_FALSE(passos.empty());
  EXPECT_EQ(passos.back(), 12);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 1);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotBenef().GetValorInterno(), Valor::deReais(12));
  EXPECT_EQ(m_tolv.GetResumoGeral().GetTotRend().GetValorInterno(), Valor::deTexto(QStringLiteral("1.203,0012")));
  EXPECT_EQ(m_tolv.GetResumo().GetTotBenef().GetValorInterno(), Valor::deReais(6));
}

TEST_F(JanelaRecalculo, CancellingAnswersTwoAndKeepsTheStaleTotalsMarkedSo) {
  TFoCalculaResumo::DefineObservador([](TFoCalculaResumo& janela, int linhas) {
    if (linhas == 8) QTest::mouseClick(janela.BtCancelar(), Qt::LeftButton);
  });
  EXPECT_EQ(TFoCalculaResumo::Executa(m_tolv, nullptr), 2);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
  EXPECT_EQ(m_tolv.GetResumo().GetTotBenef().GetValorInterno(), Valor::deReais(7));
  EXPECT_EQ(m_pasta.le(kBanco, QStringLiteral("SELECT OK || '/' || TOT_BENEF FROM RESUMOS WHERE E_FONTE_DK = 1")),
            QStringLiteral("0/7"));
  EXPECT_EQ(m_pasta.le(kBanco, QStringLiteral("SELECT COUNT(*) FROM RESUMOS")), QStringLiteral("1"));

  // Escape cancels as well.
  TFoCalculaResumo::DefineObservador([](TFoCalculaResumo& janela, int linhas) {
    if (linhas == 2) QTest::keyClick(&janela, Qt::Key_Escape);
  });
  EXPECT_EQ(TFoCalculaResumo::Executa(m_tolv, nullptr), 2);
  EXPECT_EQ(m_tolv.GetResumoGeral().GetOk(), 0);
}

TEST_F(JanelaRecalculo, ASecondRequestWhileOneRunsDoesNothing) {
  int segunda = -1;
  TFoCalculaResumo::DefineObservador([&](TFoCalculaResumo&, int linhas) {
    if (linhas == 1) segunda = TFoCalculaResumo::Executa(m_tolv, nullptr);
  });
  EXPECT_EQ(TFoCalculaResumo::Executa(m_tolv, nullptr), 1);
  EXPECT_EQ(segunda, 0);
}

}  // namespace
