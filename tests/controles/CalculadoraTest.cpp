#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPlainTextEdit>
#include <QTest>

#include "controles/Calculadora.h"
#include "controles/TCLEDLabel.h"
#include "controles/TFoCalcula.h"
#include "nucleo/DragMonetario.h"

namespace {

using Modo = Calculadora::ModoDecimais;

// Keys as the window's keyboard gives them: "\r" Enter, "\x1b" Escape, "\b" Backspace.
struct Caso {
  const char* nome;
  Modo modo;
  const char* teclas;
  const char* visor;  // nullptr: the error pattern
  std::vector<const char*> fita;  // the tape's last lines
};

void PrintTo(const Caso& c, std::ostream* os) { *os << c.nome; }

class Teclas : public testing::TestWithParam<Caso> {};

TEST_P(Teclas, GiveTheDisplayAndTheTape) {
  const Caso& c = GetParam();
  Calculadora calc;
  calc.DefineModo(c.modo);
  for (char t : std::string(c.teclas)) calc.Tecla(QChar::fromLatin1(t));
  if (c.visor) {
    EXPECT_FALSE(calc.Erro());
    EXPECT_EQ(calc.Visor(), QString::fromUtf8(c.visor));
  } else {
    EXPECT_TRUE(calc.Erro());
  }
  QStringList esperada;
  for (const char* linha : c.fita) esperada << QString::fromUtf8(linha);
  EXPECT_EQ(calc.Fita().mid(calc.Fita().size() - esperada.size()), esperada);
}

INSTANTIATE_TEST_SUITE_P(
    Calculadora, Teclas,
    testing::Values(
        Caso{"SomaEmDuasCasas", Modo::Fixa2, "5+3=", "8,00", {"5+", "3 ", "8,00="}},
        Caso{"AcimaDoLimiteEhErro", Modo::Fixa2, "99999999999+1=", nullptr, {"99.999.999.999+", "1 ", "** Erro **"}},
        Caso{"NoLimiteNaoEhErro", Modo::Fixa2, "99999999998,99+1=", "99.999.999.999,99", {"99.999.999.999,99="}},
        Caso{"LivreSemZeros", Modo::Livre, "1/4=", "0,25", {"0,25="}},
        Caso{"QuatroCasas", Modo::Fixa4, "1/4=", "0,2500", {"0,2500="}},
        Caso{"DigitandoSoAsCasasDigitadas", Modo::Fixa2, "1234567,891", "1.234.567,891", {}},
        Caso{"VirgulaDigitadaAparece", Modo::Fixa2, "12,", "12,", {}},
        Caso{"DecimoSegundoDigitoRecusado", Modo::Fixa2, "123456789012", "12.345.678.901", {}},
        Caso{"VirgulaAposOnzeDigitos", Modo::Fixa2, "12345678901,5", "12.345.678.901,5", {}},
        Caso{"DivisaoPorZeroEhErro", Modo::Livre, "5/0=", nullptr, {"5/", "0 ", "** Erro **"}},
        Caso{"SemErroDeBinario", Modo::Livre, "0,1+0,2=", "0,3", {"0,3="}},
        Caso{"TercoVezesTres", Modo::Livre, "1/3=*3=", "1", {"1="}},
        Caso{"CortaEmDuasCasas", Modo::Fixa2, "2/3=", "0,66", {"0,66="}},
        Caso{"CortaEmQuatroCasas", Modo::Fixa4, "2/3=", "0,6666", {"0,6666="}},
        Caso{"CortaNoLimiteDeTrezeDigitos", Modo::Livre, "2000000/3=", "666.666,6666666", {}},
        Caso{"CortaOQueOModoNaoMostra", Modo::Fixa2, "1,999*1=", "1,99", {"1,99="}},
        Caso{"NoveCasasNoLivre", Modo::Livre, "2/3=", "0,666666667", {}},
        Caso{"TrezeDigitosNoMaximo", Modo::Livre, "1234567/3=", "411.522,3333333", {}},
        Caso{"Encadeadas", Modo::Fixa2, "5+3+2=", "10,00", {"5+", "3+", "8,00=", "8,00+", "2 ", "10,00="}},
        Caso{"SegundaOperacaoSoTroca", Modo::Fixa2, "6+*7=", "42,00", {"6+", "6,00x", "7 ", "42,00="}},
        Caso{"Sinal", Modo::Fixa2, "8S", "-8", {"-8="}},
        Caso{"NegativoMenosPositivo", Modo::Fixa2, "3-5=", "-2,00", {"-2,00="}},
        Caso{"NegativoGrandeEhErro", Modo::Fixa2, "0-99999999999=*10=", nullptr, {}},
        Caso{"CorrigeApagaUmDigito", Modo::Livre, "123\b", "12", {}},
        Caso{"CorrigeCancelaAOperacao", Modo::Fixa2, "5+\b=", "5,00", {"5+", "5,00="}},
        Caso{"LimpaTudo", Modo::Fixa2, "5+3\x1b", "0", {"5+", "0C"}},
        Caso{"MemoriaSomaELe", Modo::Fixa2, "7M+\x1b" "2M+\x1bMR", "9,00", {"0C", "9,00M"}},
        Caso{"MemoriaSubtrai", Modo::Fixa2, "7M+\x1b" "2M-\x1bMR", "5,00", {"5,00M"}},
        Caso{"PontoEhVirgula", Modo::Livre, "2.5*2=", "5", {"5="}}));

TEST(Calculadora, MemoryRecallTwiceClearsTheMemory) {
  Calculadora calc;
  for (QChar t : QStringLiteral("7M+\x1bMR")) calc.Tecla(t);
  EXPECT_TRUE(calc.MostraMemoria());
  EXPECT_EQ(calc.Memoria(), NumeroCalculadora::deInteiro(7));
  calc.Tecla(u'M');
  calc.Tecla(u'R');
  EXPECT_FALSE(calc.MostraMemoria());
  EXPECT_EQ(calc.Memoria(), NumeroCalculadora());
  EXPECT_EQ(calc.Fita().mid(calc.Fita().size() - 2), QStringList({"7,00M", "7,00M"}));

  // AC on an empty calculator clears the memory too; with a value typed it keeps it.
  for (QChar t : QStringLiteral("4M+\x1b")) calc.Tecla(t);
  EXPECT_TRUE(calc.MostraMemoria());
  calc.Tecla(u'\x1b');
  EXPECT_FALSE(calc.MostraMemoria());
}

TEST(Calculadora, AnErrorEmptiesTheRegistersButTheMemoryAndNeverHoldsInfinity) {
  Calculadora calc;
  for (QChar t : QStringLiteral("3M+8/0=")) calc.Tecla(t);
  EXPECT_TRUE(calc.Erro());
  EXPECT_TRUE(calc.Digitado().isEmpty());
  EXPECT_EQ(calc.ValorAtual(), NumeroCalculadora());
  EXPECT_EQ(calc.Acumulador(), NumeroCalculadora());
  EXPECT_TRUE(calc.OperacaoPendente().isNull());
  EXPECT_EQ(calc.Memoria(), NumeroCalculadora::deInteiro(3));
  // The next number starts afresh and clears the pattern.
  calc.Tecla(u'4');
  EXPECT_FALSE(calc.Erro());
  EXPECT_EQ(calc.Visor(), QStringLiteral("4"));

  // A value of twelve integer digits shows the pattern but keeps the registers.
  Calculadora grande;
  for (QChar t : QStringLiteral("0-99999999999=*10=")) grande.Tecla(t);
  EXPECT_TRUE(grande.Erro());
  EXPECT_EQ(grande.ValorAtual(), NumeroCalculadora::deInteiro(-999999999990));
  EXPECT_TRUE(grande.NovoNumero());
  // Products far beyond what 128 bits hold fail instead of wrapping.
  EXPECT_FALSE(NumeroCalculadora::multiplica(NumeroCalculadora::deInteiro(99999999999),
                                             NumeroCalculadora::deInteiro(99999999999)));
}

TEST(Calculadora, TextsOfResultsAndTheMask) {
  EXPECT_EQ(NumeroCalculadora::divide(NumeroCalculadora::deInteiro(1), NumeroCalculadora::deInteiro(3))->texto(),
            QStringLiteral("0,333333333333"));
  EXPECT_EQ(NumeroCalculadora::deInteiro(-8).texto(), QStringLiteral("-8"));
  EXPECT_EQ(NumeroCalculadora::deTexto(QStringLiteral("12345678901,123456"))->texto(), QStringLiteral("12345678901,1235"));
  EXPECT_EQ(FormataMascara(QStringLiteral("ZZZ.ZZ9,99"), *NumeroCalculadora::deTexto(QStringLiteral("1234,567"))),
            QStringLiteral("  1.234,57"));
  EXPECT_EQ(FormataMascara(QStringLiteral("-ZZ9.999,9"), *NumeroCalculadora::deTexto(QStringLiteral("-5,25"))),
            QStringLiteral("-  0.005,3"));
  EXPECT_EQ(FormataMascara(QStringLiteral("-ZZ9"), NumeroCalculadora::deInteiro(12345)), QStringLiteral(" 345"));
}

TEST(Calculadora, DragOffersOnlyAValueThatIsNotNegative) {
  Calculadora calc;
  EXPECT_FALSE(calc.ValorArrastavel());
  for (QChar t : QStringLiteral("12,5")) calc.Tecla(t);
  ASSERT_TRUE(calc.ValorArrastavel());
  EXPECT_EQ(*calc.ValorArrastavel(), *NumeroCalculadora::deTexto(QStringLiteral("12,5")));
  calc.Tecla(u'S');
  EXPECT_FALSE(calc.ValorArrastavel());
}

// The window over a calculator of its own.
struct CasoArrasto {
  Modo modo;
  const char* teclas;
  const char* arrastado;
};

class ArrastoDoVisor : public testing::TestWithParam<CasoArrasto> {};

// The amount dragged from the display is the one it shows, cut at an amount's four decimals.
TEST_P(ArrastoDoVisor, CarriesWhatTheDisplayShows) {
  const CasoArrasto& c = GetParam();
  Calculadora calc;
  calc.DefineModo(c.modo);
  for (char t : std::string(c.teclas)) calc.Tecla(QChar::fromLatin1(t));
  ASSERT_TRUE(calc.ValorArrastavel()) << calc.Visor().toStdString();
  EXPECT_EQ(*calc.ValorArrastavel(), *NumeroCalculadora::deTexto(QString::fromLatin1(c.arrastado)))
      << calc.Visor().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Calculadora, ArrastoDoVisor,
                         testing::Values(CasoArrasto{Modo::Fixa2, "2/3=", "0,66"},
                                         CasoArrasto{Modo::Fixa4, "2/3=", "0,6666"},
                                         CasoArrasto{Modo::Livre, "2/3=", "0,6666"},
                                         CasoArrasto{Modo::Fixa2, "1234567,891", "1234567,891"},
                                         CasoArrasto{Modo::Fixa2, "12,", "12"},
                                         CasoArrasto{Modo::Fixa2, "2000000/3=", "666666,66"}));

class JanelaCalculadora : public testing::Test {
 protected:
  Calculadora calc;
};

TEST_F(JanelaCalculadora, KeysReachTheCalculatorAndTheDisplayFollows) {
  TFoCalcula janela(calc);
  janela.show();
  QTest::keyClicks(&janela, QStringLiteral("12*3"));
  QTest::keyClick(&janela, Qt::Key_Return);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("36,00"));
  EXPECT_EQ(janela.LlDisplay()->OnColor(), QColor(Qt::black));
  EXPECT_EQ(janela.MeFita()->toPlainText(), QStringLiteral("12x\n3 \n36,00="));
  QTest::keyClicks(&janela, QStringLiteral("-40"));
  QTest::keyClick(&janela, Qt::Key_Enter);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("-4,00"));
  EXPECT_EQ(janela.LlDisplay()->OnColor(), QColor(255, 0, 0));
  EXPECT_FALSE(janela.CriaArrasto());
  QTest::keyClicks(&janela, QStringLiteral("/0="));
  EXPECT_TRUE(janela.LlDisplay()->Erro());

  QApplication::clipboard()->setText(QStringLiteral("7,25"));
  QTest::keyClick(&janela, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("7,25"));
  EXPECT_FALSE(janela.LlDisplay()->Erro());
  auto arrasto = janela.CriaArrasto();
  ASSERT_TRUE(arrasto);
  EXPECT_EQ(TDragMonetario::ValorDe(arrasto.get())->dezMilesimos(), 72500);
}

TEST_F(JanelaCalculadora, TheButtonsAndTheDecimalModes) {
  TFoCalcula janela(calc);
  janela.show();
  for (const char* nome : {"Bt1", "BtDiv", "Bt8", "BtRes"})
    QTest::mouseClick(janela.findChild<QWidget*>(QString::fromLatin1(nome)), Qt::LeftButton);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("0,12"));
  QTest::mouseClick(janela.findChild<QWidget*>(QStringLiteral("RbLivre")), Qt::LeftButton);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("0,125"));
  QTest::mouseClick(janela.findChild<QWidget*>(QStringLiteral("RbFixa4")), Qt::LeftButton);
  EXPECT_EQ(janela.LlDisplay()->Text(), QStringLiteral("0,1250"));
}

TEST_F(JanelaCalculadora, ReopeningShowsTheValueItHad) {
  {
    TFoCalcula janela(calc);
    QTest::keyClicks(&janela, QStringLiteral("4,5"));
  }
  TFoCalcula outra(calc);
  outra.MostraValor(false);
  EXPECT_EQ(outra.LlDisplay()->Text(), QStringLiteral("4,50"));
}

TEST(TCLEDLabel, DrawsDigitsFromTheRightAndTheErrorPattern) {
  TCLEDLabel led;
  led.resize(led.sizeHint());
  led.SetBackGroundColor(Qt::white);
  led.SetOffColor(Qt::lightGray);
  led.SetText(QStringLiteral("1"));
  QImage imagem = led.grab().toImage();
  const int topo = (led.height() - 28) / 2;
  const int x12 = 12 * 16 + 1;
  // "1": both right segments lit, the top bar not; the cell to its left is left blank.
  EXPECT_EQ(QColor(imagem.pixel(x12 + 10, topo + 5)), QColor(Qt::black));
  EXPECT_EQ(QColor(imagem.pixel(x12 + 5, topo + 1)), QColor(Qt::lightGray));
  EXPECT_EQ(QColor(imagem.pixel(11 * 16 + 6, topo + 1)), QColor(Qt::white));
  led.SetErro(true);
  imagem = led.grab().toImage();
  // "o" in the last cell: no top bar, bottom bar lit; "E" in cell 9: top bar lit.
  EXPECT_EQ(QColor(imagem.pixel(x12 + 5, topo + 1)), QColor(Qt::lightGray));
  EXPECT_EQ(QColor(imagem.pixel(x12 + 5, topo + 24)), QColor(Qt::black));
  EXPECT_EQ(QColor(imagem.pixel(9 * 16 + 6, topo + 1)), QColor(Qt::black));
  EXPECT_EQ(TCLEDLabel::Segmentos(8), 127);
  EXPECT_EQ(TCLEDLabel::Segmentos(7), 39);
}

}  // namespace
