#include "controles/TTolvEditNi.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "controles/TErroEdit.h"
#include "nucleo/Cnpj.h"
#include "nucleo/Cpf.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

class EditNiNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    TErroEdit::RetiraErro();
    cpf.SetNi(QStringLiteral("12345678909"));
    cnpj.SetNi(QStringLiteral("11222333000181"));
    auto* layout = new QVBoxLayout(&janela);
    for (const char* nomeObjeto : {"edCpf", "edCnpj"}) {
      auto* e = new TTolvEditNi(&janela);
      e->setObjectName(nomeObjeto);
      layout->addWidget(e);
    }
    auto* seguinte = new QLineEdit(&janela);
    seguinte->setObjectName("edSeguinte");
    layout->addWidget(seguinte);
    edCpf = janela.findChild<TTolvEditNi*>("edCpf");
    edCnpj = janela.findChild<TTolvEditNi*>("edCnpj");
    edCpf->SetNi(&cpf);
    edCnpj->SetNi(&cnpj);
    ASSERT_TRUE(AtivaJanela(&janela));
    seguinte->setFocus(Qt::OtherFocusReason);
  }

  static QWidget* focado() { return QApplication::focusWidget(); }
  static void foca(QWidget* w) { w->setFocus(Qt::TabFocusReason); }

  CaixaMensagemFalsa caixa;
  TCpf cpf;
  TCnpj cnpj;
  QWidget janela;
  TTolvEditNi *edCpf, *edCnpj;
};

TEST_F(EditNiNaJanela, MostraAMascaraForaEOsDigitosDentro) {
  EXPECT_EQ(edCpf->text(), "123.456.789-09");
  EXPECT_EQ(edCnpj->text(), "11.222.333/0001-81");
  foca(edCnpj);
  EXPECT_EQ(edCnpj->text(), "11222333000181");
  EXPECT_EQ(edCnpj->selectedText(), "11222333000181");
  foca(edCpf);
  EXPECT_EQ(edCnpj->text(), "11.222.333/0001-81");
}

TEST_F(EditNiNaJanela, DigitaSoCatorzeDigitos) {
  foca(edCnpj);
  QTest::keyClicks(edCnpj, "11.222a333/0001-81");
  EXPECT_EQ(edCnpj->text(), "11222333000181");
  QTest::keyClicks(edCnpj, "9");
  EXPECT_EQ(edCnpj->text(), "11222333000181");
}

TEST_F(EditNiNaJanela, NumeroColadoComMascaraEntraSoComOsDigitos) {
  foca(edCnpj);
  QApplication::clipboard()->setText(QStringLiteral(" 11.222.333/0001-81 "));
  QTest::keyClick(edCnpj, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edCnpj->text(), "11222333000181");
}

TEST_F(EditNiNaJanela, NumeroInvalidoFicaNaEdicaoComAMensagem) {
  foca(edCpf);
  QTest::keyClicks(edCpf, "12345678900");
  QTest::keyClick(edCpf, Qt::Key_Tab);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, QStringLiteral("CPF inválido: 123.456.789-00."));
  EXPECT_EQ(focado(), edCpf);
  EXPECT_EQ(edCpf->text(), "12345678900");
  EXPECT_EQ(cpf.GetNiDigitos(), "12345678909");
  EXPECT_EQ(TErroEdit::RetiraErro(), 35);

  QTest::keyClicks(edCpf, "11144477735");
  QTest::keyClick(edCpf, Qt::Key_Tab);
  EXPECT_EQ(focado(), edCnpj);
  EXPECT_EQ(cpf.GetNiDigitos(), "11144477735");
  EXPECT_EQ(edCpf->text(), "111.444.777-35");
}

TEST_F(EditNiNaJanela, NumeroDestruidoEhEsquecido) {
  auto outro = std::make_unique<TCpf>();
  outro->SetNi(QStringLiteral("11144477735"));
  edCpf->SetNi(outro.get());
  EXPECT_EQ(edCpf->text(), "111.444.777-35");
  outro.reset();
  EXPECT_EQ(edCpf->Ni(), nullptr);
  foca(edCpf);
  QTest::keyClicks(edCpf, "1");
  foca(edCnpj);
  EXPECT_TRUE(caixa.chamadas().empty());
}

}  // namespace
