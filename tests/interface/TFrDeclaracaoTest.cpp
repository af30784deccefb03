#include <QApplication>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "PaginaFalsa.h"
#include "controles/TTolvEditNi.h"
#include "interface/TFrDeclaracao.h"
#include "nucleo/CaixaMensagem.h"
#include "nucleo/Cpf.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

using P = TFrDeclaracao;

void LiberaPaginas() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TEST(TFrDeclaracao, HoldsElevenPagesInOrderAndStartsDisabled) {
  TFrDeclaracao conteiner;
  QStackedWidget* pg = conteiner.PgDeclaracao();
  ASSERT_EQ(pg->objectName(), "PgDeclaracao");
  ASSERT_EQ(pg->count(), P::kPaginas);
  const QStringList nomes{"TsInformacoes",   "tsResponsavel", "TsBeneficiariosTolv", "TsFundos",
                          "TsAdvogado",      "TsResumo",      "TsComprovante",       "tsRemessa",
                          "tsPlanoSaude",    "tsRraDeclarante", "tsRraJustica"};
  const QStringList legendas{"&Informações", "Responsável",   "&Beneficiários",
                             "F&undos ou Clubes", "&Just Trab./Fed.", "&Resumo",
                             "&Comprovante de Rendimentos", "Remessa", "PlanoSaude",
                             "RraDeclarante", "RraJustica"};
  for (int i = 0; i < P::kPaginas; ++i) {
    EXPECT_EQ(pg->widget(i)->objectName(), nomes[i]);
    EXPECT_EQ(conteiner.Legenda(P::Pagina(i)), legendas[i]);
    const bool desenhadaDesabilitada = i == P::Fundos || i == P::Advogado || i == P::Comprovante;
    EXPECT_EQ(conteiner.Habilitada(P::Pagina(i)), !desenhadaDesabilitada) << i;
  }
  EXPECT_FALSE(conteiner.AbaVisivel(P::Comprovante));
  EXPECT_FALSE(conteiner.isEnabled());
  EXPECT_FALSE(pg->isEnabled());
  EXPECT_EQ(pg->property("contextoAjuda").toInt(), 12000);
}

struct CasoCodigo {
  int codigo;
  int pagina;  // -1: the page does not change
};

class CodigoDoNo : public testing::TestWithParam<CasoCodigo> {};

TEST_P(CodigoDoNo, ShowsThePageOfTheCodeAndKeepsTheCode) {
  TFrDeclaracao conteiner;
  conteiner.AtivaPagina(P::Resumo);
  conteiner.MostraPagina(GetParam().codigo);
  EXPECT_EQ(NoCorrente, GetParam().codigo);
  EXPECT_EQ(conteiner.PaginaAtual(), GetParam().pagina < 0 ? P::Resumo : P::Pagina(GetParam().pagina));
  // An empty page for a code whose page no factory made.
  EXPECT_EQ(conteiner.PaginaDe(conteiner.PaginaAtual()), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Codigos, CodigoDoNo,
    testing::Values(CasoCodigo{100, P::Informacoes}, CasoCodigo{101, P::Informacoes}, CasoCodigo{102, P::Responsavel},
                    CasoCodigo{150, P::RraDeclarante}, CasoCodigo{201, P::BeneficiariosTolv},
                    CasoCodigo{205, P::BeneficiariosTolv}, CasoCodigo{206, P::BeneficiariosTolv},
                    CasoCodigo{300, P::Fundos}, CasoCodigo{304, P::Fundos}, CasoCodigo{306, P::Fundos},
                    CasoCodigo{400, P::Advogado}, CasoCodigo{405, P::Advogado}, CasoCodigo{406, P::Advogado},
                    CasoCodigo{450, P::RraJustica}, CasoCodigo{600, P::Remessa}, CasoCodigo{602, P::Remessa},
                    CasoCodigo{700, P::Comprovante}, CasoCodigo{707, P::Comprovante},
                    CasoCodigo{800, P::PlanoSaude}, CasoCodigo{801, P::PlanoSaude}, CasoCodigo{404, -1},
                    CasoCodigo{500, -1}, CasoCodigo{207, -1}, CasoCodigo{603, -1}, CasoCodigo{0, -1}));

TEST(TFrDeclaracao, RegistersAPageByTheCodeOfItsNode) {
  TFrDeclaracao conteiner;
  QStringList diario;
  conteiner.RegistraPagina(601, [&](QWidget* pai) { return new PaginaFalsa(pai, "Remessa", diario); });
  EXPECT_THROW(conteiner.RegistraPagina(500, [&](QWidget* pai) { return new PaginaFalsa(pai, "x", diario); }),
               std::invalid_argument);
  conteiner.AbrePaginas({}, nullptr);
  ASSERT_NE(conteiner.PaginaDe(P::Remessa), nullptr);
  EXPECT_EQ(conteiner.PaginaDe(P::Remessa)->parentWidget(), conteiner.Aba(P::Remessa));
  conteiner.FechaPaginas();
  LiberaPaginas();
}

// A container with a fake page on every place, bound to a person's declaration.
class ConteinerComPaginas : public testing::Test {
 protected:
  ConteinerComPaginas() {
    RegistraPaginasFalsas(conteiner, diario);
    declaracao.GetContribuinte().SetNi(QStringLiteral("11144477735"));
    conteiner.SetDeclaracao(&declaracao);
  }
  ~ConteinerComPaginas() override {
    if (conteiner.PaginasAbertas()) conteiner.FechaPaginas();
    LiberaPaginas();
  }
  void abre() {
    conteiner.AbrePaginas([this](const QString& d, const QString& o, int s) { idas << QStringLiteral("%1 %2 %3").arg(d, o).arg(s); },
                          &janela);
    diario.clear();
  }
  PaginaFalsa* pagina(P::Pagina p) { return PaginaFalsaDe(conteiner, p); }

  CaixaMensagemFalsa caixa;
  QStringList diario;
  QStringList idas;
  TTolv declaracao;
  QWidget janela;
  TFrDeclaracao conteiner{&janela};
};

TEST_F(ConteinerComPaginas, OpeningMakesEveryPageAndBindsAllButTheAnnexAndStatementPages) {
  conteiner.AbrePaginas({}, &janela);
  EXPECT_EQ(diario, QStringList({"P101:Inicializa", "P205:Inicializa", "PResumo:Inicializa", "P600:Inicializa",
                                 "P800:Inicializa", "P150:Inicializa", "P450:Inicializa", "P102:Inicializa"}));
  EXPECT_EQ(PaginaFalsa::vivas(), P::kPaginas);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Informacoes);
  const TContextoPagina& contexto = pagina(P::Informacoes)->contexto;
  EXPECT_EQ(contexto.declaracao, &declaracao);
  EXPECT_EQ(contexto.conteiner, &conteiner);
  EXPECT_EQ(contexto.janelaPrincipal, &janela);
}

TEST_F(ConteinerComPaginas, AnnexPagesAreBoundWhileShown) {
  abre();
  conteiner.MostraFundos(true);
  conteiner.MostraFundos(true);
  EXPECT_TRUE(conteiner.FundosMostrados());
  EXPECT_TRUE(conteiner.Habilitada(P::Fundos));
  conteiner.MostraPagina(305);
  conteiner.MostraFundos(false);
  EXPECT_EQ(diario, QStringList({"P305:Inicializa", "P305:MostraFicha 305", "P305:Finaliza"}));
  // Hiding the page that is shown goes back to the header page.
  EXPECT_EQ(conteiner.PaginaAtual(), P::Informacoes);
  EXPECT_FALSE(conteiner.Habilitada(P::Fundos));
  EXPECT_FALSE(conteiner.FundosMostrados());
}

TEST_F(ConteinerComPaginas, TheProcessPageIsNamedAfterTheCalendarYear) {
  declaracao.CarregaAnoCalendario(QStringLiteral("2004"));
  conteiner.MostraProcessos(true);
  EXPECT_EQ(conteiner.Legenda(P::Advogado), "&Justiça do Trabalho");
  declaracao.CarregaAnoCalendario(QStringLiteral("2013"));
  conteiner.MostraProcessos(false);
  EXPECT_EQ(conteiner.Legenda(P::Advogado), "&Just. Trab./Fed");
}

TEST_F(ConteinerComPaginas, ClosingReleasesAndFreesEveryPageAndTheNextOpeningMakesNewOnes) {
  for (int ciclo = 0; ciclo < 2; ++ciclo) {
    abre();
    EXPECT_EQ(PaginaFalsa::vivas(), P::kPaginas);
    conteiner.MostraFundos(true);
    conteiner.MostraComprovante(true);
    diario.clear();
    conteiner.FechaPaginas();
    EXPECT_EQ(diario.filter(":Finaliza").size(), 10) << diario.join('\n').toStdString();  // P102 ... P800, no P405
    EXPECT_FALSE(diario.contains("P405:Finaliza"));
    for (int i = 0; i < P::kPaginas; ++i) EXPECT_EQ(conteiner.PaginaDe(P::Pagina(i)), nullptr);
    EXPECT_FALSE(conteiner.isEnabled());
    EXPECT_FALSE(conteiner.FundosMostrados());
    EXPECT_FALSE(conteiner.ComprovanteMostrado());
    LiberaPaginas();
    EXPECT_EQ(PaginaFalsa::vivas(), 0);
    // A page is released before it goes.
    for (const QString nome : {"P101", "P600", "P305", "P700"})
      EXPECT_LT(diario.indexOf(nome + ":Finaliza"), diario.indexOf(nome + ":destruida")) << nome.toStdString();
  }
}

TEST_F(ConteinerComPaginas, NodeCodesReachThePagesThatShowThem) {
  abre();
  conteiner.MostraFundos(true);
  diario.clear();
  for (int codigo : {101, 203, 150, 450, 306, 601, 801, 404}) conteiner.MostraPagina(codigo);
  // Leaving a page that keeps keyed data asks it first.
  EXPECT_EQ(diario, QStringList({"P101:MostraFicha 101", "P205:MostraFicha 203", "P205:PodeSair",
                                 "P205:MostraFicha 150", "P150:MostraFicha 150", "P150:PodeSair",
                                 "P205:MostraFicha 450", "P450:MostraFicha 450", "P450:PodeSair",
                                 "P305:MostraFicha 306", "P305:PodeSair", "P600:MostraFicha 601", "P600:PodeSair",
                                 "P800:MostraFicha 801"}));
}

// The supplementary editors keep what was typed until their own exits store it: leaving their
// page asks them, as it asks the lines pages.
class EditorQueRecusa : public ConteinerComPaginas, public testing::WithParamInterface<int> {};

TEST_P(EditorQueRecusa, KeepsTheUserOnItsPage) {
  abre();
  conteiner.MostraPagina(GetParam());
  const P::Pagina pagina = *P::PaginaDoCodigo(GetParam());
  this->pagina(pagina)->podeSair = false;
  diario.clear();
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), pagina);
  EXPECT_EQ(diario, QStringList({this->pagina(pagina)->objectName() + ":PodeSair"}));
  EXPECT_FALSE(conteiner.AtivaPagina(P::Resumo));
  this->pagina(pagina)->podeSair = true;
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Informacoes);
}

INSTANTIATE_TEST_SUITE_P(Casos, EditorQueRecusa, testing::Values(150, 450, 600, 800));

TEST_F(ConteinerComPaginas, ALinesPageThatRefusesKeepsTheUserOnIt) {
  abre();
  conteiner.MostraPagina(201);
  pagina(P::BeneficiariosTolv)->podeSair = false;
  diario.clear();
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_EQ(diario, QStringList({"P205:PodeSair"}));
  pagina(P::BeneficiariosTolv)->podeSair = true;
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Informacoes);
}

TEST_F(ConteinerComPaginas, AnUnboundPageIsNotToldTheCode) {
  abre();
  conteiner.MostraPagina(401);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Advogado);
  EXPECT_TRUE(diario.isEmpty());
}

struct CasoSaida {
  bool fundos;
  bool processos;
  const char* recusa;  // the page that refuses, or ""
  const char* perguntadas;
  bool aceita;
};

class PodeSair : public ConteinerComPaginas, public testing::WithParamInterface<CasoSaida> {};

TEST_P(PodeSair, AsksTheBoundPagesInOrderUntilOneRefuses) {
  abre();
  conteiner.MostraFundos(GetParam().fundos);
  conteiner.MostraProcessos(GetParam().processos);
  for (int i = 0; i < P::kPaginas; ++i)
    if (auto* p = pagina(P::Pagina(i)); p && p->objectName() == GetParam().recusa) p->podeSair = false;
  diario.clear();
  EXPECT_EQ(conteiner.PodeSair(), GetParam().aceita);
  EXPECT_EQ(diario.join(' ').remove(":PodeSair"), GetParam().perguntadas);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, PodeSair,
    testing::Values(CasoSaida{false, false, "", "P101 P150 P205 P600 P800", true},
                    CasoSaida{true, false, "", "P101 P150 P205 P305 P600 P800", true},
                    CasoSaida{false, true, "", "P101 P150 P205 P405 P450 P600 P800", true},
                    CasoSaida{true, true, "", "P101 P150 P205 P305 P405 P450 P600 P800", true},
                    CasoSaida{true, true, "P101", "P101", false}, CasoSaida{true, true, "P150", "P101 P150", false},
                    CasoSaida{true, true, "P305", "P101 P150 P205 P305", false},
                    CasoSaida{true, true, "P405", "P101 P150 P205 P305 P405", false},
                    CasoSaida{true, true, "P450", "P101 P150 P205 P305 P405 P450", false},
                    // The payments-abroad and health-plan editors hold typed data too.
                    CasoSaida{false, false, "P600", "P101 P150 P205 P600", false},
                    CasoSaida{true, true, "P800", "P101 P150 P205 P305 P405 P450 P600 P800", false},
                    // Hidden pages are never asked, whatever they would say.
                    CasoSaida{false, false, "P450", "P101 P150 P205 P600 P800", true}));

TEST_F(ConteinerComPaginas, AFocusedEditHoldingARefusedValueKeepsThePage) {
  abre();
  TCpf cpf;
  auto* edit = new TTolvEditNi(&janela);
  edit->SetNi(&cpf);
  auto* layout = new QVBoxLayout(&janela);
  layout->addWidget(&conteiner);
  layout->addWidget(edit);
  ASSERT_TRUE(AtivaJanela(&janela));
  edit->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(edit, "12345678900");
  caixa.limpa();
  diario.clear();
  EXPECT_FALSE(conteiner.PodeSair());
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_TRUE(diario.isEmpty());  // no page was asked
  EXPECT_EQ(conteiner.ControleAtivo(), edit);
}

TEST_F(ConteinerComPaginas, TheFocusEnteringAPageEntersIt) {
  abre();
  auto* layout = new QVBoxLayout(&janela);
  auto* fora = new QLineEdit(&janela);
  layout->addWidget(fora);
  layout->addWidget(&conteiner);
  conteiner.setEnabled(true);
  conteiner.PgDeclaracao()->setEnabled(true);
  conteiner.show();
  ASSERT_TRUE(AtivaJanela(&janela));
  fora->setFocus(Qt::OtherFocusReason);
  conteiner.MostraPagina(201);
  diario.clear();
  pagina(P::BeneficiariosTolv)->campo->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(diario, QStringList({"P205:Entra"}));
  fora->setFocus(Qt::OtherFocusReason);
  pagina(P::BeneficiariosTolv)->campo->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(diario, QStringList({"P205:Entra", "P205:Entra"}));
}

TEST_F(ConteinerComPaginas, ACompanyWithoutANatureCannotLeaveTheHeaderPage) {
  abre();
  declaracao.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
  declaracao.SetNatureza(nullptr);
  EXPECT_FALSE(conteiner.AtivaPagina(P::BeneficiariosTolv));
  conteiner.MostraPagina(205);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Informacoes);
  ASSERT_EQ(caixa.chamadas().size(), 2u);
  EXPECT_EQ(caixa.ultima().texto, TErro::FormataMensagem(10, {}));
  EXPECT_EQ(caixa.ultima().flags, 64);
  EXPECT_FALSE(diario.contains("P205:MostraFicha 205"));
  // Nor can a person, for whom no nature is asked, be kept there.
  declaracao.GetContribuinte().SetNi(QStringLiteral("11144477735"));
  EXPECT_TRUE(conteiner.AtivaPagina(P::BeneficiariosTolv));
}

TEST_F(ConteinerComPaginas, GoToRequestsReachTheSupplementaryEditors) {
  abre();
  conteiner.PosicionarRemessa("12", "7", "3");
  conteiner.PosicionarPlanoSaude("4", "55", "9");
  conteiner.PosicionarRra("8", "-1", 57);
  conteiner.PosicionarRra("9", "-1", 58);
  conteiner.RecarregaEditores();
  EXPECT_EQ(diario, QStringList({"P600:Posiciona 12 3 7", "P800:Posiciona 4 9 55", "P150:Posiciona 8 -1 57",
                                 "P450:Posiciona 9 -1 58", "P600:Recarrega", "P150:Recarrega", "P450:Recarrega"}));
}

// The income statements of a declaration whose database holds that many beneficiaries and
// accumulated-income items.
struct CasoComprovante {
  int beneficiarios;
  int rra;
  bool pergunta;
  int resposta;
  bool permitida;
};

class Comprovantes : public ConteinerComPaginas, public testing::WithParamInterface<CasoComprovante> {
 protected:
  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
    TColecao::ConectaBancoModelo();
    bd::Transacao tr(*TColecao::GetBancoDeclaracao());
    bd::Consulta resumo(tr, "INSERT INTO RESUMOS (E_FONTE_DK, TOT_BENEF) VALUES (:F, :T)");
    // Split over two sources: the count is their sum.
    resumo.param("F", 1);
    resumo.param("T", GetParam().beneficiarios / 2);
    resumo.executa();
    resumo.param("F", 2);
    resumo.param("T", GetParam().beneficiarios - GetParam().beneficiarios / 2);
    resumo.executa();
    bd::Consulta rra(tr, "INSERT INTO RRA_ITEM (RRA_ITEM_ID, IN_TIPO_RRA, NR_PF_PJ) VALUES (:I, :T, '111444777')");
    for (int i = 0; i < GetParam().rra; ++i) {
      rra.param("I", i + 1);
      rra.param("T", i % 2 ? "2" : "1");
      rra.executa();
    }
    tr.commit();
  }
  void TearDown() override {
    conteiner.FechaPaginas();
    LiberaPaginas();
    TColecao::FechaConexoes();
  }

  PastaProgramaTemp pasta{true};
  GuardaPrograma guarda;
};

TEST_P(Comprovantes, ALongGenerationIsAskedFirst) {
  abre();
  conteiner.MostraComprovante(true);
  diario.clear();
  caixa.responde(GetParam().resposta);
  conteiner.MostraPagina(705);
  EXPECT_EQ(conteiner.PaginaAtual(), P::Comprovante);
  if (GetParam().pergunta) {
    ASSERT_EQ(caixa.chamadas().size(), 1u);
    EXPECT_EQ(caixa.ultima().texto, "A geração de comprovante pode demorar vários minutos. Deseja continuar?");
    EXPECT_EQ(caixa.ultima().titulo, "Geração de Comprovante");
    EXPECT_EQ(caixa.ultima().flags, 36);
  } else {
    EXPECT_TRUE(caixa.chamadas().empty());
  }
  EXPECT_EQ(diario, QStringList({QStringLiteral("P700:PermiteGeracao %1").arg(GetParam().permitida ? 1 : 0),
                                 "P700:MostraFicha 705"}));
}

INSTANTIATE_TEST_SUITE_P(Casos, Comprovantes,
                         testing::Values(CasoComprovante{60000, 0, true, ResultadoMensagem::Nao, false},
                                         CasoComprovante{60000, 0, true, ResultadoMensagem::Sim, true},
                                         CasoComprovante{49999, 2, true, ResultadoMensagem::Nao, false},
                                         CasoComprovante{49999, 1, false, ResultadoMensagem::Nao, true},
                                         CasoComprovante{0, 0, false, ResultadoMensagem::Nao, true}));

}  // namespace
