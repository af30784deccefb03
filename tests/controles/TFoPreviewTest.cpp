#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/LeitorPaginas.h"
#include "suporte/QtGtest.h"
#include "suporte/RelatorioTeste.h"

#include "controles/ImpressaoRelatorio.h"
#include "controles/TDialogoImpressao.h"
#include "controles/TFoPreview.h"
#include "plataforma/gui/GuardaEventos.h"
#include "plataforma/relatorio/PaginasRelatorio.h"

namespace {

class Preview : public testing::Test {
 protected:
  Preview() {
    // Whether the display takes the text or the exception itself.
    GuardaEventos::defineExibidor([this](const auto& falha) {
      if constexpr (std::is_convertible_v<decltype(falha), QString>)
        falhas << falha;
      else
        falhas << (falha ? QString::fromUtf8(falha->what()) : QString());
    });
  }
  ~Preview() override {
    GuardaEventos::defineExibidor({});
    DefineEscolhaArquivoPdf({});
  }

  bool habilitado(const char* nome) const { return janela.findChild<QToolButton*>(nome)->isEnabled(); }
  void tecla(int key, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent evento(QEvent::KeyPress, key, mod);
    QApplication::sendEvent(&janela, &evento);
  }
  // Shows the window with the report and prepares it as the timer would.
  void mostra(relatorio::Relatorio& rel) {
    janela.DefineRelatorio(&rel);
    janela.show();
    janela.Prepara();
  }

  CaixaMensagemFalsa caixa;
  QStringList falhas;
  TFoPreview janela;
};

int paginasDoPdf(const QString& arquivo) {
  QProcess processo;
  processo.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {arquivo, QStringLiteral("-")});
  processo.waitForFinished(30000);
  return int(processo.readAllStandardOutput().count('\f'));
}

}  // namespace

TEST_F(Preview, OnePageReportLeavesEveryPageButtonOff) {
  RelatorioTeste teste(5);
  mostra(teste.rel);
  EXPECT_EQ(janela.PaginasDisponiveis(), 1);
  EXPECT_EQ(janela.TextoStatus(), "Página 1/1");
  for (const char* nome : {"FirstPage", "PreviousPage", "NextPage", "LastPage"}) EXPECT_FALSE(habilitado(nome)) << nome;
  EXPECT_TRUE(habilitado("Print"));
  EXPECT_FALSE(habilitado("ProximasPaginas"));
  EXPECT_TRUE(janela.isVisible());
  EXPECT_EQ(janela.windowTitle(), "Visualizar Impressão");
}

TEST_F(Preview, KeysAndButtonsMoveThroughThePages) {
  RelatorioTeste teste(400);
  mostra(teste.rel);
  const int n = janela.PaginasDisponiveis();
  ASSERT_GT(n, 4);
  EXPECT_FALSE(habilitado("PreviousPage"));
  EXPECT_TRUE(habilitado("NextPage"));
  tecla(Qt::Key_Right);
  EXPECT_EQ(janela.PaginaAtual(), 2);
  EXPECT_EQ(janela.TextoStatus(), QStringLiteral("Página 2/%1").arg(n));
  tecla(Qt::Key_Right, Qt::AltModifier);
  EXPECT_EQ(janela.PaginaAtual(), n);
  EXPECT_FALSE(habilitado("NextPage"));
  EXPECT_FALSE(habilitado("LastPage"));
  EXPECT_TRUE(habilitado("FirstPage"));
  tecla(Qt::Key_PageDown);
  EXPECT_EQ(janela.PaginaAtual(), n);
  tecla(Qt::Key_PageUp);
  EXPECT_EQ(janela.PaginaAtual(), n - 1);
  tecla(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(janela.PaginaAtual(), 1);
  tecla(Qt::Key_End);
  EXPECT_EQ(janela.PaginaAtual(), n);
  tecla(Qt::Key_Home);
  EXPECT_EQ(janela.PaginaAtual(), 1);
  janela.findChild<QToolButton*>("LastPage")->click();
  EXPECT_EQ(janela.PaginaAtual(), n);
  janela.findChild<QToolButton*>("PreviousPage")->click();
  EXPECT_EQ(janela.PaginaAtual(), n - 1);
}

TEST_F(Preview, CannotBeClosedUntilTheBatchIsCompleteAndTheCloseButtonStopsTheReport) {
  RelatorioTeste teste(600);
  bool visivelDurante = false;
  teste.rel.rodapePagina().depoisDeImprimir = [&] {
    if (teste.rel.paginaAtual() != 2 || teste.rel.contando()) return;
    janela.close();
    visivelDurante = janela.isVisible();
  };
  mostra(teste.rel);
  EXPECT_TRUE(visivelDurante);
  EXPECT_TRUE(janela.isVisible());
  EXPECT_GT(janela.PaginasDisponiveis(), 2);
  janela.close();
  EXPECT_FALSE(janela.isVisible());

  // The close button during the preparation stops it; the window closes once it has stopped.
  TFoPreview outra;
  RelatorioTeste longo(2000);
  longo.rel.setContaPaginas(false);
  longo.rel.rodapePagina().depoisDeImprimir = [&] {
    if (longo.rel.paginaAtual() == 3) outra.findChild<QToolButton*>("ToolButton2")->click();
  };
  outra.DefineRelatorio(&longo.rel);
  outra.show();
  outra.Prepara();
  EXPECT_TRUE(outra.ParadoPeloUsuario());
  // Asked while page 3 was closing: page 4 had begun and is finished too.
  EXPECT_EQ(outra.PaginasDisponiveis(), 4);
  EXPECT_FALSE(outra.isVisible());
}

TEST_F(Preview, AReportWithoutPagesClosesTheWindowByItself) {
  // No beneficiary to list, and the report prints nothing when empty.
  RelatorioTeste vazio(0);
  vazio.rel.setImprimeSeVazio(false);
  janela.DefineRelatorio(&vazio.rel);
  janela.show();
  janela.Prepara();
  EXPECT_EQ(janela.PaginasDisponiveis(), 0);
  EXPECT_FALSE(janela.isVisible());
}

TEST_F(Preview, AReportThatFailsKeepsItsPagesAndCanBeClosed) {
  RelatorioTeste teste(400);
  teste.rel.setContaPaginas(false);
  teste.rel.detalhe().antesDeImprimir = [&]() -> bool {
    if (teste.rel.paginaAtual() == 3) throw std::runtime_error("Falha ao ler as linhas.");
    return true;
  };
  mostra(teste.rel);
  ASSERT_EQ(falhas, QStringList{"Falha ao ler as linhas."});
  EXPECT_EQ(janela.PaginasDisponiveis(), 2);
  EXPECT_TRUE(habilitado("Print"));
  EXPECT_TRUE(janela.isVisible());
  janela.close();
  EXPECT_FALSE(janela.isVisible());
}

TEST_F(Preview, NextBatchReplacesThePagesWithTheReportsNextOnes) {
  // A report of 100 lines in batches of 40: each batch but the last enables the next one.
  RelatorioTeste teste(100);
  teste.rel.setContaPaginas(false);
  teste.defineLotes(40, [&] { janela.HabilitaProximasPaginas(); });
  int chamadas = 0;
  janela.DefineProximasPaginas([&] {
    ++chamadas;
    teste.proximoLote();
  });
  mostra(teste.rel);
  EXPECT_TRUE(habilitado("ProximasPaginas"));
  const QPicture primeira = janela.Paginas().pagina(1);
  janela.findChild<QToolButton*>("LastPage")->click();
  janela.findChild<QToolButton*>("ProximasPaginas")->click();
  EXPECT_EQ(chamadas, 1);
  EXPECT_EQ(janela.PaginaAtual(), 1);
  EXPECT_TRUE(habilitado("ProximasPaginas"));
  EXPECT_NE(QByteArray(primeira.data(), primeira.size()),
            QByteArray(janela.Paginas().pagina(1).data(), janela.Paginas().pagina(1).size()));
  janela.findChild<QToolButton*>("ProximasPaginas")->click();
  EXPECT_EQ(chamadas, 2);
  // The last batch enables no further one.
  EXPECT_FALSE(habilitado("ProximasPaginas"));
  janela.findChild<QToolButton*>("ProximasPaginas")->click();
  EXPECT_EQ(chamadas, 2);
}

TEST_F(Preview, PrintingTheSelectionPrintsOnlyThePageOnScreen) {
  QTemporaryDir pasta;
  QString sugerido;
  DefineEscolhaArquivoPdf([&](QWidget*, const QString& sugestao) {
    sugerido = sugestao;
    return pasta.filePath(QStringLiteral("impresso.pdf"));
  });
  RelatorioTeste teste(400);
  mostra(teste.rel);
  janela.IrPara(3);
  const auto escolhe = [](const char* radio) {
    QTimer::singleShot(0, [radio] {
      auto* dialogo = qobject_cast<TDialogoImpressao*>(QApplication::activeModalWidget());
      ASSERT_NE(dialogo, nullptr);
      EXPECT_EQ(dialogo->CbImpressora()->currentData().toString(), "PDF");
      dialogo->findChild<QRadioButton*>(radio)->setChecked(true);
      dialogo->accept();
    });
  };
  escolhe("RbPaginaAtual");
  janela.PrintClick();
  EXPECT_EQ(sugerido, "Relatório de teste.pdf");
  EXPECT_EQ(paginasDoPdf(pasta.filePath(QStringLiteral("impresso.pdf"))), 1);

  escolhe("RbTodas");
  janela.PrintClick();
  EXPECT_EQ(paginasDoPdf(pasta.filePath(QStringLiteral("impresso.pdf"))), janela.PaginasDisponiveis());
  EXPECT_TRUE(caixa.chamadas().empty());
}

TEST(MostraPreview, ShowsModallyAndFreesTheWindowWhenItCloses) {
  RelatorioTeste teste(100);
  QString titulo;
  int paginas = 0;
  QTimer::singleShot(0, [&] {
    TFoPreview* janela = TFoPreview::Instancia();
    ASSERT_NE(janela, nullptr);
    // The timer prepares the report once shown.
    ASSERT_TRUE(QTest::qWaitFor([&] { return janela->PaginasDisponiveis() > 0 && !janela->Fechando(); }));
    QTest::qWait(50);
    titulo = janela->windowTitle();
    paginas = janela->PaginasDisponiveis();
    EXPECT_EQ(AssociaPreview(), static_cast<relatorio::IDestinoPaginas*>(&janela->Paginas()));
    janela->close();
  });
  MostraPreview(teste.rel);
  EXPECT_EQ(titulo, "Visualizar Impressão");
  EXPECT_GT(paginas, 1);
  EXPECT_EQ(TFoPreview::Instancia(), nullptr);
  EXPECT_EQ(AssociaPreview(), nullptr);
}

TEST_F(Preview, TheEnginesBatchesComeOneAfterTheOtherWithTheirPagesNumberedOn) {
  QTemporaryDir pasta;
  DefineEscolhaArquivoPdf([&](QWidget*, const QString&) { return pasta.filePath(QStringLiteral("lote.pdf")); });
  RelatorioTeste teste(600);
  teste.rel.setLotePaginas(5);
  int preparacoes = 0;
  teste.rel.aoIniciar = [&, anterior = teste.rel.aoIniciar] {
    ++preparacoes;
    anterior();
  };
  mostra(teste.rel);
  // The counting pass and the first batch.
  EXPECT_EQ(preparacoes, 2);
  EXPECT_EQ(janela.PaginasDisponiveis(), 5);
  EXPECT_TRUE(habilitado("ProximasPaginas"));
  const int total = teste.rel.totalPaginas();
  janela.findChild<QToolButton*>("ProximasPaginas")->click();
  EXPECT_EQ(janela.PaginaAtual(), 1);
  EXPECT_EQ(janela.PaginasDisponiveis(), 5);
  EXPECT_TRUE(LeitorPaginas::Linhas(janela.Paginas().pagina(1)).contains(
      QStringLiteral("Tolv 2014 - Beneficiários por código Página 6 de %1").arg(total)));

  // Printing from the window prints the pages it shows, as they were prepared: the report is
  // not prepared again.
  QTimer::singleShot(0, [] {
    auto* dialogo = qobject_cast<TDialogoImpressao*>(QApplication::activeModalWidget());
    ASSERT_NE(dialogo, nullptr);
    dialogo->findChild<QRadioButton*>("RbTodas")->setChecked(true);
    dialogo->accept();
  });
  janela.PrintClick();
  EXPECT_EQ(preparacoes, 2);
  const QString texto = LeitorPaginas::TextoPdf(pasta.filePath(QStringLiteral("lote.pdf")));
  EXPECT_EQ(texto.count(u'\f'), 5);
  EXPECT_TRUE(texto.contains(QStringLiteral("Página 10 de %1").arg(total)));
  EXPECT_FALSE(texto.contains(QStringLiteral("Página 11 de")));

  while (habilitado("ProximasPaginas")) janela.findChild<QToolButton*>("ProximasPaginas")->click();
  EXPECT_TRUE(LeitorPaginas::Linhas(janela.Paginas().pagina(janela.PaginasDisponiveis()))
                  .contains(QStringLiteral("Tolv 2014 - Beneficiários por código Página %1 de %1").arg(total)));
  EXPECT_EQ(preparacoes, 2);
  EXPECT_TRUE(falhas.isEmpty());
}

TEST(PreviewLento, TheCloseButtonIsHeardWhileASlowPageIsLaidOutOrCounted) {
  // Each line takes a while: the first page alone takes longer than the click waits. Counted
  // first, no page is drawn before the stop.
  for (const bool conta : {false, true}) {
    TFoPreview janela;
    RelatorioTeste lento(400);
    lento.rel.setContaPaginas(conta);
    lento.rel.detalhe().antesDeImprimir = [] {
      QThread::msleep(5);
      return true;
    };
    QTimer::singleShot(100, [&] { janela.findChild<QToolButton*>("ToolButton2")->click(); });
    janela.DefineRelatorio(&lento.rel);
    janela.show();
    janela.Prepara();
    EXPECT_TRUE(janela.ParadoPeloUsuario());
    EXPECT_EQ(janela.PaginasDisponiveis(), conta ? 0 : 1);
    EXPECT_FALSE(janela.isVisible());
  }
}
