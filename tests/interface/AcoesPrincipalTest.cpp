#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <stdexcept>

#include "EmpresaNaJanela.h"
#include "PaginaFalsa.h"
#include "controles/IServicosPrincipal.h"
#include "controles/IServicosVerificacao.h"
#include "controles/PontosEntrada.h"
#include "controles/TVerificacaoEmCurso.h"
#include "interface/AcoesPrincipal.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/EstadoAcoes.h"
#include "interface/IndicePrincipal.h"
#include "interface/InicioFalso.h"
#include "interface/RenomeacaoBanco.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTolv2014.h"
#include "interface/TecladoPrincipal.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/UtilTexto.h"
#include "plataforma/sistema/ArquivoIni.h"
#include "relatorios/gui/TFoAssistRelatorios.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

using P = TFrDeclaracao;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kArquivo = QStringLiteral("TOLV2014114447770001612013.FDB");
const QString kSemDados = QStringLiteral("Não existem dados a serem impressos.");

// The main window on the program's own index with a fake page on every place, and the entry
// points of the other windows emptied (each test registers what it looks at).
class JanelaComAcoes : public testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
    AcaoEmAndamento = false;
    TipoImpressao = 0;
    PontosEntrada::doPrograma() = PontosEntrada{};
    DialogosDeclaracao::DefineAssistenteImportacao({});
    PassosPrincipal passos;
    indice.Conecta(passos);
    passos.registraPaginas = [this](TFrDeclaracao& conteiner) { RegistraPaginasFalsas(conteiner, diario); };
    janela = std::make_unique<TTolv2014>(ambiente, passos);
    janela->resize(1024, 700);
    janela->show();
    janela->setEnabled(true);
  }
  void TearDown() override {
    PontosEntrada::doPrograma() = PontosEntrada{};
    TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
    TVerificacaoEmCurso::instancia().DefineEmExecucao(false);
    janela.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    indice.FecharColecoes();
    TColecao::FechaConexoes();
    FalhaBanco = FalhaBancoIndice = false;
    AcaoEmAndamento = false;
    TipoImpressao = 0;
  }

  void cria(bool fundos = false, bool processos = false) {
    empresa_na_janela::CriaEmpresa(*janela, kCnpj, {fundos, processos});
    janela->GetColecaoTolv().Atualiza();
  }
  bool abre() {
    empresa_na_janela::CarregaEmpresa(*janela, kCnpj);
    const bool aberta = janela->AbrirDeclaracao();
    diario.clear();
    return aberta;
  }

  QAction* acao(Acao a) const { return janela->Acoes().acao(a); }
  PaginaFalsa* pagina(P::Pagina p) const { return PaginaFalsaDe(*janela->FrDeclaracao(), p); }
  void roda(const QString& sql) { pasta.roda(kArquivo, sql); }

  PastaProgramaTemp pasta{true};
  CaixaMensagemFalsa caixa;
  GuardaPrograma guarda;
  AmbienteFalso ambiente;
  QStringList diario;
  IndicePrincipal indice;
  std::unique_ptr<TTolv2014> janela;
};

QString indisponivel(const QString& nome) {
  return nome + QStringLiteral(": esta função ainda não está disponível nesta versão do programa.");
}

}  // namespace

TEST_F(JanelaComAcoes, EveryActionExistsWithItsNameInTheWindow) {
  std::set<QString> nomes;
  for (int i = 0; i < kAcoes; ++i) {
    const Acao a = Acao(i);
    QAction* q = janela->findChild<QAction*>(QString::fromLatin1(NomeAcao(a)));
    ASSERT_NE(q, nullptr) << NomeAcao(a);
    EXPECT_EQ(q, acao(a));
    EXPECT_TRUE(nomes.insert(q->objectName()).second) << NomeAcao(a);
  }
  const std::pair<Acao, const char*> atalhos[] = {
      {Acao::MiNova, "Ctrl+N"},        {Acao::MiAbrir, "Ctrl+A"},      {Acao::MiFecharDeclaracao, "Ctrl+F"},
      {Acao::MiImportar, "Ctrl+I"},    {Acao::MiImprimir, "Ctrl+M"},   {Acao::MiVerificarPendencias, "Ctrl+E"},
      {Acao::MiGravarBvd, "Ctrl+G"},   {Acao::MiTransmitirviaInternet, "Ctrl+T"}, {Acao::MiPesquisar, "Ctrl+S"},
      {Acao::MiCalculadora, "Ctrl+L"}};
  for (const auto& [a, atalho] : atalhos) EXPECT_EQ(acao(a)->shortcut(), QKeySequence(atalho)) << NomeAcao(a);

  // The menu bar, in order; the analyser's menu hidden until its setting asks for it.
  QStringList menus;
  for (QAction* m : janela->menuBar()->actions()) menus << m->text();
  EXPECT_EQ(menus, QStringList({"&Declaração", "A&nalisador", "&Ferramentas", "Consul&tas na internet", "&Ajuda"}));
  EXPECT_FALSE(janela->Acoes().MenuAnalisador()->menuAction()->isVisible());
  QStringList impressao;
  for (QAction* a : janela->Acoes().MenuImpressao()->actions()) impressao << a->text();
  EXPECT_EQ(impressao, QStringList({"&Declaração completa", "&Recibo de entrega", "&Comprovante de rendimento",
                                    "&Lista de beneficiários", "&Totais por código", "R&esumo da declaração",
                                    "&Gerencial"}));
  for (Acao a : {Acao::MiImportarAnosAnteriores, Acao::MiResumo, Acao::MiSincronizar, Acao::actHabilitarAnalisador,
                 Acao::ActPergResp, Acao::MiManual, Acao::MiAjudaCampo, Acao::UsodoTeclado1})
    EXPECT_FALSE(acao(a)->isVisible()) << NomeAcao(a);
  EXPECT_FALSE(janela->Acoes().BarraFerramentas()->isVisible());
}

// The states of the actions: one table over the state function of the menus and the gate of the
// windows, as the main window applies them.
namespace {

enum class Estado { SemDeclaracao, DeclaracaoAberta, VerificacaoEmCurso, FalhaBanco, IndiceVazio };

struct CasoEstado {
  const char* nome;
  Estado estado;
  std::vector<Acao> desabilitadas;  // every other action enabled
  bool alteraVisivel;
  bool comprovante;
  QStringList abrem;                // of kFormularios
  int pedidosPesquisa;
};

const QStringList kFormularios = {"FoNovaDeclaracao",  "FoPendencias", "FoAssistRelatorios", "FormAssistCopSeg",
                                  "FoAssistTransmissao", "FoCalcula",  "FoPesquisar",        "FoNovidade"};
const std::vector<Acao> kFalhaIndice = {
    Acao::MiAbrir,  Acao::MiExcluir, Acao::ActAltera,   Acao::MiGravarBvd, Acao::MiImprimir,
    Acao::MiImportar, Acao::MiFecharDeclaracao, Acao::MiResumo, Acao::MiVerificarPendencias, Acao::MiPesquisar,
    Acao::MiSincronizar, Acao::MiNova, Acao::MiCopiaAuto, Acao::MiGravarCopia, Acao::MiReparaBancodeDados};

void PrintTo(const CasoEstado& c, std::ostream* os) { *os << c.nome; }

class EstadoDasAcoesNaJanela : public JanelaComAcoes, public testing::WithParamInterface<CasoEstado> {};

}  // namespace

TEST_P(EstadoDasAcoesNaJanela, MenusAndGateFollowTheState) {
  const CasoEstado& c = GetParam();
  if (c.estado != Estado::IndiceVazio) cria();
  int pedidosVerificacao = 0;
  int pedidosPesquisa = 0;
  PontosEntrada::doPrograma().fechaPesquisa = [&] {
    ++pedidosPesquisa;
    return true;
  };
  switch (c.estado) {
    case Estado::DeclaracaoAberta:
      ASSERT_TRUE(abre());
      break;
    case Estado::VerificacaoEmCurso:
      ASSERT_TRUE(abre());
      TVerificacaoEmCurso::instancia().DefinePedidoFechamento([&] {
        ++pedidosVerificacao;
        return false;
      });
      break;
    case Estado::FalhaBanco:
      FalhaBancoIndice = true;
      break;
    default:
      break;
  }
  janela->atualizaMenus();

  for (int i = 0; i < kAcoes; ++i) {
    const Acao a = Acao(i);
    // A hidden action is disabled too, whatever its own flag.
    if (!acao(a)->isVisible()) continue;
    const bool desabilitada = std::find(c.desabilitadas.begin(), c.desabilitadas.end(), a) != c.desabilitadas.end();
    EXPECT_EQ(acao(a)->isEnabled(), !desabilitada) << NomeAcao(a);
  }
  if (c.estado == Estado::DeclaracaoAberta || c.estado == Estado::VerificacaoEmCurso) {
    EXPECT_EQ(acao(Acao::ActAltera)->isVisible(), c.alteraVisivel);
  }
  EXPECT_FALSE(acao(Acao::MiSincronizar)->isVisible());
  EXPECT_EQ(janela->Acoes().MenuImpressao()->actions().at(2)->isVisible(), c.comprovante);

  QStringList abrem;
  for (const QString& nome : kFormularios)
    if (janela->PodeAbrirForm(nome)) abrem << nome;
  EXPECT_EQ(abrem, c.abrem);
  EXPECT_EQ(pedidosPesquisa, c.pedidosPesquisa);
  if (c.estado == Estado::VerificacaoEmCurso) {
    EXPECT_EQ(pedidosVerificacao, 6);
  }
  if (c.estado == Estado::DeclaracaoAberta) {
    SituacaoAcoes s;
    s.indiceVazio = false;
    s.declaracaoAberta = true;
    for (bool comprovante : {false, true}) {
      s.comprovante = comprovante;
      EXPECT_EQ(EstadoDasAcoes(s)[Acao::MiSincronizar].habilitada, comprovante);
      EXPECT_EQ(EstadoDasAcoes(s)[Acao::MiSincronizar].visivel, false);
    }
  }
  // The state function leaves what an unusable index does not concern as it was.
  if (c.estado == Estado::FalhaBanco) {
    SituacaoAcoes s;
    s.falhaBancoIndice = true;
    const EstadoMenus e = EstadoDasAcoes(s);
    EXPECT_FALSE(e[Acao::MiRestaurarCopia].habilitada.has_value());
    EXPECT_FALSE(e[Acao::MiCalculadora].habilitada.has_value());
    EXPECT_FALSE(e.entradasComprovante.has_value());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Estados, EstadoDasAcoesNaJanela,
    testing::Values(
        CasoEstado{"SemDeclaracao", Estado::SemDeclaracao,
                   {Acao::MiFecharDeclaracao, Acao::MiResumo, Acao::MiVerificarPendencias, Acao::MiPesquisar,
                    Acao::actImpCompRendTodos, Acao::actImpCompRendUmBenef},
                   false, false, kFormularios, 0},
        // A company's declaration of 2013: the income statements and the head-office change show.
        CasoEstado{"DeclaracaoAberta", Estado::DeclaracaoAberta, {}, true, true, kFormularios, 7},
        // The verification refuses to close while it runs: only its own window and the print
        // wizard open; after its refusal the search is not asked (it would have answered yes).
        CasoEstado{"VerificacaoEmCurso", Estado::VerificacaoEmCurso, {}, true, true,
                   {"FoPendencias", "FoAssistRelatorios"}, 2},
        CasoEstado{"FalhaBanco", Estado::FalhaBanco, kFalhaIndice, false, false,
                   {"FormAssistCopSeg", "FoAssistTransmissao", "FoCalcula"}, 0},
        CasoEstado{"IndiceVazio", Estado::IndiceVazio,
                   {Acao::MiReparaBancodeDados, Acao::MiAbrir, Acao::MiExcluir, Acao::ActAltera, Acao::MiGravarBvd,
                    Acao::MiGravarCopia, Acao::MiImprimir, Acao::MiFecharDeclaracao, Acao::MiResumo,
                    Acao::MiVerificarPendencias, Acao::MiPesquisar, Acao::actImpCompRendTodos,
                    Acao::actImpCompRendUmBenef},
                   false, false, kFormularios, 0}),
    [](const testing::TestParamInfo<CasoEstado>& info) { return std::string(info.param.nome); });

TEST_F(JanelaComAcoes, ActionsWhoseWindowsAreMissingSaySoAndKeepTheDeclarationOpen) {
  cria();
  ASSERT_TRUE(abre());
  const std::pair<Acao, const char*> casos[] = {
      {Acao::MiNova, "Nova"},
      {Acao::MiImportar, "Importar dados"},
      {Acao::MiVerificarPendencias, "Verificar pendências"},
      {Acao::MiGravarBvd, "Gravar declaração para entrega à BVD"},
      {Acao::MiTransmitirviaInternet, "Transmitir via internet"},
      {Acao::MiPesquisar, "Pesquisar beneficiário"},
      {Acao::MiCalculadora, "Calculadora"},
      {Acao::MiGravarCopia, "Gravar"},
      {Acao::MiRestaurarCopia, "Restaurar"},
      {Acao::MiReparaBancodeDados, "Verificação de consistência do banco de dados"},
      {Acao::ActAltera, "Alteração de indicação de matriz do CNPJ"},
      {Acao::actImpResumoDeclaracao, "Imprimir"},
  };
  for (const auto& [a, nome] : casos) {
    caixa.limpa();
    acao(a)->trigger();
    ASSERT_EQ(caixa.chamadas().size(), 1u) << NomeAcao(a);
    // The import says so as the initial dialog's "Importar dados" does.
    EXPECT_EQ(caixa.ultima().texto,
              a == Acao::MiImportar
                  ? QStringLiteral("A importação de dados ainda não está disponível nesta versão do programa.")
                  : indisponivel(QString::fromUtf8(nome)))
        << NomeAcao(a);
    EXPECT_EQ(caixa.ultima().titulo, "Informação");
    EXPECT_TRUE(janela->DeclaracaoAberta()) << NomeAcao(a);
    EXPECT_FALSE(AcaoEmAndamento) << NomeAcao(a);
  }
}

TEST_F(JanelaComAcoes, ASecondActionWhileOneRunsDoesNothing) {
  int verificacoes = 0;
  PontosEntrada::doPrograma().verificacao = [&](QWidget*, TTolv&, IrParaCampo) {
    ++verificacoes;
    // The same shortcut again, from the window's own loop, while the first runs.
    acao(Acao::MiVerificarPendencias)->trigger();
  };
  cria();
  ASSERT_TRUE(abre());
  acao(Acao::MiVerificarPendencias)->trigger();
  EXPECT_EQ(verificacoes, 1);
  EXPECT_FALSE(AcaoEmAndamento);
}

// A verification run started from the verification window's own button (no action running)
// holds every action of the window while it reads the databases, and leads back to a field.
TEST_F(JanelaComAcoes, AVerificationRunHoldsTheActionsAndLeadsBackToAField) {
  int calculadoras = 0;
  PontosEntrada::doPrograma().calculadora = [&](QWidget*) { ++calculadoras; };
  cria();
  ASSERT_TRUE(abre());
  IServicosVerificacao* servicos = ServicosVerificacao::Atuais();
  ASSERT_NE(servicos, nullptr);
  servicos->VerificacaoEmExecucao(true);
  acao(Acao::MiCalculadora)->trigger();
  EXPECT_EQ(calculadoras, 0);
  servicos->VerificacaoEmExecucao(false);
  EXPECT_FALSE(AcaoEmAndamento);
  acao(Acao::MiCalculadora)->trigger();
  EXPECT_EQ(calculadoras, 1);
  // Started by the verification action itself: the guard stays that action's.
  AcaoEmAndamento = true;
  servicos->VerificacaoEmExecucao(true);
  servicos->VerificacaoEmExecucao(false);
  EXPECT_TRUE(AcaoEmAndamento);
  AcaoEmAndamento = false;
  servicos->IrParaPendencia(QStringLiteral("1"), QStringLiteral("7"), 23);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_TRUE(diario.contains("P205:Posiciona 1 7 23"));
  janela.reset();
  EXPECT_EQ(ServicosVerificacao::Atuais(), nullptr);
}

TEST_F(JanelaComAcoes, AnInvalidLineStopsWritingOnceAndTheNextTryRuns) {
  int gravacoes = 0;
  PontosEntrada::doPrograma().gravacao = [&](QWidget*, QString&, TTolv&, TColecaoTolv&) {
    ++gravacoes;
    return false;
  };
  cria();
  ASSERT_TRUE(abre());
  janela->FrDeclaracao()->AtivaPagina(P::BeneficiariosTolv);
  pagina(P::BeneficiariosTolv)->podeSair = false;
  acao(Acao::MiGravarBvd)->trigger();
  EXPECT_EQ(gravacoes, 0);
  EXPECT_FALSE(janela->RecusaPagina());
  pagina(P::BeneficiariosTolv)->podeSair = true;
  acao(Acao::MiGravarBvd)->trigger();
  EXPECT_EQ(gravacoes, 1);
}

TEST_F(JanelaComAcoes, AFundPageThatRefusesToBeLeftAbortsTheAction) {
  int calculadoras = 0;
  PontosEntrada::doPrograma().calculadora = [&](QWidget*) { ++calculadoras; };
  cria(true);
  ASSERT_TRUE(abre());
  janela->FrDeclaracao()->AtivaPagina(P::Fundos);
  pagina(P::Fundos)->podeSair = false;
  acao(Acao::MiCalculadora)->trigger();
  EXPECT_EQ(calculadoras, 0);
  pagina(P::Fundos)->podeSair = true;
  acao(Acao::MiCalculadora)->trigger();
  EXPECT_EQ(calculadoras, 1);
}

// The print dispatch: the print wizard's answer to the report entry it calls.
namespace {

struct CasoResposta {
  int resposta;
  const char* chamada;  // "" when nothing is called
};

void PrintTo(const CasoResposta& c, std::ostream* os) { *os << c.resposta; }

// Each report's entry writes what it was called with.
void RegistraRelatorios(QStringList& chamadas) {
  PontosEntrada& e = PontosEntrada::doPrograma();
  const auto modo = [](bool visualiza) { return visualiza ? QStringLiteral("tela") : QStringLiteral("impressora"); };
  e.totaisPorCodigo = [&, modo](TTolv&, TColecaoTolv&, bool v, bool analitico) {
    chamadas << (analitico ? "analitico " : "sintetico ") + modo(v);
  };
  e.listaBeneficiarios = [&, modo](TTolv&, TColecaoTolv&, bool v) { chamadas << "lista " + modo(v); };
  e.declaracaoCompleta = [&, modo](TTolv&, TColecaoTolv&, bool v) { chamadas << "completa " + modo(v); };
  e.totalMensalPorCodigo = [&, modo](TTolv&, TColecaoTolv&, bool v) { chamadas << "mensal " + modo(v); };
  e.resumoDeclaracao = [&, modo](TTolv&, TColecaoTolv&, bool v) { chamadas << "resumo " + modo(v); };
  e.relatorioGerencial = [&, modo](TColecaoTolv&, bool v) { chamadas << "gerencial " + modo(v); };
  e.comprovantes = [&, modo](TTolv&, const QString& ni, bool v) {
    chamadas << "comprovantes " + (ni.isEmpty() ? QStringLiteral("todos") : ni) + u' ' + modo(v);
  };
  e.recibos = [&](const QStringList& lista, bool unico, const QString&) {
    chamadas << "recibos " + lista.join(u',') + (unico ? " único" : "");
  };
  e.relatorioPendencias = [&, modo](bool v) { chamadas << "pendencias " + modo(v); };
}

class Despacho : public JanelaComAcoes, public testing::WithParamInterface<CasoResposta> {
 protected:
  void registraRelatorios(QStringList& chamadas) { RegistraRelatorios(chamadas); }
};

}  // namespace

TEST_P(Despacho, EachAnswerCallsItsReportAndEveryPrintAnswerPrints) {
  cria();
  QStringList chamadas;
  registraRelatorios(chamadas);
  TVerificacaoEmCurso::instancia().DefinePedidoFechamento([] { return true; });
  PontosEntrada::doPrograma().assistenteRelatorios = [&](QWidget*, QStringList& recibos, TTolv&, TColecaoTolv&,
                                                          const QString& sufixo, QString& beneficiario) {
    EXPECT_EQ(sufixo, "Declaração completa");
    recibos << QStringLiteral("a.REC");
    beneficiario = QStringLiteral("12345678909");
    return GetParam().resposta;
  };
  TipoImpressao = 1;  // no data check for the complete declaration
  janela->Acoes().MiImprimirClick();
  EXPECT_EQ(chamadas.join(u'|'), QString::fromUtf8(GetParam().chamada));
  EXPECT_TRUE(caixa.chamadas().empty()) << caixa.ultima().texto.toStdString();
  EXPECT_FALSE(AcaoEmAndamento);
}

INSTANTIATE_TEST_SUITE_P(
    Respostas, Despacho,
    testing::Values(CasoResposta{0, ""}, CasoResposta{1, "sintetico tela"}, CasoResposta{2, "sintetico impressora"},
                    CasoResposta{3, "analitico tela"}, CasoResposta{4, "analitico impressora"},
                    CasoResposta{5, "lista tela"}, CasoResposta{6, "lista impressora"},
                    CasoResposta{7, "gerencial tela"}, CasoResposta{8, "gerencial impressora"}, CasoResposta{9, ""},
                    CasoResposta{10, "completa tela"}, CasoResposta{11, "completa impressora"},
                    CasoResposta{12, "recibos a.REC"}, CasoResposta{13, ""},
                    CasoResposta{14, "comprovantes todos tela"}, CasoResposta{15, "comprovantes todos impressora"},
                    CasoResposta{16, "pendencias tela"}, CasoResposta{17, "pendencias impressora"},
                    CasoResposta{18, "comprovantes 12345678909 tela"},
                    CasoResposta{19, "comprovantes 12345678909 impressora"}, CasoResposta{20, "mensal tela"},
                    CasoResposta{21, "mensal impressora"}, CasoResposta{22, "resumo tela"},
                    CasoResposta{23, "resumo impressora"}, CasoResposta{24, ""}));

// The print menu through the real print wizard: with a declaration open the wizard asks nothing,
// and each entry reaches its report with the output that DADOS/Tolv.ini holds.
namespace {

struct CasoMenu {
  Acao acao;
  const char* impressao;
  const char* chamada;
};

void PrintTo(const CasoMenu& c, std::ostream* os) { *os << NomeAcao(c.acao) << ' ' << c.impressao; }

class PeloMenu : public JanelaComAcoes, public testing::WithParamInterface<CasoMenu> {};

}  // namespace

TEST_P(PeloMenu, EveryPrintEntryReachesItsReportWithTheOutputChosen) {
  cria();
  ASSERT_TRUE(abre());
  // Something to print for the kinds that look first.
  roda(QStringLiteral("INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '11444777000161')"));
  QStringList chamadas;
  RegistraRelatorios(chamadas);
  PontosEntrada::doPrograma().assistenteRelatorios = ExecutaAssistenteRelatorios;
  ArquivoIni(pasta.dados() + QStringLiteral("/Tolv.ini"))
      .grava(QStringLiteral("Relatorio"), QStringLiteral("Impressao"), QString::fromLatin1(GetParam().impressao));
  acao(GetParam().acao)->trigger();
  EXPECT_EQ(chamadas, QStringList{QString::fromUtf8(GetParam().chamada)});
  EXPECT_TRUE(caixa.chamadas().empty()) << caixa.ultima().texto.toStdString();
  EXPECT_FALSE(AcaoEmAndamento);
}

INSTANTIATE_TEST_SUITE_P(
    Entradas, PeloMenu,
    testing::Values(CasoMenu{Acao::actImpDecComp, "Visualizar", "completa tela"},
                    CasoMenu{Acao::actImpDecComp, "Imprimir", "completa impressora"},
                    CasoMenu{Acao::actImpCompRendTodos, "Visualizar", "comprovantes todos tela"},
                    CasoMenu{Acao::actImpCompRendTodos, "Imprimir", "comprovantes todos impressora"},
                    CasoMenu{Acao::actImpListaBenef, "Visualizar", "lista tela"},
                    CasoMenu{Acao::actImpListaBenef, "Imprimir", "lista impressora"},
                    CasoMenu{Acao::actImpTotCodAnalitico, "Visualizar", "analitico tela"},
                    CasoMenu{Acao::actImpTotCodAnalitico, "Imprimir", "analitico impressora"},
                    CasoMenu{Acao::actImpTotCodSintetico, "Visualizar", "sintetico tela"},
                    CasoMenu{Acao::actImpTotCodSintetico, "Imprimir", "sintetico impressora"},
                    CasoMenu{Acao::actImpTotMensCod, "Visualizar", "mensal tela"},
                    CasoMenu{Acao::actImpTotMensCod, "Imprimir", "mensal impressora"},
                    CasoMenu{Acao::actImpResumoDeclaracao, "Visualizar", "resumo tela"},
                    CasoMenu{Acao::actImpResumoDeclaracao, "Imprimir", "resumo impressora"},
                    CasoMenu{Acao::actImpGerencial, "Visualizar", "gerencial tela"},
                    CasoMenu{Acao::actImpGerencial, "Imprimir", "gerencial impressora"}));

TEST_F(JanelaComAcoes, ADeclarationWithNothingToPrintIsToldSoAndTheAnswerIsNotDispatched) {
  QStringList chamadas;
  PontosEntrada::doPrograma().listaBeneficiarios = [&](TTolv&, TColecaoTolv&, bool) { chamadas << "lista"; };
  int perguntas = 0;
  PontosEntrada::doPrograma().assistenteRelatorios = [&](QWidget*, QStringList&, TTolv&, TColecaoTolv&,
                                                          const QString& sufixo, QString&) {
    ++perguntas;
    EXPECT_EQ(sufixo, "Lista de beneficiários");
    return 5;
  };
  cria();
  ASSERT_TRUE(abre());
  acao(Acao::actImpListaBenef)->trigger();
  EXPECT_EQ(perguntas, 1);
  EXPECT_TRUE(chamadas.isEmpty());
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, kSemDados);
  EXPECT_EQ(caixa.ultima().titulo, "Aviso");

  // Each kind of data is enough: a health-plan operator, then an annex alone.
  const QStringList dados = {"INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '11444777000161')",
                             "DELETE FROM TB_PS_OPERADORA",
                             "INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (2, 0, '114447770001')"};
  roda(dados[0]);
  acao(Acao::actImpListaBenef)->trigger();
  EXPECT_EQ(chamadas, QStringList{"lista"});
  roda(dados[1]);
  roda(dados[2]);
  acao(Acao::actImpListaBenef)->trigger();
  EXPECT_EQ(chamadas, QStringList({"lista", "lista"}));
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

TEST_F(JanelaComAcoes, TheDeclarationTheWizardChoseIsLookedAtInItsOwnDatabase) {
  cria();
  // Another declaration made last: the declaration connection stands on its database.
  {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(QStringLiteral("11144477735"));
    t.GetContribuinte().GetNome().SetValor(QStringLiteral("ANA SOUZA"));
    janela->GetColecaoTolv().Inclui(t);
    t.LiberaItens();
    janela->GetColecaoTolv().Atualiza();
  }
  QStringList chamadas;
  PontosEntrada::doPrograma().listaBeneficiarios = [&](TTolv& t, TColecaoTolv&, bool) {
    chamadas << t.GetContribuinte().GetNiDigitos();
  };
  // The wizard reads the chosen declaration and leaves the connection where it is.
  PontosEntrada::doPrograma().assistenteRelatorios = [&](QWidget*, QStringList&, TTolv& trabalho, TColecaoTolv& indice,
                                                          const QString&, QString&) {
    trabalho.GetContribuinte().SetNi(kCnpj);
    trabalho.SetAnoCalendario(QStringLiteral("2013"));
    EXPECT_TRUE(indice.LeTolv(trabalho));
    return 5;
  };
  ASSERT_FALSE(janela->DeclaracaoAberta());
  TipoImpressao = 5;
  janela->Acoes().MiImprimirClick();
  EXPECT_TRUE(chamadas.isEmpty());
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, kSemDados);
  roda(QStringLiteral("INSERT INTO TB_PS_OPERADORA (TPO_ID, TPO_NR_PF_PJ) VALUES (1, '11444777000161')"));
  janela->Acoes().MiImprimirClick();
  EXPECT_EQ(chamadas, QStringList{kCnpj});
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

TEST_F(JanelaComAcoes, TheManagementReportOfAnEmptyIndexIsToldSo) {
  QStringList chamadas;
  PontosEntrada::doPrograma().relatorioGerencial = [&](TColecaoTolv&, bool) { chamadas << "gerencial"; };
  PontosEntrada::doPrograma().assistenteRelatorios = [&](QWidget*, QStringList&, TTolv&, TColecaoTolv&, const QString&,
                                                          QString&) { return 7; };
  TipoImpressao = 9;
  janela->Acoes().MiImprimirClick();
  EXPECT_TRUE(chamadas.isEmpty());
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, kSemDados);
  cria();
  janela->Acoes().MiImprimirClick();
  EXPECT_EQ(chamadas, QStringList{"gerencial"});
}

TEST_F(JanelaComAcoes, ThePrintDispatchStoresTheStatementTextsAndStopsOnAnInvalidLine) {
  int perguntas = 0;
  PontosEntrada::doPrograma().assistenteRelatorios = [&](QWidget*, QStringList&, TTolv& trabalho, TColecaoTolv&,
                                                          const QString&, QString&) {
    ++perguntas;
    // The working copy carries the open declaration.
    EXPECT_EQ(trabalho.GetContribuinte().GetNiDigitos(), kCnpj);
    EXPECT_EQ(trabalho.GetAnoCalendario(), "2013");
    return 0;
  };
  cria();
  ASSERT_TRUE(abre());
  janela->DefineRecusaPagina(true);
  TipoImpressao = 10;
  janela->Acoes().MiImprimirClick();
  EXPECT_EQ(perguntas, 0);
  EXPECT_FALSE(janela->RecusaPagina());
  EXPECT_TRUE(diario.contains("P700:GravaTextos"));
  janela->Acoes().MiImprimirClick();
  EXPECT_EQ(perguntas, 1);
  // The transmission wizard asks through the services.
  ServicosPrincipal()->Imprime(2);
  EXPECT_EQ(TipoImpressao, 2);
  EXPECT_EQ(perguntas, 2);
}

// The way to a field: the section chooses the page, the page positions itself.
namespace {

struct CasoCampo {
  const char* dono;
  const char* objeto;
  int secao;
  int tipoAnexo;              // kind of the owner's annex in the annex pages' collection
  P::Pagina pagina;           // the page shown afterwards
  const char* posicionada;    // the page that positions itself, "" for none
};

void PrintTo(const CasoCampo& c, std::ostream* os) { *os << c.dono << ' ' << c.objeto << ' ' << c.secao; }

class IrParaOCampo : public JanelaComAcoes, public testing::WithParamInterface<CasoCampo> {};

}  // namespace

TEST_P(IrParaOCampo, TheSectionShowsItsPageAndThePagePositionsItself) {
  const CasoCampo& c = GetParam();
  cria(true, true);
  ASSERT_TRUE(abre());
  for (P::Pagina p : {P::Fundos, P::Advogado}) {
    pagina(p)->temAnexos = true;
    pagina(p)->tipoAnexo = c.tipoAnexo;
  }
  diario.clear();
  janela->IrParaPendencia(QString::fromLatin1(c.dono), QString::fromLatin1(c.objeto), c.secao);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), c.pagina);
  QStringList posicoes = diario.filter(QStringLiteral(":Posiciona "));
  const QString esperado = *c.posicionada ? QStringLiteral("%1:Posiciona %2 %3 %4")
                                                .arg(QString::fromLatin1(c.posicionada), QString::fromLatin1(c.dono),
                                                     QString::fromLatin1(c.objeto))
                                                .arg(c.secao)
                                          : QString();
  EXPECT_EQ(posicoes, esperado.isEmpty() ? QStringList() : QStringList{esperado});
}

INSTANTIATE_TEST_SUITE_P(
    Secoes, IrParaOCampo,
    testing::Values(CasoCampo{"1", "7", 23, 0, P::BeneficiariosTolv, "P205"},
                    CasoCampo{"1", "0", 12, 0, P::Informacoes, ""}, CasoCampo{"1", "0", 46, 0, P::Informacoes, ""},
                    CasoCampo{"3", "9", 43, 1, P::Advogado, "P405"}, CasoCampo{"2", "5", 30, 0, P::Fundos, "P305"},
                    CasoCampo{"4", "5", 33, 1, P::Advogado, "P405"}, CasoCampo{"2", "2", 28, 0, P::Fundos, "P305"},
                    CasoCampo{"2", "0", 4, 0, P::Fundos, ""}, CasoCampo{"5", "-1", 58, 0, P::RraJustica, "P450"},
                    CasoCampo{"5", "-1", 57, 0, P::RraDeclarante, "P150"},
                    CasoCampo{"1", "12345678909", 44, 0, P::Comprovante, "P700"},
                    // Sections without a page, and a title row of a list (its owner key is no number).
                    CasoCampo{"1", "0", 47, 0, P::Informacoes, ""}, CasoCampo{"1", "0", 61, 0, P::Informacoes, ""},
                    CasoCampo{"Fundos ou clubes", "", 30, 0, P::Informacoes, ""},
                    CasoCampo{"", "", 23, 0, P::Informacoes, ""}));

TEST_F(JanelaComAcoes, FromAStatementThatRefusesTheLinesPageIsPositionedButNotShown) {
  cria();
  ASSERT_TRUE(abre());
  ASSERT_TRUE(janela->FrDeclaracao()->AtivaPagina(P::Comprovante));
  pagina(P::Comprovante)->podeSair = false;
  diario.clear();
  janela->IrParaPendencia("1", "8", 25);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Comprovante);
  EXPECT_TRUE(diario.contains("P205:Posiciona 1 8 25"));
}

TEST_F(JanelaComAcoes, AnnexSectionsAreIgnoredWithoutAnAnnexCollection) {
  cria(true, true);
  ASSERT_TRUE(abre());
  janela->IrParaPendencia("2", "5", 30);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Informacoes);
  EXPECT_TRUE(diario.filter("Posiciona").isEmpty());
}

TEST_F(JanelaComAcoes, AltKeysSwitchPagesAndDriveTheLists) {
  cria(false, true);
  ASSERT_TRUE(abre());
  TecladoPrincipal* teclado = janela->findChild<TecladoPrincipal*>();
  ASSERT_NE(teclado, nullptr);
  EXPECT_TRUE(teclado->FormKeyDown(Qt::Key_5, Qt::AltModifier | Qt::KeypadModifier));
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_B, Qt::NoModifier));

  // The page shortcut acts; on the lines page a key other than the list's goes on.
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_B, Qt::AltModifier));
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  diario.clear();
  EXPECT_TRUE(teclado->FormKeyDown(Qt::Key_PageDown, Qt::AltModifier));
  EXPECT_TRUE(teclado->FormKeyDown(Qt::Key_Plus, Qt::AltModifier | Qt::KeypadModifier));
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_X, Qt::AltModifier));
  EXPECT_EQ(diario.filter("TeclaAlt"), QStringList({"P205:TeclaAlt PgDown", "P205:TeclaAlt + numérico"}));

  // No funds in this declaration: Alt+U stays where it is. Processes are shown.
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_U, Qt::AltModifier));
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  teclado->FormKeyDown(Qt::Key_J, Qt::AltModifier);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Advogado);
  // The annex pages keep the keys that add and delete; moving keys go on after acting.
  EXPECT_TRUE(teclado->FormKeyDown(Qt::Key_Delete, Qt::AltModifier));
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_Home, Qt::AltModifier));
  teclado->FormKeyDown(Qt::Key_C, Qt::AltModifier);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Comprovante);
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_Insert, Qt::AltModifier));
  // The header keeps every key.
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_I, Qt::AltModifier));
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::Informacoes);
  EXPECT_FALSE(teclado->FormKeyDown(Qt::Key_PageDown, Qt::AltModifier));

  // Through the window: real key presses on the pages' fields. A key the field does not take
  // travels up through its parents and still acts once.
  pagina(P::Informacoes)->campo->setFocus();
  QTest::keyClick(pagina(P::Informacoes)->campo, Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  diario.clear();
  pagina(P::BeneficiariosTolv)->campo->setFocus();
  QTest::keyClick(pagina(P::BeneficiariosTolv)->campo, Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(diario.filter("TeclaAlt"), QStringList{"P205:TeclaAlt PgDown"});
}

TEST_F(JanelaComAcoes, AnalyserAndAutomaticBackupSettingsFollowTheirActions) {
  acao(Acao::actHabilitarAnalisador)->trigger();
  EXPECT_TRUE(janela->Acoes().MenuAnalisador()->menuAction()->isVisible());
  EXPECT_TRUE(acao(Acao::actAnalisarGravar)->isVisible());
  const bool automatica = acao(Acao::MiCopiaAuto)->isChecked();
  acao(Acao::MiCopiaAuto)->trigger();
  TTolv2014 outra(ambiente, PassosPrincipal::desligados());
  EXPECT_TRUE(outra.Acoes().MenuAnalisador()->menuAction()->isVisible());
  EXPECT_EQ(outra.Acoes().acao(Acao::MiCopiaAuto)->isChecked(), !automatica);
}

TEST_F(JanelaComAcoes, TheManualThatIsMissingIsToldInTheHelpBox) {
  acao(Acao::MiConteudo)->trigger();
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, "Não foi encontrado o arquivo Tolv2014.pdf");
  EXPECT_EQ(caixa.ultima().titulo, "Ajuda");
  EXPECT_EQ(caixa.ultima().flags, 16);
}

TEST(RenomeiaBancoAlterado, AFileOfTheNewNameIsNeverDeletedAndTheIndexGoesBack) {
  CaixaMensagemFalsa caixa;
  PastaProgramaTemp pasta;
  const auto grava = [&](const QString& nome, const QByteArray& conteudo) {
    QFile f(pasta.dados() + u'/' + nome);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
  };
  const auto le = [&](const QString& nome) {
    QFile f(pasta.dados() + u'/' + nome);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<ausente>");
  };
  const QString anterior = QStringLiteral("TOLV2014114447770001612013.FDB");
  const QString novo = QStringLiteral("TOLV2014114447770002422013.FDB");
  int voltas = 0;
  const auto volta = [&] { ++voltas; };

  grava(anterior, "dados da declaração");
  grava(novo, "outra declaração");
  EXPECT_FALSE(RenomeiaBancoAlterado(anterior, novo, volta));
  EXPECT_EQ(le(anterior), "dados da declaração");
  EXPECT_EQ(le(novo), "outra declaração");
  EXPECT_EQ(voltas, 1);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().titulo, "Erro");
  EXPECT_TRUE(caixa.ultima().texto.contains(novo));

  QFile::remove(pasta.dados() + u'/' + novo);
  EXPECT_TRUE(RenomeiaBancoAlterado(anterior, novo, volta));
  EXPECT_EQ(le(novo), "dados da declaração");
  EXPECT_EQ(le(anterior), "<ausente>");
  // Already renamed by the index collection: nothing to do.
  EXPECT_TRUE(RenomeiaBancoAlterado(anterior, novo, volta));
  EXPECT_EQ(voltas, 1);
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

TEST_F(JanelaComAcoes, CtrlAOpensEvenFromAnEditThatWouldSelectAll) {
  cria();
  int aberturas = 0;
  janela->passos().escolheDeclaracao = [&](QWidget*, const QString& legenda) {
    EXPECT_EQ(legenda, "Abrir declaração");
    ++aberturas;
    return false;
  };
  janela->atualizaMenus();
  auto* edit = new QLineEdit(janela->Panel1());
  edit->setText(QStringLiteral("texto"));
  edit->show();
  janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == janela.get(); }));
  edit->setFocus();
  edit->deselect();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(aberturas, 1);
  EXPECT_FALSE(edit->hasSelectedText());
}

// New, Open and Delete go through the main window's dialog steps; a chosen declaration opens.
TEST_F(JanelaComAcoes, TheDeclarationActionsGoThroughTheDialogSteps) {
  cria();
  QStringList passos;
  janela->passos().novaDeclaracao = [&](QWidget* dono) {
    EXPECT_EQ(dono, janela.get());
    passos << "nova";
    return false;
  };
  janela->passos().excluiDeclaracao = [&](QWidget*) {
    passos << "exclui";
    return true;
  };
  janela->passos().escolheDeclaracao = [&](QWidget*, const QString& titulo) {
    passos << titulo;
    TTolv& t = janela->GetTolv();
    t.GetContribuinte().SetNi(kCnpj);
    t.SetAnoCalendario(QStringLiteral("2013"));
    return janela->GetColecaoTolv().CarregaTolv(t);
  };
  janela->atualizaMenus();
  acao(Acao::MiNova)->trigger();
  acao(Acao::MiExcluir)->trigger();
  EXPECT_FALSE(janela->DeclaracaoAberta());
  acao(Acao::MiAbrir)->trigger();
  EXPECT_TRUE(janela->DeclaracaoAberta());
  EXPECT_EQ(passos, QStringList({"nova", "exclui", "Abrir declaração"}));
  EXPECT_TRUE(acao(Acao::MiPesquisar)->isEnabled());
  EXPECT_FALSE(AcaoEmAndamento);
}

TEST_F(JanelaComAcoes, TheLinesPagesAskForASearchInTheirOwnScope) {
  std::vector<int> escopos;
  PontosEntrada::doPrograma().pesquisa = [&](QWidget*, TTolv&, int escopo, IrParaCampo irPara) {
    escopos.push_back(escopo);
    // A hit leads back to its field.
    irPara(QStringLiteral("1"), QStringLiteral("12"), 23);
  };
  cria(true);
  ASSERT_TRUE(abre());
  emit pagina(P::Fundos)->PedePesquisa(0);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  acao(Acao::MiPesquisar)->trigger();
  EXPECT_EQ(escopos, std::vector<int>({0, 3}));
  EXPECT_EQ(janela->EscopoPesquisa(), 3);
  EXPECT_TRUE(diario.contains("P205:Posiciona 1 12 23"));
}

namespace {

// The previous-years wizard has no visible road: its hidden action closes the open declaration
// and opens the wizard that the program registered, on the window's index; without one it says so.
TEST_F(JanelaComAcoes, TheHiddenPreviousYearsActionClosesTheDeclarationAndOpensTheWizard) {
  cria();
  ASSERT_TRUE(abre());
  acao(Acao::MiImportarAnosAnteriores)->trigger();
  EXPECT_EQ(caixa.ultima().texto, indisponivel(QStringLiteral("Importar declaração de anos anteriores")));
  int chamadas = 0;
  PontosEntrada::doPrograma().importacaoAnosAnteriores = [&](QWidget* dono, TColecaoTolv& indice) {
    ++chamadas;
    EXPECT_EQ(dono, janela.get());
    EXPECT_EQ(&indice, &janela->GetColecaoTolv());
    EXPECT_FALSE(janela->DeclaracaoAberta());
    return false;
  };
  ASSERT_TRUE(abre());
  acao(Acao::MiImportarAnosAnteriores)->trigger();
  EXPECT_EQ(chamadas, 1);
  EXPECT_FALSE(AcaoEmAndamento);
}

}  // namespace
