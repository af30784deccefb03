#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

#include "controles/TFoNovidade.h"
#include "nucleo/TArquivoIni.h"

namespace {

QString jahMostrou() {
  return TArquivoIni::LeString(QStringLiteral("Geral"), QStringLiteral("JahMostrou"), "?");
}

void clica(QWidget* w) {
  const QPointF p(2, 2);
  QMouseEvent solta(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &solta);
}

}  // namespace

TEST(TFoNovidade, BoxWritesTheSettingBothWays) {
  PastaProgramaTemp pasta;
  TFoNovidade janela;
  janela.show();
  auto* caixa = janela.findChild<QCheckBox*>("chkNaoMostrar");
  ASSERT_NE(caixa, nullptr);
  EXPECT_EQ(caixa->text(), "Não exibir tela novamente");
  EXPECT_FALSE(caixa->isChecked());
  EXPECT_EQ(jahMostrou(), "?");  // opening writes nothing
  caixa->click();
  EXPECT_EQ(jahMostrou(), "1");
  caixa->click();
  EXPECT_EQ(jahMostrou(), "0");
}

TEST(TFoNovidade, OpensWithTheBoxAsTheSettingSays) {
  PastaProgramaTemp pasta;
  TArquivoIni::GravaString("geral", "jahmostrou", "1");
  TFoNovidade janela;
  EXPECT_TRUE(janela.findChild<QCheckBox*>("chkNaoMostrar")->isChecked());
  EXPECT_EQ(janela.windowTitle(), "Novidades");
  EXPECT_EQ(janela.size(), QSize(452, 261));
}

TEST(TFoNovidade, TopicTextOpensAndClosesAndAnyKeyCloses) {
  PastaProgramaTemp pasta;
  TFoNovidade janela;
  janela.show();
  auto* topico = janela.findChild<QLabel*>("LbTopico2");
  ASSERT_NE(topico, nullptr);
  EXPECT_EQ(topico->text(), "Copa das Confederações 2013 e Copa do Mundo 2014");
  clica(topico);
  EXPECT_EQ(janela.topicoAberto(), 1);
  clica(topico);
  EXPECT_EQ(janela.topicoAberto(), -1);
  clica(janela.findChild<QLabel*>("LbTopico5"));
  EXPECT_EQ(janela.topicoAberto(), 4);

  QKeyEvent tecla(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(janela.findChild<QCheckBox*>("chkNaoMostrar"), &tecla);
  EXPECT_FALSE(janela.isVisible());
  EXPECT_EQ(janela.result(), QDialog::Accepted);
}
