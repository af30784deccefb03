#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

#include <vector>

#include "suporte/QtGtest.h"

#include "controles/AnimacaoSobre.h"
#include "controles/TfmSobre.h"

namespace {

struct CasoCredito {
  const char* linha;
  const char* texto;
  int fonte;
};

class Credito : public testing::TestWithParam<CasoCredito> {};

}  // namespace

TEST_P(Credito, TagChoosesTheFontAndLeavesTheText) {
  const TfmSobre::Credito c = TfmSobre::interpretaCredito(QString::fromUtf8(GetParam().linha));
  EXPECT_EQ(c.texto, QString::fromUtf8(GetParam().texto));
  EXPECT_EQ(c.fonte, GetParam().fonte);
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, Credito,
    testing::Values(CasoCredito{"<F3>Realização", "Realização", 3}, CasoCredito{"Realização", "Realização", 4},
                    CasoCredito{"<F1>A", "A", 1}, CasoCredito{"<F2>B", "B", 2}, CasoCredito{"<F5>C", "C", 5},
                    CasoCredito{"<F4>D", "D", 4}, CasoCredito{"<F9>E", "E", 4}, CasoCredito{"", "", 4}));

TEST(TfmSobre, CreditsStartWithTheProgramAndScrollRoundWhileShown) {
  TfmSobre sobre(QStringLiteral("Versão 1.5"));
  EXPECT_EQ(sobre.windowTitle(), "Sobre a Tolv 2014");
  EXPECT_EQ(sobre.findChild<QLabel*>("LbVersao")->text(), "Versão 1.5");
  const auto linhas = sobre.findChildren<QLabel*>("LbCredito");
  ASSERT_FALSE(linhas.isEmpty());
  EXPECT_EQ(linhas.first()->text(), "Programa Tolv 2014");
  EXPECT_EQ(linhas.first()->property("fonteCredito").toInt(), 1);

  sobre.show();
  EXPECT_FALSE(sobre.creditosVisiveis());
  sobre.alternaCreditos();
  ASSERT_TRUE(sobre.creditosVisiveis());
  QWidget* painel = sobre.findChild<QWidget*>("PnCreditos");
  EXPECT_EQ(painel->y(), 1);
  sobre.rolaCreditos();
  EXPECT_EQ(painel->y(), 0);
  int passos = 1;
  while (painel->y() != 1 && passos < 10000) {
    sobre.rolaCreditos();
    ++passos;
  }
  EXPECT_EQ(passos, painel->height() + 17);  // from 1 to -(height + 16), then back to the top
  sobre.rolaCreditos();
  sobre.alternaCreditos();
  EXPECT_FALSE(sobre.creditosVisiveis());
  EXPECT_EQ(painel->y(), 1);
}

TEST(AnimacaoSobre, RunsThroughItsPhasesAndStartsAgain) {
  QImage primeira(20, 20, QImage::Format_RGB32);
  primeira.fill(QColor(0x20, 0x40, 0x60));
  QImage segunda(60, 60, QImage::Format_RGB32);
  segunda.fill(QColor(0x40, 0x60, 0x80));
  QPainter(&segunda).fillRect(0, 50, 60, 4, QColor(0x00, 0x00, 0x80));
  AnimacaoSobre animacao(primeira, segunda, QSize(60, 60), 7);
  EXPECT_EQ(animacao.quantidadeParticulas(), 100);
  EXPECT_FALSE(animacao.todasEmCasa());

  std::vector<int> fases{animacao.fase()};
  for (int i = 0; i < 5000 && fases.size() < 5; ++i) {
    animacao.passo();
    if (animacao.fase() != fases.back()) {
      fases.push_back(animacao.fase());
      if (animacao.fase() == 3) {
        EXPECT_TRUE(animacao.todasEmCasa());
        // The particles rebuilt the first picture in the middle.
        EXPECT_EQ(animacao.quadro().pixel(30, 30), primeira.pixel(10, 10));
      }
    }
  }
  EXPECT_EQ(fases, (std::vector<int>{1, 2, 3, 4, 1}));
}
