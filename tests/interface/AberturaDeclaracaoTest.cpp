#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "EmpresaNaJanela.h"
#include "PaginaFalsa.h"
#include "interface/IndicePrincipal.h"
#include "interface/InicioFalso.h"
#include "interface/MontagemArvore.h"
#include "controles/TVerificacaoEmCurso.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTolv2014.h"
#include "interface/TTzuqTree.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TResumo.h"
#include "interface/TFoCalculaResumo.h"
#include "controles/TTolvButton.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

using P = TFrDeclaracao;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kArquivo = QStringLiteral("TOLV2014114447770001612013.FDB");

using empresa_na_janela::Indicadores;

void LiberaPaginas() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QStringList Cabecas(const TTzuqTree& arvore) {
  QStringList codigos;
  for (int i = 0; i < arvore.Arvore()->topLevelItemCount(); ++i)
    codigos << QString::number(TTzuqTree::CodigoDoNo(arvore.Arvore()->topLevelItem(i)));
  return codigos;
}

QTreeWidgetItem* NoDeCodigo(const TTzuqTree& arvore, int codigo) {
  for (QTreeWidgetItemIterator it(arvore.Arvore()); *it; ++it)
    if (TTzuqTree::CodigoDoNo(*it) == codigo) return *it;
  return nullptr;
}

void Clica(const TTzuqTree& arvore, int codigo) {
  QTreeWidgetItem* no = NoDeCodigo(arvore, codigo);
  ASSERT_NE(no, nullptr) << codigo;
  arvore.Arvore()->scrollToItem(no);
  QWidget* area = arvore.Arvore()->viewport();
  // A caption wider than the tree runs past its edge: the click goes on the visible part.
  const QRect retangulo = arvore.Arvore()->visualItemRect(no);
  const QPoint ponto(retangulo.left() + qMin(retangulo.width(), area->width() - retangulo.left()) / 2,
                     retangulo.center().y());
  QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, ponto);
}

// The main window on the program's own index, with a fake page on every place of its container,
// and one company declaration of 2013 in the index.
class DeclaracaoNaJanela : public testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
    PassosPrincipal passos;
    indice.Conecta(passos);
    passos.registraPaginas = [this](TFrDeclaracao& conteiner) { RegistraPaginasFalsas(conteiner, diario); };
    janela = std::make_unique<TTolv2014>(ambiente, passos);
    janela->resize(1024, 700);
    janela->show();
    janela->setEnabled(true);
  }
  void TearDown() override {
    TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
    TVerificacaoEmCurso::instancia().DefineEmExecucao(false);
    janela.reset();
    LiberaPaginas();
    indice.FecharColecoes();
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
  }

  void cria(const Indicadores& indicadores = {}) { empresa_na_janela::CriaEmpresa(*janela, kCnpj, indicadores); }

  // Loads the declaration through the index, as the open dialog does, and shows it.
  bool abre() {
    empresa_na_janela::CarregaEmpresa(*janela, kCnpj);
    diario.clear();
    return janela->AbrirDeclaracao();
  }

  // A statement run on the declaration's database through a connection of the test's own.
  void roda(const QString& sql) { pasta.roda(kArquivo, sql); }

  PaginaFalsa* pagina(P::Pagina p) const { return PaginaFalsaDe(*janela->FrDeclaracao(), p); }
  const TTzuqTree& arvore() const { return *janela->tzuqtrArvore(); }

  PastaProgramaTemp pasta{true};
  CaixaMensagemFalsa caixa;
  GuardaPrograma guarda;
  AmbienteFalso ambiente;
  QStringList diario;
  IndicePrincipal indice;
  std::unique_ptr<TTolv2014> janela;
};

struct CasoAbertura {
  Indicadores indicadores;
  QStringList cabecas;
};

class AberturaPorIndicadores : public DeclaracaoNaJanela, public testing::WithParamInterface<CasoAbertura> {};

TEST_P(AberturaPorIndicadores, ShowsTheTreeWithTheNodesItsIndicatorsCallForAndTheHeaderPage) {
  cria(GetParam().indicadores);
  ASSERT_TRUE(abre());
  EXPECT_TRUE(janela->DeclaracaoAberta());
  EXPECT_TRUE(arvore().isVisible());
  EXPECT_TRUE(janela->FrDeclaracao()->isVisible());
  EXPECT_TRUE(janela->FrDeclaracao()->isEnabled());
  EXPECT_FALSE(janela->findChild<QWidget*>("PanelImg")->isVisible());
  EXPECT_EQ(Cabecas(arvore()), GetParam().cabecas);
  ASSERT_NE(arvore().NoSelecionado(), nullptr);
  EXPECT_EQ(*arvore().CodigoSelecionado(), 101);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Informacoes);
  EXPECT_TRUE(diario.contains("P101:Inicializa"));
  EXPECT_TRUE(diario.contains("P101:MostraFicha 101"));
  EXPECT_EQ(diario.contains("P305:Inicializa"), GetParam().indicadores.fundos);
  EXPECT_EQ(diario.contains("P405:Inicializa"), GetParam().indicadores.processos);
  // A 2013 declaration shows the income statements.
  EXPECT_TRUE(diario.contains("P700:Inicializa"));
  EXPECT_EQ(janela->windowTitle(), "Tolv 2014 - 11.444.777/0001-61 - EMPRESA TESTE LTDA - Versão 1.5");
  EXPECT_EQ(janela->findChild<QLabel*>("LbAnoRet")->text(), "Ano-calendário: 2013");
  EXPECT_EQ(janela->EscopoPesquisa(), 3);
  // The compensation nodes wait for a line's revenue code.
  EXPECT_EQ(NoDeCodigo(arvore(), 202), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AberturaPorIndicadores,
    testing::Values(CasoAbertura{{}, {"100", "700"}},
                    CasoAbertura{{true, false, false, false}, {"100", "300", "700"}},
                    CasoAbertura{{false, true, true, false}, {"100", "400", "700", "600"}},
                    CasoAbertura{{true, true, true, true}, {"100", "800", "300", "400", "700", "600"}}));

TEST_F(DeclaracaoNaJanela, IndicatorsThatTheDatabaseCallsForAreSwitchedOnBeforeTheTreeIsBuilt) {
  cria();
  roda("INSERT INTO TB_REMESSA (TREM_ID) VALUES (1)");
  ASSERT_TRUE(abre());
  EXPECT_EQ(janela->GetTolv().GetInRemessa(), 1);
  EXPECT_EQ(Cabecas(arvore()), QStringList({"100", "700", "600"}));
}

TEST_F(DeclaracaoNaJanela, AStaleSummaryIsRecomputedBeforeThePagesShow) {
  cria();
  roda("UPDATE RESUMOS SET TOT_BENEF = 5, OK = 0");
  ASSERT_TRUE(abre());
  EXPECT_EQ(janela->GetTolv().GetResumoGeral().GetOk(), 1);
  EXPECT_TRUE(janela->GetTolv().GetResumoGeral().GetTotBenef().GetValorInterno().ehZero());
}

TEST_F(DeclaracaoNaJanela, ACancelledRecalculationLeavesTheSummaryPage) {
  cria();
  ASSERT_TRUE(abre());
  janela->FrDeclaracao()->AtivaPagina(P::BeneficiariosTolv);
  janela->GetTolv().GetResumoGeral().SetOk(0);
  const int intervalo = TFoCalculaResumo::DefineIntervaloProgresso(0);
  TFoCalculaResumo::DefineObservador([](TFoCalculaResumo& j, int) { j.BtCancelar()->click(); });
  roda("INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ) VALUES (1, 1, '0561', '1', '111444777')");
  janela->FrDeclaracao()->AtivaPagina(P::Resumo);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_EQ(janela->GetTolv().GetResumoGeral().GetOk(), 0);

  // Completed, the page stays and the totals are current.
  TFoCalculaResumo::DefineObservador({});
  janela->FrDeclaracao()->AtivaPagina(P::Resumo);
  TFoCalculaResumo::DefineIntervaloProgresso(intervalo);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Resumo);
  EXPECT_EQ(janela->GetTolv().GetResumoGeral().GetOk(), 1);
  EXPECT_EQ(janela->GetTolv().GetResumoGeral().GetTotBenef().GetValorInterno(), Valor::deReais(1));
}

TEST_F(DeclaracaoNaJanela, ASummaryUpToDateIsKept) {
  cria();
  roda("UPDATE RESUMOS SET TOT_BENEF = 5, OK = 1");
  ASSERT_TRUE(abre());
  EXPECT_EQ(janela->GetTolv().GetResumoGeral().GetTotBenef().GetValorInterno(), Valor::deReais(5));
}

TEST_F(DeclaracaoNaJanela, AfterADatabaseFailureNothingOpens) {
  cria();
  TTolv& t = janela->GetTolv();
  t.GetContribuinte().SetNi(kCnpj);
  ASSERT_TRUE(janela->GetColecaoTolv().CarregaTolv(t));
  FalhaBanco = true;
  EXPECT_FALSE(janela->AbrirDeclaracao());
  EXPECT_FALSE(FalhaBanco);
  EXPECT_FALSE(janela->DeclaracaoAberta());
  EXPECT_FALSE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_TRUE(TColecao::GetBancoDeclaracao()->arquivo().isEmpty());
  EXPECT_EQ(PaginaFalsa::vivas(), 0);
  EXPECT_FALSE(arvore().isVisible());
}

TEST_F(DeclaracaoNaJanela, ChoosingANodeShowsThePageOfItsCode) {
  cria({true, false, false, false});
  ASSERT_TRUE(abre());
  // Entering the tree shows its selected node's page; only the click itself is under test.
  janela->tzuqtrArvore()->setFocus();
  QCoreApplication::processEvents();
  diario.clear();
  Clica(arvore(), 205);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_EQ(NoCorrente, 205);
  EXPECT_EQ(diario, QStringList({"P101:PodeSair", "P205:MostraFicha 205", "P205:DefineTitulo Beneficiário do declarante",
                                 "P305:DefineTitulo Beneficiário do declarante",
                                 "P405:DefineTitulo Beneficiário do declarante"}));
  diario.clear();
  Clica(arvore(), 301);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Fundos);
  EXPECT_TRUE(diario.contains("P305:MostraFicha 301"));
  EXPECT_TRUE(diario.contains("P305:DefineTitulo Fundo ou clube de investimentos - Rendimentos tributáveis"));
  EXPECT_TRUE(diario.contains("P405:DefineTitulo Fundo ou clube de investimentos - Rendimentos tributáveis"));
}

struct CasoRecusa {
  int origem;        // the node of the page that refuses
  const char* nome;  // its page
  int destino = 150;
};

class RecusaDaPagina : public DeclaracaoNaJanela, public testing::WithParamInterface<CasoRecusa> {};

TEST_P(RecusaDaPagina, APageRefusingToBeLeftKeepsTheNode) {
  cria({true, false, true, true});
  ASSERT_TRUE(abre());
  Clica(arvore(), GetParam().origem);
  for (int i = 0; i < P::kPaginas; ++i)
    if (auto* p = pagina(P::Pagina(i)); p && p->objectName() == GetParam().nome) p->podeSair = false;
  const P::Pagina antes = janela->FrDeclaracao()->PaginaAtual();
  diario.clear();
  Clica(arvore(), GetParam().destino);
  EXPECT_TRUE(diario.contains(QString(GetParam().nome) + ":PodeSair"));
  // Every page that refuses keeps the user, the declarant's lines page too (what it holds would
  // be lost), which also marks its refusal for the actions that look at it.
  EXPECT_EQ(*arvore().CodigoSelecionado(), GetParam().origem);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), antes);
  for (const QString& linha : std::as_const(diario))
    EXPECT_FALSE(linha.endsWith(QStringLiteral("MostraFicha %1").arg(GetParam().destino))) << linha.toStdString();
  if (GetParam().origem == 205) {
    EXPECT_TRUE(janela->RecusaPagina());
  }
}

INSTANTIATE_TEST_SUITE_P(Casos, RecusaDaPagina,
                         testing::Values(CasoRecusa{101, "P101"}, CasoRecusa{305, "P305"}, CasoRecusa{205, "P205"},
                                         CasoRecusa{800, "P800"}, CasoRecusa{801, "P800"}, CasoRecusa{600, "P600"},
                                         CasoRecusa{150, "P150", 205}));

// Closing the window by its own button passes no action: the page shown still keeps what it
// holds, or the window and the declaration stay.
TEST_F(DeclaracaoNaJanela, ClosingTheWindowAsksTheHealthPlanPage) {
  cria({false, false, false, true});
  ASSERT_TRUE(abre());
  Clica(arvore(), 800);
  ASSERT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::PlanoSaude);
  pagina(P::PlanoSaude)->podeSair = false;
  diario.clear();
  caixa.responde(ResultadoMensagem::Sim);
  janela->close();
  EXPECT_TRUE(diario.contains("P800:PodeSair"));
  EXPECT_TRUE(janela->DeclaracaoAberta());
  EXPECT_TRUE(janela->isVisible());
  pagina(P::PlanoSaude)->podeSair = true;
  caixa.responde(ResultadoMensagem::Sim);
  janela->close();
  EXPECT_FALSE(janela->DeclaracaoAberta());
}

TEST_F(DeclaracaoNaJanela, TheLinesPagesSwitchTheirSectionNodes) {
  cria({true, false, false, false});
  ASSERT_TRUE(abre());
  Clica(arvore(), 205);
  emit pagina(P::BeneficiariosTolv)->MudouCodigo(true, true);
  EXPECT_NE(NoDeCodigo(arvore(), 202), nullptr);
  EXPECT_NE(NoDeCodigo(arvore(), 204), nullptr);
  EXPECT_EQ(*arvore().CodigoSelecionado(), 205);  // the rebuilt tree still shows where the user is
  emit pagina(P::Fundos)->MudouMolestia(true);
  EXPECT_NE(NoDeCodigo(arvore(), 306), nullptr);
  EXPECT_EQ(NoDeCodigo(arvore(), 206), nullptr);
  emit pagina(P::BeneficiariosTolv)->MudouCodigo(false, true);
  EXPECT_EQ(NoDeCodigo(arvore(), 202), nullptr);
}

TEST_F(DeclaracaoNaJanela, TheProcessPageSwitchesItsSectionNodes) {
  cria({false, true, false, false});
  ASSERT_TRUE(abre());
  Clica(arvore(), 401);
  ASSERT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Advogado);
  EXPECT_TRUE(diario.contains("P405:DefineTitulo " + *TituloDoCodigo(401)));
  ASSERT_EQ(NoDeCodigo(arvore(), 402), nullptr);
  emit pagina(P::Advogado)->MudouCodigo(true, false);
  EXPECT_NE(NoDeCodigo(arvore(), 402), nullptr);
  EXPECT_NE(NoDeCodigo(arvore(), 403), nullptr);
  EXPECT_EQ(NoDeCodigo(arvore(), 202), nullptr);
  EXPECT_EQ(*arvore().CodigoSelecionado(), 401);
  emit pagina(P::Advogado)->MudouMolestia(true);
  EXPECT_NE(NoDeCodigo(arvore(), 406), nullptr);
}

TEST_F(DeclaracaoNaJanela, ClosingReleasesAndFreesThePagesAndAnotherCycleDoesNotGrowThem) {
  cria({true, true, false, false});
  for (int ciclo = 0; ciclo < 2; ++ciclo) {
    ASSERT_TRUE(abre());
    EXPECT_EQ(PaginaFalsa::vivas(), P::kPaginas);
    diario.clear();
    EXPECT_TRUE(janela->FecharDeclaracao());
    for (const char* nome : {"P101", "P102", "P150", "P205", "P305", "P405", "P450", "P600", "P700", "P800", "PResumo"})
      EXPECT_EQ(diario.count(QString(nome) + ":Finaliza"), 1) << nome;
    LiberaPaginas();
    EXPECT_EQ(PaginaFalsa::vivas(), 0);
    EXPECT_FALSE(janela->DeclaracaoAberta());
    EXPECT_FALSE(arvore().isVisible());
    EXPECT_FALSE(janela->FrDeclaracao()->isVisible());
    EXPECT_TRUE(janela->findChild<QWidget*>("PanelImg")->isVisible());
    EXPECT_EQ(janela->windowTitle(), "Tolv 2014 - Versão 1.5");
    EXPECT_TRUE(janela->findChild<QLabel*>("LbAnoRet")->text().isEmpty());
    EXPECT_FALSE(TColecao::GetBancoDeclaracao()->conectada());
  }
  // Closed, the tree comes back 191 pixels wide.
  ASSERT_TRUE(abre());
  EXPECT_EQ(arvore().width(), 191);
}

TEST_F(DeclaracaoNaJanela, ClosingWaitsUntilTheVerificationStops) {
  cria();
  ASSERT_TRUE(abre());
  TVerificacaoEmCurso& verificacao = TVerificacaoEmCurso::instancia();
  int pedidos = 0;
  verificacao.DefinePedidoFechamento([&] {
    ++pedidos;
    return false;  // asked to stop, the run goes on a while
  });
  verificacao.DefineEmExecucao(true);
  const TTolv* aberta = &janela->GetTolv();
  diario.clear();

  EXPECT_FALSE(janela->FecharDeclaracao());
  EXPECT_EQ(pedidos, 1);
  EXPECT_FALSE(janela->FecharDeclaracao());  // still stopping: asked once
  EXPECT_EQ(pedidos, 1);
  QCoreApplication::processEvents();
  LiberaPaginas();
  // The run still reads the declaration: nothing of it has gone.
  EXPECT_TRUE(diario.filter(":Finaliza").isEmpty());
  EXPECT_EQ(PaginaFalsa::vivas(), P::kPaginas);
  EXPECT_EQ(&janela->GetTolv(), aberta);
  EXPECT_TRUE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_FALSE(janela->AbrirDeclaracao());

  verificacao.DefinePedidoFechamento({});
  verificacao.DefineEmExecucao(false);
  QCoreApplication::processEvents();
  LiberaPaginas();
  EXPECT_FALSE(janela->DeclaracaoAberta());
  EXPECT_EQ(diario.count("P101:Finaliza"), 1);
  EXPECT_EQ(PaginaFalsa::vivas(), 0);
  EXPECT_FALSE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_EQ(janela->windowTitle(), "Tolv 2014 - Versão 1.5");
  EXPECT_TRUE(janela->FecharDeclaracao());
}

TEST_F(DeclaracaoNaJanela, AVerificationWindowThatClosesAtOnceLetsTheCallerGoOn) {
  cria();
  ASSERT_TRUE(abre());
  int pedidos = 0;
  TVerificacaoEmCurso::instancia().DefinePedidoFechamento([&] {
    ++pedidos;
    return true;
  });
  EXPECT_TRUE(janela->FecharDeclaracao());
  EXPECT_EQ(pedidos, 1);
  EXPECT_FALSE(janela->DeclaracaoAberta());
}

TEST_F(DeclaracaoNaJanela, GoToRequestsShowTheSupplementaryPages) {
  cria({false, false, true, true});
  ASSERT_TRUE(abre());
  diario.clear();
  janela->IrParaPendencia("3", "7", 7);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Remessa);
  janela->IrParaPendencia("4", "9", 55);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::PlanoSaude);
  janela->IrParaPendencia("5", "-1", 58);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::RraJustica);
  janela->IrParaPendencia("1", "0", 12);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Informacoes);
  // Each page shown gives way first, as leaving it would; an editor is asked once more as its
  // page is left, with nothing left to store by then.
  EXPECT_EQ(diario, QStringList({"P101:PodeSair", "P600:Posiciona 3 7 7", "P600:PodeSair", "P600:PodeSair",
                                 "P800:Posiciona 4 9 55", "P800:PodeSair", "P800:PodeSair", "P450:Posiciona 5 -1 58",
                                 "P450:PodeSair", "P450:PodeSair"}));
}

// A finding reached while the page shown holds a value it refuses: the user stays there with
// the page's message, nothing typed is dropped, and the go-to goes nowhere.
TEST_F(DeclaracaoNaJanela, GoToFromTheVerificationAsksThePageShownFirst) {
  cria({true, false, false, false});
  ASSERT_TRUE(abre());
  Clica(arvore(), 205);
  pagina(P::BeneficiariosTolv)->podeSair = false;
  diario.clear();
  caixa.limpa();
  janela->IrParaPendencia("1", "2", 22);
  EXPECT_EQ(diario, QStringList({"P205:PodeSair"}));
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  // Once it agrees (the line stored), the go-to positions the line.
  pagina(P::BeneficiariosTolv)->podeSair = true;
  diario.clear();
  janela->IrParaPendencia("1", "2", 22);
  EXPECT_EQ(diario, QStringList({"P205:PodeSair", "P205:Posiciona 1 2 22"}));
}

TEST_F(DeclaracaoNaJanela, EndingOnTheSystemsRequestAsksNothingAndClosesEverything) {
  cria({true, false, false, false});
  ASSERT_TRUE(abre());
  Clica(arvore(), 205);
  // The page holds a value that fails its checks: dropped, and its message shows nowhere.
  pagina(P::BeneficiariosTolv)->podeSair = false;
  int copias = 0;
  janela->passos().gravaCopiaAutomatica = [&](QWidget*) { ++copias; };
  caixa.limpa();
  diario.clear();

  janela->EncerraSemPerguntar();
  EXPECT_TRUE(caixa.chamadas().empty());
  EXPECT_TRUE(diario.contains("P101:PodeSair"));
  EXPECT_TRUE(diario.contains("P205:PodeSair"));
  EXPECT_EQ(diario.count("P205:Finaliza"), 1);
  EXPECT_FALSE(janela->DeclaracaoAberta());
  EXPECT_FALSE(TColecao::GetBancoDeclaracao()->conectada());
  EXPECT_FALSE(TColecao::GetBancoIndice()->conectada());
  EXPECT_EQ(copias, 0);
  // The program's own box is back for whatever comes next.
  ExibeMensagem(QStringLiteral("depois"), TipoMensagem::Aviso);
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

TEST_F(DeclaracaoNaJanela, EnteringTheTreeByKeyboardShowsTheSelectedNodesPage) {
  cria({true, false, false, false});
  ASSERT_TRUE(abre());
  ASSERT_TRUE(AtivaJanela(janela.get()));
  pagina(P::Informacoes)->campo->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
  // The keyboard moved the selection without a click: nothing was shown yet.
  arvore().Arvore()->setCurrentItem(NoDeCodigo(arvore(), 301));
  ASSERT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Informacoes);
  diario.clear();

  arvore().Arvore()->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Fundos);
  EXPECT_TRUE(diario.contains("P305:MostraFicha 301"));
  const QString titulo = "Fundo ou clube de investimentos - Rendimentos tributáveis";
  EXPECT_TRUE(diario.contains("P205:DefineTitulo " + titulo));
  EXPECT_TRUE(diario.contains("P305:DefineTitulo " + titulo));
  EXPECT_TRUE(diario.contains("P405:DefineTitulo " + titulo));
}

TEST_F(DeclaracaoNaJanela, EnteringTheTreeWithNoNodeSelectedFocusesTheActivePage) {
  cria();
  ASSERT_TRUE(abre());
  ASSERT_TRUE(AtivaJanela(janela.get()));
  Clica(arvore(), 205);
  pagina(P::BeneficiariosTolv)->campo->setFocus(Qt::OtherFocusReason);
  QCoreApplication::processEvents();
  arvore().Arvore()->clearSelection();
  diario.clear();

  arvore().Arvore()->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), pagina(P::BeneficiariosTolv)->campo);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_FALSE(diario.contains("P205:MostraFicha 205"));
}

struct CasoLargura {
  int janela;    // the window's width
  int arvore;    // the tree's width asked for through the divider
  int esperada;  // the tree's width that stays
};

class LarguraDaArvore : public DeclaracaoNaJanela, public testing::WithParamInterface<CasoLargura> {};

TEST_P(LarguraDaArvore, FollowsTheWindowsRules) {
  cria();
  janela->resize(GetParam().janela, 700);
  ASSERT_TRUE(abre());
  QCoreApplication::processEvents();
  auto* divisor = janela->findChild<QSplitter*>("splDivisor");
  const int total = divisor->width() - divisor->handleWidth();
  // The user drags the divider.
  QWidget* alca = divisor->handle(1);
  const QPoint meio(alca->width() / 2, alca->height() / 2);
  QTest::mousePress(alca, Qt::LeftButton, Qt::NoModifier, meio);
  QTest::mouseMove(alca, meio + QPoint(GetParam().arvore - arvore().width(), 0));
  QTest::mouseRelease(alca, Qt::LeftButton, Qt::NoModifier, meio + QPoint(GetParam().arvore - arvore().width(), 0));
  QCoreApplication::processEvents();
  const int esperada = GetParam().esperada > 0 ? GetParam().esperada : total - 610;
  EXPECT_EQ(arvore().width(), esperada);
  EXPECT_EQ(janela->FrDeclaracao()->width(), total - esperada);
}

// 0 in esperada: the pages take 610 pixels and the tree the rest.
INSTANTIATE_TEST_SUITE_P(Casos, LarguraDaArvore,
                         testing::Values(CasoLargura{1024, 250, 250}, CasoLargura{1024, 400, 280},
                                         CasoLargura{1024, 0, 50}, CasoLargura{1024, 30, 50},
                                         CasoLargura{800, 260, 0}, CasoLargura{800, 150, 150}));

}  // namespace
