#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "suporte/QtGtest.h"

#include "controles/CaixaMensagemTolv.h"
#include "controles/TFormMessageTolv.h"
#include "controles/TRastreadorFoco.h"
#include "controles/TTolvEdit.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Texto.h"
#include "suporte/JanelaAtiva.h"

namespace {

const char* const kImagens[] = {"ImageErro", "Imageaviso", "ImageInformacao", "ImageDuvida"};

QString imagemVisivel(const TFormMessageTolv& caixa) {
  QString visivel;
  for (const char* nome : kImagens) {
    auto* img = caixa.findChild<QLabel*>(nome);
    if (img && img->isVisibleTo(&caixa)) {
      EXPECT_TRUE(visivel.isEmpty()) << "two icons shown";
      visivel = QString::fromLatin1(nome);
    }
  }
  return visivel;
}

bool visivel(const TFormMessageTolv& caixa, const char* nome) {
  auto* w = caixa.findChild<QWidget*>(nome);
  EXPECT_NE(w, nullptr) << nome;
  return w && w->isVisibleTo(&caixa);
}

void tecla(QWidget* w, int codigo) {
  QKeyEvent aperta(QEvent::KeyPress, codigo, Qt::NoModifier);
  QApplication::sendEvent(w, &aperta);
}

struct CasoIcone {
  int flags;
  const char* imagem;  // "" for none
  bool simNao;
};

class IconeEBotoes : public testing::TestWithParam<CasoIcone> {};

}  // namespace

TEST_P(IconeEBotoes, FollowTheFlags) {
  const CasoIcone c = GetParam();
  TFormMessageTolv caixa(QStringLiteral("Texto"), QStringLiteral("Título"), c.flags);
  EXPECT_EQ(imagemVisivel(caixa), QString::fromLatin1(c.imagem));
  EXPECT_EQ(visivel(caixa, "Panel2"), *c.imagem != '\0');
  EXPECT_EQ(visivel(caixa, "Panel4"), c.simNao);
  EXPECT_EQ(visivel(caixa, "Panel5"), c.simNao);
  EXPECT_EQ(visivel(caixa, "Panel6"), !c.simNao);
  EXPECT_EQ(caixa.windowTitle(), "Título");
}

INSTANTIATE_TEST_SUITE_P(
    Flags, IconeEBotoes,
    testing::Values(CasoIcone{36, "ImageDuvida", true}, CasoIcone{32, "ImageDuvida", false},
                    CasoIcone{0, "", false}, CasoIcone{4, "", true}, CasoIcone{52, "Imageaviso", true},
                    CasoIcone{48, "Imageaviso", false}, CasoIcone{16, "ImageErro", false},
                    CasoIcone{20, "ImageErro", true}, CasoIcone{64, "ImageInformacao", false},
                    CasoIcone{68, "ImageInformacao", true}, CasoIcone{112, "ImageInformacao", false}));

TEST(TFormMessageTolv, ButtonsCarryTheirCaptions) {
  TFormMessageTolv caixa(QStringLiteral("x"), QStringLiteral("y"), 36);
  EXPECT_EQ(caixa.findChild<QPushButton*>("SpeedButton1")->text(), "&Sim");
  EXPECT_EQ(caixa.findChild<QPushButton*>("SpeedButton2")->text(), "&Não");
  EXPECT_EQ(caixa.findChild<QPushButton*>("SpeedButton3")->text(), "&OK");
}

TEST(TFormMessageTolv, HeightFollowsTheLinesOfTheText) {
  struct Caso {
    QString texto;
    int linhas;
  };
  const Caso casos[] = {
      {QStringLiteral("uma\nduas\ntrês"), 3},
      {QStringLiteral("uma\r\nduas\r\ntrês\r\n"), 3},  // a final break opens no line
      {QStringLiteral("uma\rduas"), 2},
      {QStringLiteral("antes\n\ndepois"), 3},
      {QStringLiteral("Uma linha só"), 1},
  };
  for (const Caso& c : casos) {
    TFormMessageTolv caixa(c.texto, QStringLiteral("Aviso"), 64);
    EXPECT_EQ(caixa.quantidadeLinhas(), c.linhas) << c.texto.toStdString();
    EXPECT_EQ(caixa.height(), c.linhas * 13 + 90 + 41) << c.texto.toStdString();
  }
}

TEST(TFormMessageTolv, LongLinesWrapAtThreeHundredPixels) {
  const QString longa = QStringLiteral("palavra ").repeated(60).trimmed();
  TFormMessageTolv caixa(longa, QStringLiteral("Aviso"), 64);
  EXPECT_GT(caixa.quantidadeLinhas(), 3);
  EXPECT_EQ(caixa.height(), caixa.quantidadeLinhas() * 13 + 131);
  EXPECT_LE(caixa.width(), 300 + 110);
  // A word longer than the box is broken too, not left to run out of it.
  TFormMessageTolv caminho(QStringLiteral("/pasta").repeated(40), QStringLiteral("Aviso"), 64);
  EXPECT_GT(caminho.quantidadeLinhas(), 1);
  EXPECT_LE(caminho.width(), 300 + 110);
}

TEST(TFormMessageTolv, KeysPressTheButtons) {
  struct Caso {
    int flags;
    int tecla;
    int resposta;
  };
  const Caso casos[] = {{36, Qt::Key_Return, 6}, {36, Qt::Key_Enter, 6}, {36, Qt::Key_Space, 6},
                        {36, Qt::Key_Escape, 7}, {0, Qt::Key_Return, 1},  {0, Qt::Key_Escape, 1},
                        {64, Qt::Key_Space, 1},  {16, Qt::Key_Escape, 1}};
  for (const Caso& c : casos) {
    TFormMessageTolv caixa(QStringLiteral("Texto"), QStringLiteral("T"), c.flags);
    caixa.show();
    tecla(&caixa, c.tecla);
    EXPECT_EQ(caixa.resposta(), c.resposta) << c.flags << " " << c.tecla;
    EXPECT_FALSE(caixa.isVisible());
  }
}

TEST(TFormMessageTolv, ClosingWithoutAButtonAnswersNothing) {
  TFormMessageTolv caixa(QStringLiteral("Texto"), QStringLiteral("T"), 36);
  caixa.show();
  caixa.close();
  EXPECT_EQ(caixa.resposta(), 0);

  TFormMessageTolv outra(QStringLiteral("Texto"), QStringLiteral("T"), 36);
  outra.show();
  outra.findChild<QPushButton*>("SpeedButton2")->click();
  EXPECT_EQ(outra.resposta(), 7);
}

TEST(CaixaMensagemTolv, InstalledBoxShowsEveryMessageModally) {
  CaixaMensagemTolv caixa;
  ICaixaMensagem* anterior = InstalaCaixaMensagem(&caixa);
  QString titulo;
  QTimer::singleShot(0, [&] {
    TFormMessageTolv* atual = TFormMessageTolv::atual();
    ASSERT_NE(atual, nullptr);
    titulo = atual->windowTitle();
    tecla(atual, Qt::Key_Escape);
  });
  const int r = ExibeMensagem(QStringLiteral("Deseja continuar?"), TipoMensagem::Confirmacao);
  InstalaCaixaMensagem(anterior);
  EXPECT_EQ(r, 7);
  EXPECT_EQ(titulo, "Confirmação");
  EXPECT_EQ(TFormMessageTolv::atual(), nullptr);
}

// A refusal shown in the box while a field is being left: once it is answered, the keys typed
// at once go into the field that kept the focus, whether or not the window manager (here none)
// gives the window its activation back.
TEST(CaixaMensagemTolv, KeysTypedRightAfterTheAnswerReachTheField) {
  CaixaMensagemTolv caixa;
  ICaixaMensagem* anterior = InstalaCaixaMensagem(&caixa);
  TTexto primeiro, segundo;
  QWidget janela;
  auto* layout = new QVBoxLayout(&janela);
  auto* campo = new TTolvEdit(&janela);
  campo->AssociaDado(&primeiro);
  layout->addWidget(campo);
  auto* outro = new TTolvEdit(&janela);
  outro->AssociaDado(&segundo);
  layout->addWidget(outro);
  ASSERT_TRUE(AtivaJanela(&janela));
  const int registro = TRastreadorFoco::instancia().registra(campo, [](QWidget*) {
    // Answered once it is in front, as a user does.
    QTimer::singleShot(0, [] {
      EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == TFormMessageTolv::atual(); }));
      tecla(TFormMessageTolv::atual(), Qt::Key_Return);
    });
    ExibeMensagem(QStringLiteral("Registro ANS inválido"), TipoMensagem::Erro);
    return false;
  });
  campo->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(campo, QStringLiteral("12"));
  QTest::keyClick(campo, Qt::Key_Tab);
  TRastreadorFoco::instancia().cancela(registro);
  ASSERT_EQ(QApplication::focusWidget(), campo);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("34"));
  EXPECT_EQ(campo->text(), "1234");
  EXPECT_EQ(QApplication::activeWindow(), &janela);
  InstalaCaixaMensagem(anterior);
}
