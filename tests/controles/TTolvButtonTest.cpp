#include "controles/TTolvButton.h"

#include <QApplication>
#include <QDialog>
#include <QEnterEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>

#include "controles/TRastreadorFoco.h"
#include "controles/TSchemeColors.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

using Esquema = TSchemeColors;

QImage imagem(TTolvButton& b) { return b.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor pixel(const QImage& i, int x, int y) { return i.pixelColor(x, y); }

int conta(const QImage& i, const QColor& cor, QRect area = {}) {
  if (area.isNull()) area = i.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += i.pixelColor(x, y) == cor;
  return n;
}

// Bounding box of the pixels of one colour inside the frame.
QRect caixa(const QImage& i, const QColor& cor) {
  QRect r;
  for (int y = 3; y < i.height() - 3; ++y)
    for (int x = 3; x < i.width() - 3; ++x)
      if (i.pixelColor(x, y) == cor) r |= QRect(x, y, 1, 1);
  return r;
}

void entra(TTolvButton& b) {
  QEnterEvent e(QPointF(5, 5), QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(&b, &e);
}

void sai(TTolvButton& b) {
  QEvent e(QEvent::Leave);
  QApplication::sendEvent(&b, &e);
}

// A window with an edit (focused) and a button.
class BotaoNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    edit = new QLineEdit(&janela);
    b = new TTolvButton(&janela);
    b->move(0, 40);
    ASSERT_TRUE(AtivaJanela(&janela));
    edit->setFocus(Qt::OtherFocusReason);
  }

  QWidget janela;
  QLineEdit* edit;
  TTolvButton* b;
};

// A strip of `n` square images of 16 pixels, each of its own colour, with a white top-left
// pixel (the transparent colour).
const QColor kCoresGlyph[] = {{200, 40, 40}, {40, 200, 40}, {40, 40, 200}, {200, 200, 40}};
QImage tira(int n) {
  QImage t(16 * n, 16, QImage::Format_RGB32);
  for (int i = 0; i < n; ++i) {
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) t.setPixelColor(16 * i + x, y, kCoresGlyph[i]);
    t.setPixelColor(16 * i, 0, Qt::white);
  }
  return t;
}

// ---- colour schemes ----

struct CorDoPreset {
  TSchemeColor esquema;
  int indice;
  QColor cor;
};

class PresetsDeCores : public testing::TestWithParam<CorDoPreset> {};

TEST_P(PresetsDeCores, PreencheAsCoresNaOrdemDasPropriedades) {
  Esquema e;
  e.SetSchemeColor(GetParam().esquema);
  EXPECT_EQ(e.Cor(GetParam().indice), GetParam().cor) << "índice " << GetParam().indice;
}

// The presets list light before dark; the properties hold dark before light.
INSTANTIATE_TEST_SUITE_P(
    Presets, PresetsDeCores,
    testing::Values(
        CorDoPreset{TSchemeColor::scTolv, Esquema::ColorFace, {221, 230, 237}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::ColorGrad, {183, 205, 221}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::ColorDark, {160, 187, 215}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::ColorLight, {145, 176, 210}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::OverColorLight, {255, 255, 255}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::OverColorDark, {172, 168, 153}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::DownColorLight, {172, 168, 153}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::DownColorDark, {255, 255, 255}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::DisabledColorDark, {206, 207, 207}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::DisabledColorBorder, {196, 196, 196}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::DisabledColorText, {0, 0, 0}},
        CorDoPreset{TSchemeColor::scTolv, Esquema::ColorFocus, {0, 0, 0}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::ColorDark, {83, 169, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::ColorLight, {217, 236, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::OverColorFace, {155, 205, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::DownColorGrad, {157, 206, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::DownColorDark, {168, 211, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::DisabledColorLight, {202, 228, 255}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::DisabledColorText, {196, 196, 196}},
        CorDoPreset{TSchemeColor::scBlue, Esquema::ColorFocus, {20, 155, 220}}));

TEST(TSchemeColors, ComecaAzulComFocoPadraoEOProgramaEscondeOFoco) {
  Esquema e;
  EXPECT_EQ(e.SchemeColor(), TSchemeColor::scBlue);
  EXPECT_EQ(e.StyleFocus(), TNewPenStyle::npsDefault);
  EXPECT_EQ(e.Cor(Esquema::ColorFace), QColor(193, 224, 255));
  e.SetSchemeColor(TSchemeColor::scTolv);
  EXPECT_EQ(e.StyleFocus(), TNewPenStyle::npsClear);
}

TEST(TSchemeColors, PersonalizadoNaoMudaNadaESetCorMudaUmaCor) {
  Esquema e;
  e.SetSchemeColor(TSchemeColor::scTolv);
  QSignalSpy alterado(&e, &Esquema::Alterado);
  e.SetSchemeColor(TSchemeColor::scCustom);
  EXPECT_EQ(e.Cor(Esquema::ColorFace), QColor(221, 230, 237));
  e.SetCor(Esquema::OverColorText, QColor(145, 176, 210));
  EXPECT_EQ(e.Cor(Esquema::OverColorText), QColor(145, 176, 210));
  EXPECT_EQ(e.Cor(Esquema::ColorText), QColor(0, 0, 0));
  EXPECT_EQ(alterado.count(), 1);
}

// ---- the button's drawing ----

class BotaoDesenho : public testing::Test {
 protected:
  BotaoDesenho() {
    b.SetGradient(false);
    cores.SetSchemeColor(TSchemeColor::scBlue);
  }
  QColor cor(Esquema::Estado e, Esquema::Papel p) const { return cores.Cor(e, p); }

  TTolvButton b;
  Esquema cores;
};

TEST_F(BotaoDesenho, NasceComOTamanhoEAsOpcoesDoPrograma) {
  EXPECT_EQ(b.size(), QSize(75, 25));
  EXPECT_TRUE(b.Ctl3D());
  EXPECT_TRUE(b.TransparentGlyph());
  EXPECT_TRUE(b.HotTrack());
  EXPECT_TRUE(b.TabStop());
  EXPECT_EQ(b.Spacing(), 4);
  EXPECT_EQ(b.NumGlyphs(), 1);
  EXPECT_FALSE(b.Cancel());
  EXPECT_FALSE(b.Default());
}

struct CasoEstado {
  const char* nome;
  std::function<void(TTolvButton&)> prepara;
  Esquema::Estado cores;
};

class BotaoEstados : public BotaoDesenho, public testing::WithParamInterface<CasoEstado> {};

TEST_P(BotaoEstados, FaceMolduraERelevoNasCoresDoEstado) {
  GetParam().prepara(b);
  const QImage i = imagem(b);
  const Esquema::Estado e = GetParam().cores;
  EXPECT_EQ(pixel(i, 10, 12), cor(e, Esquema::Face));
  EXPECT_EQ(pixel(i, 0, 12), cor(e, Esquema::Border));
  EXPECT_EQ(pixel(i, 30, 24), cor(e, Esquema::Border));
  EXPECT_EQ(pixel(i, 1, 12), cor(e, Esquema::Light));
  EXPECT_EQ(pixel(i, 30, 1), cor(e, Esquema::Light));
  EXPECT_EQ(pixel(i, 73, 12), cor(e, Esquema::Dark));
  EXPECT_EQ(pixel(i, 30, 23), cor(e, Esquema::Dark));
}

INSTANTIATE_TEST_SUITE_P(
    Estados, BotaoEstados,
    testing::Values(
        CasoEstado{"normal", [](TTolvButton&) {}, Esquema::Normal},
        CasoEstado{"sobre", [](TTolvButton& b) { entra(b); }, Esquema::Sobre},
        CasoEstado{"saiu", [](TTolvButton& b) { entra(b), sai(b); }, Esquema::Normal},
        CasoEstado{"sem_hot_track",
                   [](TTolvButton& b) {
                     b.SetHotTrack(false);
                     entra(b);
                   },
                   Esquema::Normal},
        CasoEstado{"pressionado", [](TTolvButton& b) { QTest::mousePress(&b, Qt::LeftButton); },
                   Esquema::Pressionado},
        CasoEstado{"solto_dentro",
                   [](TTolvButton& b) { QTest::mouseClick(&b, Qt::LeftButton); }, Esquema::Sobre},
        CasoEstado{"espaco_baixado", [](TTolvButton& b) { QTest::keyPress(&b, Qt::Key_Space); },
                   Esquema::Pressionado},
        CasoEstado{"desabilitado", [](TTolvButton& b) { b.setEnabled(false); },
                   Esquema::Desabilitado},
        CasoEstado{"desabilitado_sobre",
                   [](TTolvButton& b) {
                     entra(b);
                     b.setEnabled(false);
                   },
                   Esquema::Desabilitado}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(BotaoDesenho, PlanoPoeORelevoNaBorda) {
  b.SetFlat(true);
  const QImage i = imagem(b);
  EXPECT_EQ(pixel(i, 0, 12), cor(Esquema::Normal, Esquema::Light));
  EXPECT_EQ(pixel(i, 30, 0), cor(Esquema::Normal, Esquema::Light));
  EXPECT_EQ(pixel(i, 74, 12), cor(Esquema::Normal, Esquema::Dark));
  EXPECT_EQ(pixel(i, 30, 24), cor(Esquema::Normal, Esquema::Dark));
  EXPECT_EQ(pixel(i, 1, 12), cor(Esquema::Normal, Esquema::Face));

  b.SetFlat(false);
  b.SetCtl3D(false);
  const QImage j = imagem(b);
  EXPECT_EQ(pixel(j, 0, 12), cor(Esquema::Normal, Esquema::Border));
  EXPECT_EQ(pixel(j, 1, 12), cor(Esquema::Normal, Esquema::Face));
}

TEST_F(BotaoDesenho, GradienteDaFaceNoTopoAoGradienteEmBaixo) {
  b.SetGradient(true);
  const QImage i = imagem(b);
  const QColor face = cor(Esquema::Normal, Esquema::Face), grad = cor(Esquema::Normal, Esquema::Grad);
  for (int y : {2, 12, 22}) {
    const auto canal = [y](int a, int z) { return int(std::lround(a + (z - a) * y / 24.0)); };
    EXPECT_EQ(pixel(i, 10, y), QColor(canal(face.red(), grad.red()), canal(face.green(), grad.green()),
                                      canal(face.blue(), grad.blue())))
        << "linha " << y;
  }
}

TEST_F(BotaoDesenho, LegendaNaCorDeTextoDoEstado) {
  QFont fonte = b.font();
  fonte.setStyleStrategy(QFont::NoAntialias);
  fonte.setPixelSize(14);
  b.setFont(fonte);
  b.setText("MMM");
  b.Scheme().SetCor(Esquema::DisabledColorText, QColor(90, 30, 30));
  const QRect dentro(3, 3, 69, 19);
  EXPECT_GT(conta(imagem(b), cor(Esquema::Normal, Esquema::Text), dentro), 20);
  b.setEnabled(false);
  const QImage i = imagem(b);
  EXPECT_GT(conta(i, QColor(90, 30, 30), dentro), 20);
  EXPECT_EQ(conta(i, cor(Esquema::Normal, Esquema::Text), dentro), 0);
}

struct CasoFoco {
  TNewPenStyle estilo;
  int minimo, maximo;  // pixels of the focus colour along the rectangle's top line
};

class BotaoRetanguloDeFoco : public BotaoNaJanela, public testing::WithParamInterface<CasoFoco> {};

TEST_P(BotaoRetanguloDeFoco, TresPixelsParaDentroNoEstiloDoEsquema) {
  b->SetGradient(false);
  b->Scheme().SetStyleFocus(GetParam().estilo);
  b->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(b->hasFocus());
  const QColor foco = b->Scheme().Cor(Esquema::ColorFocus);
  const QImage i = imagem(*b);
  const int n = conta(i, foco, QRect(3, 3, 69, 1));
  EXPECT_GE(n, GetParam().minimo);
  EXPECT_LE(n, GetParam().maximo);
  EXPECT_EQ(conta(i, foco, QRect(4, 4, 67, 17)), 0);  // only the outline

  edit->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(conta(imagem(*b), foco), 0);
}

INSTANTIATE_TEST_SUITE_P(Estilos, BotaoRetanguloDeFoco,
                         testing::Values(CasoFoco{TNewPenStyle::npsSolid, 69, 69},
                                         CasoFoco{TNewPenStyle::npsInsideFrame, 69, 69},
                                         CasoFoco{TNewPenStyle::npsDefault, 34, 35},
                                         CasoFoco{TNewPenStyle::npsDot, 15, 40},
                                         CasoFoco{TNewPenStyle::npsClear, 0, 0}));

// ---- glyphs ----

TEST(TTolvButtonGlyph, QuantidadeDeImagensPelaLarguraDaTira) {
  TTolvButton b;
  b.SetGlyph(tira(4));
  EXPECT_EQ(b.NumGlyphs(), 4);
  b.SetGlyph(QImage(80, 16, QImage::Format_RGB32));
  EXPECT_EQ(b.NumGlyphs(), 1);
  b.SetGlyph(tira(3));
  EXPECT_EQ(b.NumGlyphs(), 3);
  b.SetGlyph(QImage(20, 16, QImage::Format_RGB32));  // not a multiple: kept
  EXPECT_EQ(b.NumGlyphs(), 3);
  b.SetNumGlyphs(7);
  EXPECT_EQ(b.NumGlyphs(), 4);
}

TEST(TTolvButtonGlyph, ImagemUnicaDeBotaoDesabilitadoEmCinza) {
  TTolvButton b;
  b.SetGlyph(tira(1));
  EXPECT_EQ(conta(imagem(b), kCoresGlyph[0]), 255);
  b.setEnabled(false);
  const QImage i = imagem(b);
  const int g = (3 * 200 + 6 * 40 + 40 + 5) / 10;
  EXPECT_EQ(conta(i, QColor(g, g, g)), 255);
  EXPECT_EQ(conta(i, kCoresGlyph[0]), 0);
  EXPECT_EQ(conta(i, Qt::white), 0);  // the transparent pixel stays transparent
}

TEST(TTolvButtonGlyph, CorTransparenteEhADoPixelDoCanto) {
  TTolvButton b;
  b.SetGlyph(tira(1));
  EXPECT_EQ(conta(imagem(b), Qt::white), 0);
  b.SetTransparentGlyph(false);
  EXPECT_EQ(conta(imagem(b), Qt::white), 1);
}

struct CasoImagem {
  int imagens;
  const char* estado;
  int esperada;
};

class TTolvButtonImagemDoEstado : public testing::TestWithParam<CasoImagem> {};

TEST_P(TTolvButtonImagemDoEstado, EscolheAImagemPeloEstado) {
  TTolvButton b;
  b.SetGlyph(tira(GetParam().imagens));
  const std::string estado = GetParam().estado;
  if (estado == "desabilitado") b.setEnabled(false);
  if (estado == "pressionado") QTest::mousePress(&b, Qt::LeftButton);
  if (estado == "sobre") entra(b);
  const QImage i = imagem(b);
  for (int k = 0; k < GetParam().imagens; ++k)
    EXPECT_EQ(conta(i, kCoresGlyph[k]) > 0, k == GetParam().esperada) << "imagem " << k;
}

INSTANTIATE_TEST_SUITE_P(
    Tiras, TTolvButtonImagemDoEstado,
    testing::Values(CasoImagem{4, "normal", 0}, CasoImagem{4, "desabilitado", 1},
                    CasoImagem{4, "pressionado", 2}, CasoImagem{4, "sobre", 3},
                    CasoImagem{3, "pressionado", 2}, CasoImagem{3, "sobre", 0},
                    CasoImagem{2, "pressionado", 0}, CasoImagem{2, "desabilitado", 1}));

TEST(TTolvButtonGlyph, PressionadoDeslocaUmPixel) {
  TTolvButton b;
  b.SetGlyph(tira(1));
  const QRect solto = caixa(imagem(b), kCoresGlyph[0]);
  QTest::mousePress(&b, Qt::LeftButton);
  EXPECT_EQ(caixa(imagem(b), kCoresGlyph[0]), solto.translated(1, 1));
}

TEST(TTolvButtonGlyph, DisposicaoEmRelacaoALegenda) {
  TTolvButton b;
  b.resize(120, 60);
  QFont fonte = b.font();
  fonte.setStyleStrategy(QFont::NoAntialias);
  b.setFont(fonte);
  b.setText("Abc");
  b.SetGlyph(tira(1));
  const QColor texto = b.Scheme().Cor(Esquema::ColorText);
  const auto posicoes = [&](TButtonLayout l) {
    b.SetLayout(l);
    const QImage i = imagem(b);
    return std::pair{caixa(i, kCoresGlyph[0]), caixa(i, texto)};
  };
  auto [g, t] = posicoes(TButtonLayout::blGlyphLeft);
  EXPECT_LT(g.right(), t.left());
  std::tie(g, t) = posicoes(TButtonLayout::blGlyphRight);
  EXPECT_GT(g.left(), t.right());
  std::tie(g, t) = posicoes(TButtonLayout::blGlyphTop);
  EXPECT_LT(g.bottom(), t.top());
  std::tie(g, t) = posicoes(TButtonLayout::blGlyphBottom);
  EXPECT_GT(g.top(), t.bottom());
}

// ---- activation ----

TEST(TTolvButtonClique, MouseSoltoDentroClicaSoltoForaNao) {
  TTolvButton b;
  QSignalSpy cliques(&b, &QAbstractButton::clicked);
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_EQ(cliques.count(), 1);
  QTest::mousePress(&b, Qt::LeftButton);
  QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(cliques.count(), 1);
  QTest::mouseClick(&b, Qt::RightButton);
  EXPECT_EQ(cliques.count(), 1);
}

TEST(TTolvButtonClique, EspacoClicaAoSoltarEEnterAoBaixar) {
  TTolvButton b;
  QSignalSpy cliques(&b, &QAbstractButton::clicked);
  QTest::keyPress(&b, Qt::Key_Space);
  EXPECT_EQ(cliques.count(), 0);
  QTest::keyRelease(&b, Qt::Key_Space);
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(b.Estado(), TTolvButton::Normal);
  QTest::keyPress(&b, Qt::Key_Return);
  EXPECT_EQ(cliques.count(), 2);
  QTest::keyClick(&b, Qt::Key_A);
  EXPECT_EQ(cliques.count(), 2);
}

TEST(TTolvButtonClique, DesabilitadoNaoClica) {
  TTolvButton b;
  b.setEnabled(false);
  QSignalSpy cliques(&b, &QAbstractButton::clicked);
  QTest::mouseClick(&b, Qt::LeftButton);
  QTest::keyClick(&b, Qt::Key_Space);
  QTest::keyClick(&b, Qt::Key_Return);
  EXPECT_EQ(cliques.count(), 0);
}

TEST_F(BotaoNaJanela, PerderOFocoVoltaAoNormal) {
  b->setFocus(Qt::TabFocusReason);
  QTest::keyPress(b, Qt::Key_Space);
  EXPECT_EQ(b->Estado(), TTolvButton::Pressionado);
  edit->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(b->Estado(), TTolvButton::Normal);
}

TEST_F(BotaoNaJanela, SemTabStopNaoTomaOFoco) {
  b->SetTabStop(false);
  QSignalSpy cliques(b, &QAbstractButton::clicked);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(QApplication::focusWidget(), edit);

  b->SetTabStop(true);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), b);
}

TEST_F(BotaoNaJanela, EventoDeMouseDownAntesDeTomarOFoco) {
  QWidget* focoNoMouseDown = nullptr;
  QObject::connect(b, &TTolvButton::MouseDown,
                   [&] { focoNoMouseDown = QApplication::focusWidget(); });
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(focoNoMouseDown, edit);
  EXPECT_EQ(QApplication::focusWidget(), b);
}

TEST_F(BotaoNaJanela, CampoQueRecusaSairSeguraOFocoEOCliqueNaoAcontece) {
  TRastreadorFoco rastreador;
  bool recusa = true;
  rastreador.registra(edit, [&](QWidget*) { return !recusa; });
  QSignalSpy cliques(b, &QAbstractButton::clicked);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), edit);
  EXPECT_EQ(cliques.count(), 0);
  EXPECT_EQ(b->Estado(), TTolvButton::Normal);

  recusa = false;
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(QApplication::focusWidget(), b);
  EXPECT_EQ(cliques.count(), 1);
}

TEST_F(BotaoNaJanela, AceleradorDaLegendaClicaSemTomarOFoco) {
  b->setText("&Gravar");
  QSignalSpy cliques(b, &QAbstractButton::clicked);
  QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(cliques.count(), 1);
  EXPECT_EQ(QApplication::focusWidget(), edit);
  b->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_G, Qt::AltModifier);
  EXPECT_EQ(cliques.count(), 1);
}

TEST_F(BotaoNaJanela, EscapeClicaOBotaoCancel) {
  QSignalSpy cliques(b, &QAbstractButton::clicked);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cliques.count(), 0);
  b->SetCancel(true);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cliques.count(), 1);
  QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
  EXPECT_EQ(cliques.count(), 1);
  b->hide();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cliques.count(), 1);
}

TEST(TTolvButtonClique, ModalResultFechaODialogoModalComOResultado) {
  QDialog dialogo;
  auto* b = new TTolvButton("Cancelar", &dialogo);
  b->SetModalResult(2);
  bool visivelNoClique = true;
  QObject::connect(b, &QAbstractButton::clicked, [&] { visivelNoClique = dialogo.isVisible(); });
  QTimer::singleShot(0, b, [b] { QTest::mouseClick(b, Qt::LeftButton); });
  EXPECT_EQ(dialogo.exec(), 2);
  EXPECT_FALSE(visivelNoClique);  // the result is set before the click handlers run
}

TEST(TTolvButtonClique, ModalResultNumDialogoSemLacoModalSoGuardaOResultado) {
  QDialog dialogo;
  auto* b = new TTolvButton("OK", &dialogo);
  b->SetModalResult(1);
  dialogo.show();
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(dialogo.result(), 1);
  EXPECT_TRUE(dialogo.isVisible());

  auto* semResultado = new TTolvButton("Outro", &dialogo);
  dialogo.setResult(0);
  QTest::mouseClick(semResultado, Qt::LeftButton);
  EXPECT_EQ(dialogo.result(), 0);
}

}  // namespace
