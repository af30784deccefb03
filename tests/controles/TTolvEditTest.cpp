#include "controles/TTolvEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "controles/TErroEdit.h"
#include "nucleo/DragMonetario.h"
#include "nucleo/Erros.h"
#include "nucleo/Fone.h"
#include "nucleo/Monetario.h"
#include "nucleo/Texto.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

const QString kMensagem108 =
    QStringLiteral("Valor excede o máximo permitido pelo programa: 99.999.999.999,99.");

// janela: edValor (amount, 1.234,50), edOutro (amount, 0,00), edNome (text), edLivre (unbound),
// btnCancelar (ModalResult 2), caixaBotoes (OK and Cancel), btnOk.
class EditNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    TErroEdit::RetiraErro();
    valor.SetValor(QStringLiteral("1234,5"));
    nome.SetValor(QStringLiteral("Fulano"));
    auto* layout = new QVBoxLayout(&janela);
    const auto cria = [&](const char* nomeObjeto, TTipoDeDado tipo, TDadoBasico* dado) {
      auto* e = new TTolvEdit(&janela);
      e->setObjectName(nomeObjeto);
      e->SetTipoDeDado(tipo);
      e->AssociaDado(dado);
      layout->addWidget(e);
    };
    cria("edValor", TTipoDeDado::Numerico, &valor);
    cria("edOutro", TTipoDeDado::Numerico, &outro);
    cria("edNome", TTipoDeDado::AlfaNumerico, &nome);
    cria("edLivre", TTipoDeDado::AlfaNumerico, nullptr);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), &janela);
    cancelar->setObjectName("btnCancelar");
    cancelar->setProperty("ModalResult", 2);
    layout->addWidget(cancelar);
    auto* caixaBotoes = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &janela);
    caixaBotoes->setObjectName("caixaBotoes");
    layout->addWidget(caixaBotoes);
    auto* ok = new QPushButton(QStringLiteral("OK"), &janela);
    ok->setObjectName("btnOk");
    layout->addWidget(ok);
    ASSERT_TRUE(AtivaJanela(&janela));
    edValor = edit("edValor");
    edOutro = edit("edOutro");
    edNome = edit("edNome");
    edLivre = edit("edLivre");
    janela.findChild<QPushButton*>("btnOk")->setFocus(Qt::OtherFocusReason);
  }

  TTolvEdit* edit(const char* nomeObjeto) { return janela.findChild<TTolvEdit*>(nomeObjeto); }
  static QWidget* focado() { return QApplication::focusWidget(); }
  static void foca(QWidget* w) { w->setFocus(Qt::TabFocusReason); }
  // Lets posted moves of the focus happen.
  static void esvazia() { QCoreApplication::processEvents(); }
  static void cola(QWidget* w, const QString& texto) {
    QApplication::clipboard()->setText(texto);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
  }

  CaixaMensagemFalsa caixa;
  TMonetario valor, outro;
  TTexto nome;
  QWidget janela;  // after the values, so that the edits go first
  TTolvEdit *edValor, *edOutro, *edNome, *edLivre;
};

// Typing ---------------------------------------------------------------------------------------

struct Digitacao {
  TTipoDeDado tipo;
  const char* inicial;
  bool selecionaTudo;  // else the caret stands at the end
  const char* teclas;
  const char* esperado;
  bool avanca;
};

void PrintTo(const Digitacao& d, std::ostream* os) {
  *os << int(d.tipo) << " \"" << d.inicial << "\" + \"" << d.teclas << '"';
}

class EditDigitacao : public EditNaJanela, public testing::WithParamInterface<Digitacao> {};

TEST_P(EditDigitacao, FiltraTeclasPeloTipoDeDado) {
  const Digitacao& d = GetParam();
  edLivre->SetTipoDeDado(d.tipo);
  foca(edLivre);
  edLivre->setText(QString::fromUtf8(d.inicial));
  if (d.selecionaTudo) edLivre->selectAll();
  QTest::keyClicks(edLivre, QString::fromUtf8(d.teclas));
  EXPECT_EQ(edLivre->text(), QString::fromUtf8(d.esperado));
  esvazia();
  EXPECT_EQ(focado() != edLivre, d.avanca);
}

INSTANTIATE_TEST_SUITE_P(
    Tipos, EditDigitacao,
    testing::Values(
        Digitacao{TTipoDeDado::AlfaNumerico, "", false, "aB1,.-x ", "aB1,.-x ", false},
        Digitacao{TTipoDeDado::ApenasNumeros, "", false, "1a2.3-4,", "1234", false},
        Digitacao{TTipoDeDado::Numerico, "", false, "12a.3", "12,3", false},
        Digitacao{TTipoDeDado::Numerico, "", false, "1.2,34", "1,23", true},
        Digitacao{TTipoDeDado::Numerico, "", false, "123456789012", "12345678901", false},
        Digitacao{TTipoDeDado::Numerico, "12345678901", true, "5", "5", false},
        Digitacao{TTipoDeDado::Numerico, "123,4", false, "5", "123,45", true},
        Digitacao{TTipoDeDado::Numerico, "123,45", false, "6", "123,45", false},
        Digitacao{TTipoDeDado::Numerico, "12345678901", false, ",5", "12345678901,5", false}));

TEST_F(EditNaJanela, SegundaDecimalLevaAoProximoCampoEGravaOValor) {
  QSignalSpy aposModificar(edValor, &TTolvCustomEdit::AposModificar);
  foca(edValor);
  QTest::keyClicks(edValor, "7,25");
  esvazia();
  EXPECT_EQ(focado(), edOutro);
  EXPECT_EQ(valor.GetValor(), "7,25");
  EXPECT_EQ(aposModificar.count(), 1);
}

TEST_F(EditNaJanela, LimiteDoTextoValeParaDigitarEColarMasNaoParaOValorMostrado) {
  edLivre->SetLimiteTexto(3);
  foca(edLivre);
  QTest::keyClicks(edLivre, "abcd");
  EXPECT_EQ(edLivre->text(), "abc");
  edLivre->setSelection(1, 1);
  cola(edLivre, "XYZ");
  EXPECT_EQ(edLivre->text(), "aXc");

  nome.SetValor(QStringLiteral("Nome mais longo que o limite"));
  edNome->SetLimiteTexto(3);
  EXPECT_EQ(edNome->text(), "Nome mais longo que o limite");
}

TEST_F(EditNaJanela, LimitadoNaoDeixaOTextoPassarDaLargura) {
  edLivre->setFixedWidth(80);
  janela.layout()->activate();
  edLivre->SetLimitado(true);
  foca(edLivre);
  QTest::keyClicks(edLivre, QString(60, u'W'));
  const int cabem = int(edLivre->text().size());
  EXPECT_GT(cabem, 0);
  EXPECT_LT(cabem, 60);
  EXPECT_LT(edLivre->fontMetrics().horizontalAdvance(edLivre->text()), 80);
  cola(edLivre, QStringLiteral("WWWW"));
  EXPECT_EQ(edLivre->text().size(), cabem);
}

TEST_F(EditNaJanela, ColarNumaEdicaoDeDigitosSoAceitaDigitos) {
  edLivre->SetTipoDeDado(TTipoDeDado::ApenasNumeros);
  foca(edLivre);
  cola(edLivre, "12a");
  EXPECT_EQ(edLivre->text(), "");
  cola(edLivre, "123");
  EXPECT_EQ(edLivre->text(), "123");

  // The context menu's paste obeys the same rule.
  QApplication::clipboard()->setText("4x");
  QContextMenuEvent menuEvento(QContextMenuEvent::Mouse, QPoint(5, 5),
                               edLivre->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(edLivre, &menuEvento);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menu, nullptr);
  QAction* colar = nullptr;
  for (QAction* a : menu->actions())
    if (a->text().startsWith(QLineEdit::tr("&Paste"))) colar = a;
  ASSERT_NE(colar, nullptr);
  colar->trigger();
  menu->close();
  EXPECT_EQ(edLivre->text(), "123");
}

TEST_F(EditNaJanela, EnterDisparaOnPressEnterOuAvancaOuNadaFaz) {
  QSignalSpy enter(edValor, &TTolvCustomEdit::OnPressEnter);
  foca(edValor);
  QTest::keyClick(edValor, Qt::Key_Return);
  esvazia();
  EXPECT_EQ(enter.count(), 1);
  EXPECT_EQ(focado(), edValor);

  foca(edNome);
  QTest::keyClick(edNome, Qt::Key_Return);
  esvazia();
  EXPECT_EQ(focado(), edNome);
  EXPECT_EQ(edNome->text(), "Fulano");

  edNome->SetAutoAvanco(true);
  QTest::keyClick(edNome, Qt::Key_Enter, Qt::KeypadModifier);
  esvazia();
  EXPECT_EQ(focado(), edLivre);
}

// Entry, exit and Escape -----------------------------------------------------------------------

TEST_F(EditNaJanela, EntradaMostraOValorCruSelecionadoESaidaOFormatado) {
  EXPECT_EQ(edValor->text(), "1.234,50");
  foca(edValor);
  EXPECT_EQ(edValor->text(), "1234,50");
  EXPECT_EQ(edValor->selectedText(), "1234,50");
  foca(edOutro);
  EXPECT_EQ(edValor->text(), "1.234,50");
  EXPECT_TRUE(caixa.chamadas().empty());
}

struct CliqueNaEdicao {
  const char* edicao;
  bool focada;  // the click lands in an edit that already has the focus
  const char* teclas;
  const char* digitado;
  const char* aoSair;  // the text shown once left
};

void PrintTo(const CliqueNaEdicao& c, std::ostream* os) { *os << c.edicao << (c.focada ? " focada" : "") << " + " << c.teclas; }

class EditCliqueEntrada : public EditNaJanela, public testing::WithParamInterface<CliqueNaEdicao> {};

// Entering by the mouse selects the whole text as the keyboard does, so that what is typed
// replaces it; a click inside an edit that has the focus puts the caret where it lands.
TEST_P(EditCliqueEntrada, EntrarPeloMouseSelecionaTudoEClicarDentroPoeOCursor) {
  const CliqueNaEdicao& c = GetParam();
  TTolvEdit* e = edit(c.edicao);
  if (c.focada) foca(e);
  QTest::mouseClick(e, Qt::LeftButton, {}, QPoint(3, e->height() / 2));
  ASSERT_EQ(focado(), e);
  EXPECT_EQ(e->hasSelectedText(), !c.focada);
  QTest::keyClicks(e, QString::fromUtf8(c.teclas));
  EXPECT_EQ(e->text(), QString::fromUtf8(c.digitado));
  foca(edLivre);
  EXPECT_EQ(e->text(), QString::fromUtf8(c.aoSair));
  EXPECT_TRUE(caixa.chamadas().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cliques, EditCliqueEntrada,
    testing::Values(CliqueNaEdicao{"edOutro", false, "2400", "2400", "2.400,00"},
                    CliqueNaEdicao{"edValor", false, "7", "7", "7,00"},
                    CliqueNaEdicao{"edNome", false, "Beltrano", "Beltrano", "Beltrano"},
                    CliqueNaEdicao{"edValor", true, "9", "91234,50", "91.234,50"},
                    CliqueNaEdicao{"edNome", true, "X", "XFulano", "XFulano"}));

TEST_F(EditNaJanela, ArrastarAoEntrarSelecionaDesdeOClique) {
  // A tremble of the hand keeps everything selected; a real drag selects from the press.
  const int meio = edValor->height() / 2;
  QTest::mousePress(edValor, Qt::LeftButton, {}, QPoint(3, meio));
  QTest::mouseMove(edValor, QPoint(4, meio));
  EXPECT_EQ(edValor->selectedText(), "1234,50");
  QTest::mouseRelease(edValor, Qt::LeftButton, {}, QPoint(4, meio));
  EXPECT_EQ(edValor->selectedText(), "1234,50");
  foca(edLivre);

  QTest::mousePress(edValor, Qt::LeftButton, {}, QPoint(3, meio));
  QMouseEvent move(QEvent::MouseMove, QPointF(edValor->fontMetrics().horizontalAdvance(QStringLiteral("12")) + 3, meio),
                   edValor->mapToGlobal(QPointF(0, 0)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(edValor, &move);
  QTest::mouseRelease(edValor, Qt::LeftButton, {}, move.position().toPoint());
  EXPECT_EQ(edValor->selectedText(), "12");
}

TEST_F(EditNaJanela, EscRestauraOValorGuardado) {
  foca(edValor);
  QTest::keyClicks(edValor, "99");
  EXPECT_EQ(edValor->text(), "99");
  QTest::keyClick(edValor, Qt::Key_Escape);
  EXPECT_EQ(edValor->text(), "1234,50");
  EXPECT_EQ(edValor->selectedText(), "1234,50");
  EXPECT_FALSE(edValor->isModified());
  foca(edOutro);
  EXPECT_EQ(valor.GetValor(), "1234,50");

  // Unbound, Escape and leaving both empty the text.
  foca(edLivre);
  QTest::keyClicks(edLivre, "abc");
  QTest::keyClick(edLivre, Qt::Key_Escape);
  EXPECT_EQ(edLivre->text(), "");
  QTest::keyClicks(edLivre, "abc");
  foca(edValor);
  EXPECT_EQ(edLivre->text(), "");
}

TEST_F(EditNaJanela, ValorRecusadoMostraAMensagemEMantemFocoETexto) {
  QSignalSpy aposModificar(edValor, &TTolvCustomEdit::AposModificar);
  foca(edValor);
  cola(edValor, "100000000000");
  QTest::keyClick(edValor, Qt::Key_Tab);

  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, kMensagem108);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_EQ(focado(), edValor);
  EXPECT_EQ(edValor->text(), "100000000000");
  EXPECT_EQ(edValor->selectedText(), "100000000000");
  EXPECT_TRUE(edValor->Rejeitado());
  EXPECT_EQ(valor.GetValor(), "1234,50");
  EXPECT_EQ(aposModificar.count(), 0);
  EXPECT_EQ(TErroEdit::RetiraErro(), 108);
  EXPECT_EQ(TErroEdit::RetiraErro(), 0);

  // A click elsewhere while the text stands refused is no exit either... once the text is
  // typed again.
  cola(edValor, "100000000000");
  QTest::mouseClick(edOutro, Qt::LeftButton);
  EXPECT_EQ(focado(), edValor);
  EXPECT_EQ(caixa.chamadas().size(), 2u);

  // Corrected, it is stored on the way out.
  QTest::keyClicks(edValor, "1,5");
  QTest::keyClick(edValor, Qt::Key_Tab);
  EXPECT_EQ(focado(), edOutro);
  EXPECT_EQ(valor.GetValor(), "1,50");
  EXPECT_EQ(edValor->text(), "1,50");
  EXPECT_FALSE(edValor->Rejeitado());
  EXPECT_EQ(aposModificar.count(), 1);
  EXPECT_EQ(caixa.chamadas().size(), 2u);
}

TEST_F(EditNaJanela, ValorQueSeEsvaziaAoRecusarNaoLevaOTextoDigitado) {
  TFoneNumero numero;
  numero.SetValor(QStringLiteral("32145678"));
  edLivre->AssociaDado(&numero);
  foca(edLivre);
  cola(edLivre, "0321");
  // Back: forward lies the cancel button, which discards the text.
  QTest::keyClick(edLivre, Qt::Key_Backtab);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(focado(), edLivre);
  EXPECT_EQ(edLivre->text(), "0321");
  EXPECT_TRUE(numero.GetValor().isEmpty());
  edLivre->AssociaDado(nullptr);
}

TEST_F(EditNaJanela, TextoRecusadoNaoRedigitadoSaiComOValorAnterior) {
  foca(edValor);
  cola(edValor, "100000000000");
  QTest::keyClick(edValor, Qt::Key_Tab);
  ASSERT_EQ(focado(), edValor);
  QTest::keyClick(edValor, Qt::Key_Tab);
  EXPECT_EQ(focado(), edOutro);
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(edValor->text(), "1.234,50");
  EXPECT_EQ(valor.GetValor(), "1234,50");
}

TEST_F(EditNaJanela, ConfirmaValorDizAPaginaSeOTextoFoiAceito) {
  foca(edValor);
  cola(edValor, "100000000000");
  EXPECT_FALSE(edValor->ConfirmaValor());
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  QTest::keyClicks(edValor, "42");
  EXPECT_TRUE(edValor->ConfirmaValor());
  EXPECT_EQ(valor.GetValor(), "42,00");
  EXPECT_TRUE(edLivre->ConfirmaValor());
}

TEST_F(EditNaJanela, BotaoCancelarDescartaOTextoSemMensagem) {
  struct Caso {
    QWidget* botao;
    bool grava;
  };
  auto* caixaBotoes = janela.findChild<QDialogButtonBox*>("caixaBotoes");
  const Caso casos[] = {{janela.findChild<QPushButton*>("btnCancelar"), false},
                        {caixaBotoes->button(QDialogButtonBox::Cancel), false},
                        {janela.findChild<QPushButton*>("btnOk"), true}};
  for (const Caso& c : casos) {
    valor.SetValor(QStringLiteral("1"));
    foca(edValor);
    QTest::keyClicks(edValor, "5");
    QTest::mouseClick(c.botao, Qt::LeftButton);
    EXPECT_EQ(focado(), c.botao);
    EXPECT_EQ(valor.GetValor(), c.grava ? "5,00" : "1,00") << c.botao->objectName().toStdString();
    EXPECT_EQ(edValor->text(), c.grava ? "5,00" : "1,00");
  }
  EXPECT_TRUE(caixa.chamadas().empty());
}

// The bound value ------------------------------------------------------------------------------

TEST_F(EditNaJanela, ValorMudadoPorCodigoApareceNaEdicao) {
  valor.SetValor(QStringLiteral("1000"));
  EXPECT_EQ(edValor->text(), "1.000,00");
  foca(edValor);
  valor.SetValor(QStringLiteral("2000"));
  EXPECT_EQ(edValor->text(), "2000,00");
}

TEST_F(EditNaJanela, AssociarDuasVezesRegistraUmaSo) {
  edValor->AssociaDado(&valor);
  edValor->AssociaDado(&valor);
  edValor->AssociaDado(&outro);
  EXPECT_FALSE(valor.TemObservador(edValor));
  EXPECT_TRUE(outro.TemObservador(edValor));
  EXPECT_EQ(edValor->text(), "0,00");
  edValor->AssociaDado(nullptr);
  EXPECT_FALSE(outro.TemObservador(edValor));
  EXPECT_EQ(edValor->text(), "");
  EXPECT_FALSE(edValor->EstaAssociado());
}

TEST_F(EditNaJanela, ValorDestruidoEhEsquecido) {
  auto texto = std::make_unique<TTexto>();
  texto->SetValor(QStringLiteral("abc"));
  edLivre->AssociaDado(texto.get());
  EXPECT_EQ(edLivre->text(), "abc");
  texto.reset();
  EXPECT_EQ(edLivre->Dado(), nullptr);

  foca(edLivre);
  QTest::keyClicks(edLivre, "xyz");
  QTest::keyClick(edLivre, Qt::Key_Escape);
  QTest::keyClicks(edLivre, "xyz");
  foca(edValor);
  EXPECT_EQ(edLivre->text(), "");
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(EditNaJanela, EdicaoDestruidaDeixaDeObservar) {
  auto* e = new TTolvEdit(&janela);
  e->AssociaDado(&valor);
  EXPECT_TRUE(valor.TemObservador(e));
  delete e;
  EXPECT_FALSE(valor.TemObservador(e));
  valor.SetValor(QStringLiteral("3"));
}

// Dragging amounts -----------------------------------------------------------------------------

bool solta(QWidget* alvo, const QMimeData* dados) {
  const QPoint ponto = alvo->rect().center();
  QDragEnterEvent entra(ponto, Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &entra);
  if (!entra.isAccepted()) return false;
  QDropEvent solta(QPointF(ponto), Qt::CopyAction, dados, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(alvo, &solta);
  return solta.isAccepted();
}

TEST_F(EditNaJanela, ValorArrastadoDeUmaEdicaoParaOutra) {
  QSignalSpy aposModificar(edOutro, &TTolvCustomEdit::AposModificar);
  const std::unique_ptr<TDragMonetario> dados = edValor->CriaDragMonetario();
  ASSERT_TRUE(dados->hasFormat(TDragMonetario::kTipoMime));
  EXPECT_TRUE(solta(edOutro, dados.get()));
  EXPECT_EQ(outro.GetValor(), "1234,50");
  EXPECT_EQ(edOutro->text(), "1.234,50");
  EXPECT_EQ(aposModificar.count(), 1);
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST_F(EditNaJanela, SoEdicoesDeValorQuePodemMudarAceitamOArrasto) {
  const std::unique_ptr<TDragMonetario> dados = edValor->CriaDragMonetario();
  EXPECT_FALSE(solta(edNome, dados.get()));
  EXPECT_EQ(nome.GetValor(), "Fulano");

  edOutro->setReadOnly(true);
  EXPECT_FALSE(solta(edOutro, dados.get()));
  edOutro->setReadOnly(false);

  QMimeData texto;
  texto.setText(QStringLiteral("12,00"));
  EXPECT_FALSE(solta(edOutro, &texto));
  EXPECT_EQ(outro.GetValor(), "0,00");
}

TEST_F(EditNaJanela, ValorArrastadoRecusadoFicaNaEdicaoComOFoco) {
  foca(edNome);
  QMimeData dados;
  dados.setData(TDragMonetario::kTipoMime, QByteArray("1000000000000000000"));  // 10^14 reais
  EXPECT_TRUE(solta(edOutro, &dados));
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, kMensagem108);
  EXPECT_EQ(focado(), edOutro);
  EXPECT_EQ(edOutro->text(), "100000000000000,00");
  EXPECT_EQ(outro.GetValor(), "0,00");
}

TEST_F(EditNaJanela, TextoQueNaoEhValorNaoSaiArrastado) {
  edLivre->setText(QString(30, u'9'));
  EXPECT_THROW(edLivre->CriaDragMonetario(), TErro);
}

}  // namespace
