#include "controles/TTolvCustomGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "GradeTeste.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "controles/TTolvEdit.h"
#include "controles/TTolvGridComprPJ.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "controles/TTolvInplaceEditMonetario.h"
#include "nucleo/ComprovanteTeste.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Monetario.h"
#include "nucleo/TComprovantePJ.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/JanelaAtiva.h"

namespace {

using namespace grade_teste;

const QString kValorInvalido = QStringLiteral("Valor inválido.");
const QString kExcede = QStringLiteral("Valor excede o máximo permitido pelo programa: 99.999.999.999,99");

Valor R(const char* texto) { return Valor::deTexto(QString::fromLatin1(texto)); }

// janela: edAntes, the taxable grid over a stored line, edDepois.
class GradeNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    linha.item.SetTolvItemDK(QStringLiteral("1"));
    t.GetRendimento(1).SetValorMonetario(R("1000"));
    auto* layout = new QVBoxLayout(&janela);
    edAntes = new TTolvEdit(&janela);
    edAntes->SetTipoDeDado(TTipoDeDado::Numerico);
    edAntes->AssociaDado(&antes);
    layout->addWidget(edAntes);
    grade = new TTolvGridRendimentosDeducoes(&janela);
    grade->setFixedSize(590, 269);
    grade->SetTolvItem(&linha.item);
    layout->addWidget(grade);
    edDepois = new TTolvEdit(&janela);
    edDepois->SetTipoDeDado(TTipoDeDado::Numerico);
    edDepois->AssociaDado(&depois);
    layout->addWidget(edDepois);
    ASSERT_TRUE(AtivaJanela(&janela));
    grade->setFocus(Qt::TabFocusReason);
    esvazia();
  }

  static QWidget* focado() { return QApplication::focusWidget(); }
  static void esvazia() { QCoreApplication::processEvents(); }
  void tecla(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focado(), k, m);
    esvazia();
  }
  void digita(const char* texto) {
    for (const char* c = texto; *c; ++c) {
      QTest::keyClicks(focado(), QString(QLatin1Char(*c)));
      esvazia();
    }
  }
  void cola(const QString& texto) {
    QApplication::clipboard()->setText(texto);
    tecla(Qt::Key_V, Qt::ControlModifier);
  }
  QPoint centro(int col, int lin) const { return grade->RetanguloCelula(col, lin).center(); }
  bool solta(int col, int lin, const QMimeData* dados) {
    QWidget* alvo = grade->viewport();
    const QPoint ponto = centro(col, lin);
    QDragEnterEvent entra(ponto, Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &entra);
    if (!entra.isAccepted()) return false;
    QDragMoveEvent move(ponto, Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &move);
    if (!move.isAccepted()) return false;
    QDropEvent solta(QPointF(ponto), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(alvo, &solta);
    return solta.isAccepted();
  }

  CaixaMensagemFalsa caixa;
  Linha linha;
  TRendimentosTributaveis& t = linha.item.GetTributaveis();
  TMonetario antes, depois;
  QWidget janela;  // after the values, so that the controls go first
  TTolvEdit* edAntes = nullptr;
  TTolvEdit* edDepois = nullptr;
  TTolvGridRendimentosDeducoes* grade = nullptr;
};

// Keyboard ------------------------------------------------------------------------------------

TEST_F(GradeNaJanela, TabAndaNaGradeESaiNasPontas) {
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  tecla(Qt::Key_Tab);
  EXPECT_EQ(focado(), grade);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 1));
  grade->SelecionaCelula(7, 14);
  tecla(Qt::Key_Tab);
  EXPECT_EQ(focado(), edDepois);
  // Coming back starts again at the top-left cell.
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  grade->setFocus(Qt::TabFocusReason);
  esvazia();
  tecla(Qt::Key_Backtab);
  EXPECT_EQ(focado(), edAntes);
}

TEST_F(GradeNaJanela, TabSaiDaUltimaCelulaLivreQuandoOFimEstaBloqueado) {
  linha.tolv.SetMesEvento(6);
  grade->SetDecimoTerceiro(false);
  grade->SelecionaCelula(7, 6);
  tecla(Qt::Key_Tab);
  EXPECT_EQ(focado(), edDepois);
}

TEST_F(GradeNaJanela, SetasAndamComVoltaEClicarNumTituloNadaFaz) {
  tecla(Qt::Key_Left);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(7, 14));
  tecla(Qt::Key_Right);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  tecla(Qt::Key_Up);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(7, 14));
  tecla(Qt::Key_Down);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  grade->SelecionaCelula(3, 4);
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro(0, 6));
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro(3, 13));
  EXPECT_EQ(grade->CelulaAtual(), QPoint(3, 4));
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro(5, 9));
  EXPECT_EQ(grade->CelulaAtual(), QPoint(5, 9));
}

TEST_F(GradeNaJanela, DigitarUmValorGravaEASegundaDecimalAvanca) {
  digita("12,34");
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("12,34"));
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 1));
  // Keying goes on in the next cell, its text selected.
  ASSERT_TRUE(grade->EditorAberto());
  EXPECT_EQ(focado(), grade->Editor());
  digita("5");
  tecla(Qt::Key_Return);
  EXPECT_EQ(t.GetDeducao(1).GetValorMonetario(), R("5"));
  EXPECT_EQ(grade->Modelo().GetTextoCelula(1, 13), "12,34");
  // Twelve integer digits do not go in; the limit of 13 characters stops the second decimal.
  grade->SelecionaCelula(1, 2);
  digita("1234567890123");
  EXPECT_EQ(grade->Editor()->text(), "12345678901");
  digita(",45");
  EXPECT_EQ(grade->Editor()->text(), "12345678901,4");
}

// Keying by the mouse: the next row chosen by a click while a cell is being edited, or a cell
// opened by a double click, takes what is typed in place of its amount.
TEST_F(GradeNaJanela, CelulaEntradaPeloMouseTomaODigitadoNoLugarDoValor) {
  t.GetRendimento(2).SetValorMonetario(R("10"));
  digita("5");
  ASSERT_TRUE(grade->EditorAberto());
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro(1, 2));
  esvazia();
  digita("2400");
  tecla(Qt::Key_Return);
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("5"));
  EXPECT_EQ(t.GetRendimento(2).GetValorMonetario(), R("2400"));

  // A double click: the first press makes the cell current, the second opens it.
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, centro(1, 2));
  QTest::mouseDClick(grade->viewport(), Qt::LeftButton, {}, centro(1, 2));
  esvazia();
  ASSERT_EQ(focado(), grade->Editor());
  EXPECT_EQ(grade->Editor()->selectedText(), "2400,00");
  digita("7");
  tecla(Qt::Key_Return);
  EXPECT_EQ(t.GetRendimento(2).GetValorMonetario(), R("7"));
}

TEST_F(GradeNaJanela, EnterNaUltimaCelulaVoltaAoInicioEAvisa) {
  QSignalSpy enter(grade, &TTolvCustomGrid::OnPressEnter);
  tecla(Qt::Key_Return);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 1));
  EXPECT_EQ(enter.count(), 0);
  grade->SelecionaCelula(7, 14);
  tecla(Qt::Key_Return);
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  EXPECT_EQ(enter.count(), 1);
  // From inside the editor too.
  grade->SelecionaCelula(7, 14);
  digita("3");
  tecla(Qt::Key_Enter);
  EXPECT_EQ(enter.count(), 2);
  EXPECT_EQ(t.GetRetido(13).GetValorMonetario(), R("3"));
}

TEST_F(GradeNaJanela, ValorRecusadoFicaNoEditorAteSerCorrigido) {
  digita(",");
  tecla(Qt::Key_Down);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_TRUE(caixa.ultima().texto.startsWith(kExcede)) << caixa.ultima().texto.toStdString();
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  EXPECT_EQ(focado(), grade->Editor());
  EXPECT_EQ(grade->Editor()->text(), ",");
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("1000"));
  // Esc gives the text up: the cell shows its value again.
  tecla(Qt::Key_Escape);
  EXPECT_FALSE(grade->EditorAberto());
  EXPECT_EQ(focado(), grade);
  EXPECT_EQ(grade->Modelo().GetTextoCelula(1, 1), "1.000,00");

  // Clicking another control is refused once, as in the edits; leaving again without
  // correcting it drops the text.
  digita(",");
  edDepois->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_EQ(focado(), grade->Editor());
  EXPECT_EQ(caixa.chamadas().size(), 2u);
  edDepois->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_EQ(focado(), edDepois);
  EXPECT_FALSE(grade->EditorAberto());
  EXPECT_EQ(caixa.chamadas().size(), 2u);
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("1000"));
}

TEST_F(GradeNaJanela, SairDaGradeGuardaOQueEstaNoEditor) {
  digita("7");
  edDepois->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_EQ(focado(), edDepois);
  EXPECT_FALSE(grade->EditorAberto());
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("7"));
}

TEST_F(GradeNaJanela, ConfirmaValorGuardaSemMoverNada) {
  grade->SelecionaCelula(4, 2);
  digita("9");
  EXPECT_TRUE(grade->ConfirmaValor());
  EXPECT_EQ(t.GetDeducaoPP(2).GetValorMonetario(), R("9"));
  EXPECT_EQ(grade->CelulaAtual(), QPoint(4, 2));
}

TEST_F(GradeNaJanela, OQueEstaNoEditorVaiParaALinhaEColunaEmQueFoiDigitado) {
  grade->SelecionaCelula(3, 2);  // Previdência Oficial
  digita("6");
  // The page hides a column while the editor is open: the text goes where it was typed.
  grade->SetDeducaoPO(false);
  EXPECT_FALSE(grade->EditorAberto());
  EXPECT_EQ(t.GetDeducaoPO(2).GetValorMonetario(), R("6"));
  EXPECT_TRUE(t.GetDeducaoPP(2).EhZero());
  // And another line is bound: the text goes into the one it was typed for.
  grade->SelecionaCelula(1, 5);
  digita("2");
  Linha outra;
  grade->SetTolvItem(&outra.item);
  EXPECT_EQ(t.GetRendimento(5).GetValorMonetario(), R("2"));
  EXPECT_TRUE(outra.item.GetTributaveis().GetRendimento(5).EhZero());
  grade->SetTolvItem(&linha.item);
}

// Clipboard -----------------------------------------------------------------------------------

TEST_F(GradeNaJanela, CopiarLevaOValorCruOuOTextoMostrado) {
  tecla(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1000,00");
  grade->SetReadOnly(true);
  tecla(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1.000,00");
  // Nothing can be typed into a read-only grid.
  digita("5");
  EXPECT_FALSE(grade->EditorAberto());
}

struct Colagem {
  const char* nome;
  const char* texto;
  const char* mensagem;  // nullptr: taken
  const char* valor;     // of January afterwards
};

void PrintTo(const Colagem& c, std::ostream* os) { *os << c.nome; }

class ColarNaGrade : public GradeNaJanela, public testing::WithParamInterface<Colagem> {};

TEST_P(ColarNaGrade, SoUmValorInteiroEntraNaCelula) {
  const Colagem& c = GetParam();
  cola(QString::fromUtf8(c.texto));
  if (c.mensagem) {
    ASSERT_EQ(caixa.chamadas().size(), 1u);
    EXPECT_TRUE(caixa.ultima().texto.startsWith(QString::fromUtf8(c.mensagem))) << caixa.ultima().texto.toStdString();
    // Nothing half-written stays: the editor that the paste opened is closed again.
    EXPECT_FALSE(grade->EditorAberto());
  } else {
    EXPECT_TRUE(caixa.chamadas().empty());
    ASSERT_TRUE(grade->EditorAberto());
  }
  tecla(Qt::Key_Return);
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R(c.valor));
  EXPECT_EQ(caixa.chamadas().size(), c.mensagem ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, ColarNaGrade,
    testing::Values(Colagem{"ComMilharesEDecimaisDemais", "1.234,5678", nullptr, "1234,56"},
                    Colagem{"ComSimboloEBrancos", " R$ 12,5 ", nullptr, "12,5"},
                    Colagem{"Letras", "abc", "Valor inválido.", "1000"},
                    Colagem{"LetrasEDigitos", "12a", "Valor inválido.", "1000"},
                    Colagem{"PontoDecimal", "1234.56", "Valor inválido.", "1000"},
                    Colagem{"Negativo", "-5,00", "Valor inválido.", "1000"},
                    Colagem{"AlemDoTeto", "123.456.789.012,00", "Valor excede o máximo permitido", "1000"},
                    // The grid's 13 characters would cut it: refused rather than cut.
                    Colagem{"MaiorQueOLimite", "12.345.678.901,23", "Valor inválido.", "1000"}),
    [](const testing::TestParamInfo<Colagem>& i) { return std::string(i.param.nome); });

TEST_F(GradeNaJanela, ColarNoEditorAbertoInsereNoCursor) {
  digita("1");
  QApplication::clipboard()->setText(QStringLiteral("2,5"));
  tecla(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grade->Editor()->text(), "12,5");
  // A second separator would make no amount.
  tecla(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grade->Editor()->text(), "12,5");
  EXPECT_EQ(caixa.ultima().texto, kValorInvalido);
}

TEST(EditorMonetario, LeValoresComoSaoCopiados) {
  const std::map<QString, std::optional<QString>> casos = {
      {"1.234,56", "1234,56"}, {"1234,5678", "1234,56"}, {"R$1.000", "1000"}, {",5", "0,5"},
      {"12,", "12"},           {"007", "007"},          {"", std::nullopt},  {",", std::nullopt},
      {"1.23", std::nullopt},  {"12.34,5", std::nullopt}, {"1 234", std::nullopt}, {"+5", std::nullopt}};
  for (const auto& [texto, esperado] : casos) EXPECT_EQ(TTolvInplaceEditMonetario::LeValor(texto), esperado) << texto.toStdString();
}

// Drag and drop -------------------------------------------------------------------------------

TEST_F(GradeNaJanela, ValorSoltoNumaCelulaEhGuardadoComoDigitado) {
  TDragMonetario dados(QStringLiteral("5,25"));
  EXPECT_TRUE(solta(3, 2, &dados));
  EXPECT_EQ(t.GetDeducaoPO(2).GetValorMonetario(), R("5,25"));
  EXPECT_EQ(t.GetDeducao(2).GetValorMonetario(), R("5,25"));
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(GradeNaJanela, SoltarSoOndeACelulaTomaValorNumaLinhaGuardada) {
  TDragMonetario dados(QStringLiteral("5"));
  EXPECT_FALSE(solta(0, 2, &dados));  // month caption
  EXPECT_FALSE(solta(2, 13, &dados));  // totals
  QMimeData texto;
  texto.setText(QStringLiteral("5"));
  EXPECT_FALSE(solta(2, 2, &texto));
  grade->SetReadOnly(true);
  EXPECT_FALSE(solta(2, 2, &dados));
  grade->SetReadOnly(false);
  linha.item.SetTolvItemDK({});
  EXPECT_FALSE(solta(2, 2, &dados));
  EXPECT_TRUE(t.GetDeducao(2).EhZero());
}

TEST_F(GradeNaJanela, ValorSoltoRecusadoDeixaACelulaComoEstava) {
  QMimeData dados;
  dados.setData(TDragMonetario::kTipoMime, QByteArray("1000000000000000000"));  // 10^14 reais
  EXPECT_TRUE(solta(1, 1, &dados));
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_TRUE(caixa.ultima().texto.startsWith(kExcede));
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("1000"));
  EXPECT_EQ(grade->Modelo().GetTextoCelula(1, 1), "1.000,00");
}

TEST_F(GradeNaJanela, ValorSoltoNoEditorTomaOLugarDoTexto) {
  digita("4");
  TDragMonetario dados(QStringLiteral("8,5"));
  QWidget* editor = grade->Editor();
  const QPoint ponto = editor->rect().center();
  QDragEnterEvent entra(ponto, Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &entra);
  ASSERT_TRUE(entra.isAccepted());
  QDropEvent solta(QPointF(ponto), Qt::CopyAction, &dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(editor, &solta);
  EXPECT_EQ(grade->Editor()->text(), "8,50");
  tecla(Qt::Key_Return);
  EXPECT_EQ(t.GetRendimento(1).GetValorMonetario(), R("8,5"));
}

// Hints and painting --------------------------------------------------------------------------

TEST_F(GradeNaJanela, DicaPassaPelaCelula) {
  grade->setToolTip(QStringLiteral("dica"));
  QPoint celula(-1, -1);
  QObject::connect(grade, &TTolvCustomGrid::OnHint, grade, [&](int col, int lin, QString& texto, bool&) {
    celula = {col, lin};
    texto = grade->Modelo().GetTextoCelula(col, lin);
  });
  QHelpEvent ajuda(QEvent::ToolTip, centro(1, 1), grade->viewport()->mapToGlobal(centro(1, 1)));
  QApplication::sendEvent(grade->viewport(), &ajuda);
  EXPECT_EQ(celula, QPoint(1, 1));
}

TEST_F(GradeNaJanela, CoresDoCabecalhoDosTotaisEDaCelulaFocada) {
  const QImage imagem = grade->grab().toImage();
  const auto cor = [&](int col, int lin) {
    const QRect r = grade->RetanguloCelula(col, lin);
    const QPoint p = grade->viewport()->mapTo(grade, r.center() + QPoint(0, r.height() / 2 - 1));
    return QColor(imagem.pixel(p));
  };
  EXPECT_EQ(cor(2, 0), QColor(99, 143, 192));
  EXPECT_EQ(cor(2, 13), QColor(151, 159, 162));
  EXPECT_EQ(cor(1, 1), QColor(99, 143, 192));  // focused
  EXPECT_EQ(cor(2, 1), QColor(220, 229, 236));
  EXPECT_EQ(cor(2, 2), QColor(209, 220, 226));
}

// A grid of the base, as another part of the program builds one ---------------------------

// Three columns of text kept by the model, amounts of three integer digits.
class ModeloTresDigitos : public TModeloGrid {
 public:
  ModeloTresDigitos() { SetDimensoes(3, 3, 1, 1); }
  int MaxDigitosInteiros(int, int) const override { return 3; }
  QString GetTextoCelula(int col, int lin) const override {
    const auto it = m_textos.find({col, lin});
    return it == m_textos.end() ? QString() : it->second;
  }
  void SetTextoCelula(int col, int lin, const QString& texto) override { m_textos[{col, lin}] = texto; }

 private:
  std::map<std::pair<int, int>, QString> m_textos;
};

class GradeTresDigitos : public TTolvCustomGrid {
 public:
  explicit GradeTresDigitos(QWidget* pai) : TTolvCustomGrid(pai) {
    SetMonetario(true);
    SetModelo(new ModeloTresDigitos);
  }
};

TEST(GradeDaBase, ComTresDigitosAPrimeiraDecimalAvanca) {
  CaixaMensagemFalsa caixa;
  QWidget janela;
  auto* grade = new GradeTresDigitos(&janela);
  grade->resize(300, 120);
  ASSERT_TRUE(AtivaJanela(&janela));
  grade->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(grade->CelulaAtual(), QPoint(1, 1));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1234,5"));
  QCoreApplication::processEvents();
  EXPECT_EQ(grade->Modelo().GetTextoCelula(1, 1), "123,5");
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 1));
}

// The company-statement grid ------------------------------------------------------------------

class GradeComprovantePJ : public testing::Test {
 protected:
  void SetUp() override {
    janela.resize(700, 420);
    grade = new TTolvGridComprPJ(&janela);
    grade->move(10, 10);
    ASSERT_TRUE(AtivaJanela(&janela));
  }
  // A line of the beneficiary with income in its first `meses` months.
  void Linha(const char* codigo, int meses) {
    TTolvItem& l = linhas.Nova(comprovante_teste::Codigo(codigo, "C", "Serviços profissionais"));
    for (int m = 1; m <= meses; ++m) {
      l.GetTributaveis().GetRendimento(m).SetValorMonetario(R("1000") + Valor::deReais(m));
      l.GetTributaveis().GetRetido(m).SetValorMonetario(R("15"));
    }
    comprovante.AdicionaItem(l);
  }

  CaixaMensagemFalsa caixa;
  comprovante_teste::Linhas linhas;
  TComprovantePJ comprovante{linhas.m_beneficiario};
  QWidget janela;
  TTolvGridComprPJ* grade = nullptr;
};

TEST_F(GradeComprovantePJ, MostraAsLinhasESoADescricaoSeEdita) {
  Linha("1708", 3);
  grade->SetComprovante(&comprovante);
  QCoreApplication::processEvents();
  EXPECT_TRUE(grade->isVisible());
  EXPECT_EQ(grade->height(), 80);
  const TModeloGrid& m = grade->Modelo();
  EXPECT_EQ(m.GetTextoCelula(2, 0), "Descrição do rendimento");
  EXPECT_EQ(m.GetTextoCelula(0, 2), "Fev");
  EXPECT_EQ(m.GetTextoCelula(1, 2), "1708");
  EXPECT_EQ(m.GetTextoCelula(3, 2), "1.002,00");
  EXPECT_EQ(m.GetTextoCelula(4, 2), "15,00");
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 1));

  grade->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Consultoria"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(comprovante.GetLinha(0).GetDescricao(), "Consultoria");
  EXPECT_EQ(grade->CelulaAtual(), QPoint(2, 2));
  // The amounts may be chosen, not typed into.
  QTest::mouseClick(grade->viewport(), Qt::LeftButton, {}, grade->RetanguloCelula(3, 3).center());
  EXPECT_EQ(grade->CelulaAtual(), QPoint(3, 3));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5"));
  EXPECT_FALSE(grade->EditorAberto());
  EXPECT_EQ(m.GetTextoCelula(3, 3), "1.003,00");
}

TEST_F(GradeComprovantePJ, DezesseisLinhasRolamNumaGradeDe320) {
  Linha("1708", 12);
  Linha("3208", 4);
  grade->SetComprovante(&comprovante);
  QCoreApplication::processEvents();
  EXPECT_EQ(grade->Modelo().RowCount(), 17);
  EXPECT_EQ(grade->height(), 320);
  EXPECT_TRUE(grade->verticalScrollBar()->isVisible());
}

TEST_F(GradeComprovantePJ, SemLinhasFicaEscondida) {
  grade->SetComprovante(&comprovante);
  EXPECT_FALSE(grade->isVisible());
  grade->SetComprovante(nullptr);
  EXPECT_FALSE(grade->isVisible());
  EXPECT_EQ(grade->Modelo().RowCount(), 1);
}

}  // namespace
