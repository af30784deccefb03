// The pendency window beside the main window: it runs by itself once shown, runs again on Ctrl+E,
// waits for the item under way when closed during a run, and prints its list.

#include <QPointer>
#include <QTableView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "VerificacaoTeste.h"
#include "controles/ImpressaoRelatorio.h"
#include "controles/TVerificacaoEmCurso.h"
#include "entrega/TFoPendencias.h"
#include "entrega/TModeloVerificacao.h"
#include "entrega/TVerificacaoPendencias.h"
#include "nucleo/Erros.h"
#include "suporte/ImpressorasFalsas.h"

namespace {

using namespace verificacao_teste;

class JanelaPendencias : public ComIndice {
 protected:
  void SetUp() override {
    ComIndice::SetUp();
    Cria(kMatriz);
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
    m_tolv.GetContribuinte().SetNi(kMatriz);
    m_principal = std::make_unique<QWidget>();
    m_principal->setGeometry(100, 100, 800, 600);
    m_principal->show();
  }
  void TearDown() override {
    if (TFoPendencias* janela = TFoPendencias::Atual()) {
      ASSERT_TRUE(QTest::qWaitFor([janela] { return !janela->FrTolvVerifica().Verificacao().EmExecucao(); }));
      FechaPendencias();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_principal.reset();
    ComIndice::TearDown();
  }

  // Shows the window and waits for its run to end.
  TFoPendencias& Mostra() {
    MostraPendencias(m_tolv, [this](const QString& dono, const QString& objeto, int secao) {
      m_servicos.IrParaPendencia(dono, objeto, secao);
    }, m_principal.get());
    TFoPendencias* janela = TFoPendencias::Atual();
    EXPECT_NE(janela, nullptr);
    QSignalSpy fim(&TVerificacaoEmCurso::instancia(), &TVerificacaoEmCurso::Parou);
    EXPECT_TRUE(fim.wait(5000));
    return *janela;
  }

  TTolv m_tolv;
  ServicosFalsos m_servicos;
  std::unique_ptr<QWidget> m_principal;
};

TEST_F(JanelaPendencias, VerificaSozinhaAoAparecerENoCtrlENovamente) {
  TFoPendencias& janela = Mostra();
  EXPECT_EQ(janela.windowTitle(), "Verificação de pendências");
  EXPECT_EQ(janela.size(), QSize(610, 500));
  EXPECT_TRUE(janela.isVisible());
  const std::vector<LinhaVerificacao>& linhas = janela.FrTolvVerifica().Verificacao().GetLinhas();
  ASSERT_FALSE(linhas.empty());
  EXPECT_EQ(linhas.front().descricao, "0811.444.777/0001-61     EMPRESA TESTE LTDA     Ano-calendário: 2013");
  // While it exists the message box is silent and the main window must ask it to go.
  EXPECT_TRUE(JanelasMensagem::VerificacaoAberta());
  EXPECT_TRUE(TVerificacaoEmCurso::instancia().ExisteJanela());
  // At the bottom of the main window, centred.
  EXPECT_EQ(janela.frameGeometry().center().x(), m_principal->frameGeometry().center().x());
  EXPECT_LT(janela.frameGeometry().bottom(), m_principal->frameGeometry().bottom());

  // Ctrl+E again: the same window, back to normal, runs again.
  janela.showMinimized();
  TFoPendencias& mesma = Mostra();
  EXPECT_EQ(&mesma, &janela);
  EXPECT_FALSE(mesma.isMinimized());
  EXPECT_EQ(mesma.FrTolvVerifica().Verificacao().GetLinhas().front().descricao, linhas.front().descricao);

  EXPECT_TRUE(TVerificacaoEmCurso::instancia().PedeFechamento());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(TFoPendencias::Atual(), nullptr);
  EXPECT_FALSE(JanelasMensagem::VerificacaoAberta());
  EXPECT_FALSE(TVerificacaoEmCurso::instancia().ExisteJanela());
}

// A finding chosen in the list: the window gives way by hiding (never minimized, nor the main
// window with it), the message box speaks while it is out of sight, and Ctrl+E brings it back.
TEST_F(JanelaPendencias, AFindingHidesTheWindowAndCtrlEBringsItBack) {
  SecoesFalsas secoes([](TTolv&, TErros& erros, TVerificacaoPendencias& v, int&) {
    erros.Adiciona(TErro::CreatePendencia(80, QStringLiteral("X"), 1, TErro::kBotaoOk, 0, QStringLiteral("1"),
                                          QStringLiteral("7"), 24));
    v.IncluiErros(erros);
    erros.Limpa();
  });
  bool principalMinimizada = true;
  MostraPendencias(m_tolv, [&](const QString& dono, const QString& objeto, int secao) {
    principalMinimizada = m_principal->isMinimized();
    m_servicos.IrParaPendencia(dono, objeto, secao);
  }, m_principal.get());
  QPointer<TFoPendencias> janela = TFoPendencias::Atual();
  ASSERT_NE(janela, nullptr);
  janela->FrTolvVerifica().Verificacao().SetSecoes(&secoes);
  QSignalSpy fim(&TVerificacaoEmCurso::instancia(), &TVerificacaoEmCurso::Parou);
  ASSERT_TRUE(fim.wait(5000));
  TFrTolvVerifica& frame = janela->FrTolvVerifica();
  int linha = -1;
  for (int i = 0; i < frame.Modelo().rowCount() && linha < 0; ++i)
    if (frame.Modelo().Linha(i).LevaAoCampo()) linha = i;
  ASSERT_GE(linha, 0);
  frame.Grade().setCurrentIndex(frame.Modelo().index(linha, 0));
  EXPECT_TRUE(JanelasMensagem::VerificacaoAberta());

  frame.DbgErrosEncontradosDblClick();
  EXPECT_EQ(m_servicos.idas, std::vector<ServicosFalsos::Ida>({{"1", "7", 24}}));
  EXPECT_FALSE(principalMinimizada);
  EXPECT_FALSE(m_principal->isMinimized());
  EXPECT_TRUE(m_principal->isVisible());
  EXPECT_TRUE(janela->isHidden());
  EXPECT_FALSE(janela->isMinimized());
  EXPECT_FALSE(JanelasMensagem::VerificacaoAberta());
  EXPECT_TRUE(TVerificacaoEmCurso::instancia().ExisteJanela());

  // Ctrl+E: the same window, in sight again, and the message box silent while it is.
  janela->FrTolvVerifica().Verificacao().SetSecoes(nullptr);
  TFoPendencias& mesma = Mostra();
  EXPECT_EQ(&mesma, janela.data());
  EXPECT_TRUE(mesma.isVisible());
  EXPECT_TRUE(JanelasMensagem::VerificacaoAberta());
}

// Closed during a run, the window stays until the item under way is done, then goes by itself.
TEST_F(JanelaPendencias, FechadaDuranteAExecucaoEsperaOItemEmCurso) {
  QPointer<TFoPendencias> janela;
  int recusas = 0;
  SecoesFalsas secoes([&](TTolv&, TErros&, TVerificacaoPendencias& v, int&) {
    if (!janela->FormCloseQuery()) ++recusas;
    // The item under way ends; the stop request is seen before the next one.
    EXPECT_TRUE(v.GetParado());
    EXPECT_NE(TFoPendencias::Atual(), nullptr);
  });
  MostraPendencias(m_tolv, {}, m_principal.get());
  janela = TFoPendencias::Atual();
  ASSERT_NE(janela, nullptr);
  janela->FrTolvVerifica().Verificacao().SetSecoes(&secoes);
  ASSERT_TRUE(QTest::qWaitFor([&] { return secoes.chamadas == 1; }, 5000));
  EXPECT_EQ(recusas, 1);
  ASSERT_TRUE(QTest::qWaitFor([&] { return janela.isNull(); }, 5000));
  EXPECT_EQ(TFoPendencias::Atual(), nullptr);
  EXPECT_FALSE(TVerificacaoEmCurso::instancia().ExisteJanela());
}

// The print menu's direct print of the list, on the printer "PDF".
TEST_F(JanelaPendencias, RelatorioDaJanelaNaImpressoraPdf) {
  Mostra();
  ImpressorasFalsas impressoras({ImpressoraDeTeste(QStringLiteral("Laser"))}, QStringLiteral("Laser"));
  DefineImpressoraAtual(kImpressoraPdf);
  QTemporaryDir pasta;
  const QString arquivo = pasta.filePath(QStringLiteral("pendencias.pdf"));
  int pedidos = 0;
  const EscolhaArquivoPdf anterior = DefineEscolhaArquivoPdf([&](QWidget*, const QString&) {
    ++pedidos;
    return arquivo;
  });
  RelatorioPendencias(false);
  DefineEscolhaArquivoPdf(anterior);
  EXPECT_EQ(pedidos, 1);
  EXPECT_TRUE(QFileInfo::exists(arquivo));
  EXPECT_FALSE(TFoPendencias::Atual()->FrTolvVerifica().GetVisualizar());
}

}  // namespace
