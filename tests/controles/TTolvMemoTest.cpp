#include "controles/TTolvMemo.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "nucleo/Erros.h"
#include "nucleo/Texto.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

// A text that refuses any 'x'.
class TTextoSemX : public TTexto {
 public:
  void SetValor(const QString& texto) override {
    if (texto.contains(u'x')) throw TErro(71);
    TTexto::SetValor(texto);
  }
};

class MemoNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    texto.SetValor(QStringLiteral("linha"));
    auto* layout = new QVBoxLayout(&janela);
    memo = new TTolvMemo(&janela);
    memo->setObjectName("mmTexto");
    layout->addWidget(memo);
    seguinte = new QLineEdit(&janela);
    seguinte->setObjectName("edSeguinte");
    layout->addWidget(seguinte);
    memo->Associa(&texto);
    ASSERT_TRUE(AtivaJanela(&janela));
    seguinte->setFocus(Qt::OtherFocusReason);
  }

  static QWidget* focado() { return QApplication::focusWidget(); }
  void entra() { memo->setFocus(Qt::TabFocusReason); }

  CaixaMensagemFalsa caixa;
  TTextoSemX texto;
  QWidget janela;
  TTolvMemo* memo;
  QLineEdit* seguinte;
};

TEST_F(MemoNaJanela, LinhasEmBrancoEBarrasSaemAoGravar) {
  entra();
  EXPECT_EQ(memo->textCursor().selectedText(), "linha");
  QTest::keyClicks(memo, "a|b");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClicks(memo, "  ");
  QTest::keyClick(memo, Qt::Key_Return);
  QTest::keyClick(memo, Qt::Key_Tab);
  EXPECT_EQ(focado(), seguinte);
  EXPECT_EQ(texto.GetValor(), "ab");
  EXPECT_EQ(memo->toPlainText(), "ab");
}

TEST_F(MemoNaJanela, TextoRecusadoMantemFocoETexto) {
  entra();
  QTest::keyClicks(memo, "xis");
  QTest::keyClick(memo, Qt::Key_Tab);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, "Valor inválido.");
  EXPECT_EQ(focado(), memo);
  EXPECT_EQ(memo->toPlainText(), "xis");
  EXPECT_EQ(texto.GetValor(), "linha");
}

TEST_F(MemoNaJanela, TextoMudadoPorCodigoApareceEDestruidoEhEsquecido) {
  texto.SetValor(QStringLiteral("outra"));
  EXPECT_EQ(memo->toPlainText(), "outra");

  auto livre = std::make_unique<TTexto>();
  memo->Associa(livre.get());
  EXPECT_FALSE(texto.TemObservador(memo));
  EXPECT_EQ(memo->toPlainText(), "");
  livre.reset();
  EXPECT_EQ(memo->Texto(), nullptr);
  entra();
  QTest::keyClicks(memo, "solto");
  seguinte->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(memo->toPlainText(), "solto");
  EXPECT_TRUE(caixa.chamadas().empty());
}

}  // namespace
