#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "IndiceTeste.h"
#include "PaginaFalsa.h"
#include "controles/TEditData.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvCustomEdit.h"
#include "controles/AparenciaDialogo.h"
#include "interface/DialogosDeclaracao.h"
#include "interface/IndicePrincipal.h"
#include "interface/InicioFalso.h"
#include "interface/TFoAbreDeclaracao.h"
#include "interface/TFoExcluiDeclaracao.h"
#include "interface/TFoInicial.h"
#include "interface/TFoNovaDeclaracao.h"
#include "interface/TTolv2014.h"
#include "interface/TfrmTipoDeclarante.h"
#include "nucleo/ConfiguracoesTolv.h"
#include "nucleo/UtilJanelas.h"
#include "plataforma/bd/Conexao.h"
#include "suporte/JanelaAtiva.h"

namespace {

// The wait form, counted.
class AguardeFalso : public IJanelaAguarde {
 public:
  AguardeFalso() : m_anterior(InstalaJanelaAguarde(this)) {}
  ~AguardeFalso() override { InstalaJanelaAguarde(m_anterior); }
  void mostra() override { aberta = true; }
  void fecha() override { aberta = false; }
  bool aberta = false;

 private:
  IJanelaAguarde* m_anterior;
};

const QString kCpf = QStringLiteral("52998224725");
const QString kCnpj = QStringLiteral("11444777000161");
const QString kArquivoCpf = QStringLiteral("TOLV2014529982247252013.FDB");
const QString kArquivoCnpj = QStringLiteral("TOLV2014114447770001612013.FDB");

class Dialogos : public indice_teste::ComIndice {
 protected:
  void TearDown() override {
    DialogosDeclaracao::DefineAssistenteImportacao({});
    ComIndice::TearDown();
  }

  // A declaration created as the program creates them: its row and its database.
  void Cria(const QString& numero, const QString& nome, const QString& ano = QStringLiteral("2013")) {
    TErros erros;
    TTolv t;
    t.SetErros(&erros);
    t.GetContribuinte().SetNi(numero);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.SetAnoCalendario(ano);
    if (numero.size() == 14) t.SetNatureza(t.GetNaturezas().BuscaNatureza(0));
    Indice().Inclui(t);
    t.LiberaItens();
  }

  // Runs `acao` on the modal dialog once it shows.
  // Runs once a modal dialog is up: the main window processes pending events on its way there
  // (bringing its menus in line), so a plain zero timer could fire before the dialog exists.
  static void QuandoAbrir(std::function<void()> acao) {
    auto* espera = new QTimer(qApp);
    espera->setInterval(0);
    QObject::connect(espera, &QTimer::timeout, qApp, [espera, acao = std::move(acao)] {
      if (!QApplication::activeModalWidget()) return;
      espera->stop();
      espera->deleteLater();
      acao();
    });
    espera->start();
  }

  // The row of the current list whose number (without check digits) is this.
  static int LinhaDe(TListaDeclaracoes* lista, const QString& numero, const QString& ano = QStringLiteral("2013")) {
    return lista->Modelo().Procura(0, [&](const TModeloListaDeclaracoes::Linha& l) {
      return l.numero == numero && l.ano == ano;
    });
  }

  AguardeFalso aguarde;
};

TEST_F(Dialogos, InicialSemDeclaracoesOfereceANovaEDesligaALista) {
  TFoInicial inicial(Indice());
  ASSERT_TRUE(inicial.Lista()->Abre());
  inicial.show();
  EXPECT_TRUE(inicial.RbNova()->isChecked());
  EXPECT_FALSE(inicial.RbAbrir()->isEnabled());
  EXPECT_FALSE(inicial.Lista()->Grade()->isEnabled());
  EXPECT_FALSE(inicial.Lista()->edtCPFCNPJ()->isEnabled());
  EXPECT_TRUE(inicial.OkHabilitado());
  EXPECT_EQ(inicial.GetEscolha(), TFoInicial::Escolha::Nova);
}

TEST_F(Dialogos, InicialAbreADeclaracaoEscolhidaNaLista) {
  Cria(kCnpj, QStringLiteral("EMPRESA TESTE LTDA"));
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  QuandoAbrir([this] {
    TFoInicial* d = TFoInicial::Existente();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->RbAbrir()->isChecked());
    EXPECT_EQ(d->Lista()->Modelo().Lidas(), 2);
    d->Lista()->DefineLinhaAtual(LinhaDe(d->Lista(), QStringLiteral("114447770001")));
    d->OKBtnClick();
  });
  EXPECT_TRUE(ExecutaInicial(m_tolv, Indice(), nullptr));
  EXPECT_EQ(m_tolv.GetContribuinte().GetNiDigitos(), kCnpj);
  EXPECT_EQ(m_tolv.GetAnoCalendario(), QStringLiteral("2013"));
  EXPECT_EQ(m_tolv.GetContribuinte().GetNome().GetValor(), QStringLiteral("EMPRESA TESTE LTDA"));
  ASSERT_NE(TColecao::GetBancoDeclaracao(), nullptr);
  EXPECT_TRUE(TColecao::GetBancoDeclaracao()->arquivo().endsWith(kArquivoCnpj));
  EXPECT_EQ(TFoInicial::Existente(), nullptr);
  EXPECT_FALSE(aguarde.aberta);
}

TEST_F(Dialogos, InicialComLinhaDanificadaNaoAbreNadaEFechaTudo) {
  Linha("1", QStringLiteral("12345"), "2013", QStringLiteral("LINHA DANIFICADA"));
  QuandoAbrir([] { TFoInicial::Existente()->OKBtnClick(); });
  EXPECT_FALSE(ExecutaInicial(m_tolv, Indice(), nullptr));
  EXPECT_EQ(TFoInicial::Existente(), nullptr);
  EXPECT_FALSE(aguarde.aberta);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Erro"));
}

TEST_F(Dialogos, InicialImportarDizQueAImportacaoAindaNaoExiste) {
  QuandoAbrir([] {
    TFoInicial* d = TFoInicial::Existente();
    d->RbImporta()->setChecked(true);
    EXPECT_TRUE(d->OkHabilitado());
    d->OKBtnClick();
  });
  EXPECT_FALSE(ExecutaInicial(m_tolv, Indice(), nullptr));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto,
            QStringLiteral("A importação de dados ainda não está disponível nesta versão do programa."));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Informação"));
}

TEST_F(Dialogos, InicialDepoisDeUmaImportacaoOfereceADeclaracaoImportada) {
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  int importacoes = 0;
  DialogosDeclaracao::DefineAssistenteImportacao([&](TColecaoTolv&, QWidget*) {
    ++importacoes;
    return DialogosDeclaracao::ResultadoImportacao{true, false};
  });
  QString titulo;
  QuandoAbrir([&] {
    TFoInicial::Existente()->RbImporta()->setChecked(true);
    TFoInicial::Existente()->OKBtnClick();
    QuandoAbrir([&] {
      TFoAbreDeclaracao* abre = TFoAbreDeclaracao::Existente();
      ASSERT_NE(abre, nullptr);
      titulo = abre->windowTitle();
      abre->OKBtnClick();
    });
  });
  EXPECT_TRUE(ExecutaInicial(m_tolv, Indice(), nullptr));
  EXPECT_EQ(importacoes, 1);
  EXPECT_EQ(titulo, QStringLiteral("Importação - Abrir Declaração"));
  EXPECT_EQ(m_tolv.GetContribuinte().GetNiDigitos(), kCpf);
}

TEST_F(Dialogos, NovaDeclaracaoDigitadaNoDialogoCriaLinhaEBanco) {
  TFoNovaDeclaracao nova(m_tolv, Indice());
  nova.DefineEscolhaTipo([](QWidget*) { return 1; });
  ASSERT_TRUE(AtivaJanela(&nova));
  ASSERT_TRUE(QTest::qWaitFor([&] { return nova.lblNI()->text() == u"CPF"; }));
  EXPECT_FALSE(nova.bbOK()->Habilitado());
  nova.edtNI()->setFocus();
  QTest::keyClicks(nova.edtNI(), kCpf.left(10));
  QTest::keyClick(nova.edtNI(), Qt::Key_Tab);
  EXPECT_EQ(nova.edtNI()->text(), QStringLiteral("05299822472"));
  // A CPF of ten digits is padded and refused: the focus stays on it.
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(nova.edtNI()->hasFocus());
  nova.edtNI()->selectAll();
  QTest::keyClicks(nova.edtNI(), kCpf);
  QTest::keyClick(nova.edtNI(), Qt::Key_Tab);
  EXPECT_EQ(nova.edtNI()->text(), QStringLiteral("529.982.247-25"));
  EXPECT_TRUE(nova.DeNome()->hasFocus());
  QTest::keyClicks(nova.DeNome(), QStringLiteral("Maria das Dores"));
  EXPECT_TRUE(nova.bbOK()->Habilitado());

  m_caixa.limpa();
  m_caixa.responde(ResultadoMensagem::Sim);
  nova.bbOK()->Botao()->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Confirma a criação da declaração CPF: 529.982.247-25?"));
  EXPECT_EQ(nova.result(), QDialog::Accepted);
  EXPECT_EQ(LeIndice(QStringLiteral("SELECT NM_NM_EMPR FROM TOLVS WHERE NR_PF_PJ = '529982247'")),
            QStringLiteral("Maria das Dores"));
  EXPECT_TRUE(Existe(kArquivoCpf));
}

TEST_F(Dialogos, NovaDeclaracaoTerminaQuandoOTipoECancelado) {
  QuandoAbrir([] {
    QTimer::singleShot(0, qApp, [] {
      auto* tipo = qobject_cast<TfrmTipoDeclarante*>(QApplication::activeModalWidget());
      ASSERT_NE(tipo, nullptr);
      EXPECT_TRUE(tipo->PessoaJuridica());
      tipo->bbCancel()->click();
    });
  });
  EXPECT_FALSE(ExecutaNovaDeclaracao(m_tolv, Indice(), nullptr));
  EXPECT_EQ(TFoNovaDeclaracao::Existente(), nullptr);
  EXPECT_EQ(Linhas(), 0);
}

TEST_F(Dialogos, AbrirSoTerminaComADeclaracaoCarregada) {
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  Cria(kCnpj, QStringLiteral("EMPRESA TESTE LTDA"));
  Linha("1", QStringLiteral("12345"), "2013", QStringLiteral("LINHA DANIFICADA"));
  TFoAbreDeclaracao abre(m_tolv, Indice(), QStringLiteral("Abrir declaração"));
  ASSERT_TRUE(abre.Lista()->Abre());
  abre.show();
  EXPECT_TRUE(abre.OkHabilitado());

  // A damaged row is told; the dialog and its list stay, the wait form goes.
  abre.Lista()->DefineLinhaAtual(LinhaDe(abre.Lista(), QStringLiteral("12345")));
  abre.OKBtnClick();
  EXPECT_TRUE(abre.isVisible());
  EXPECT_NE(abre.result(), QDialog::Accepted);
  EXPECT_FALSE(aguarde.aberta);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Erro"));

  // A declaration deleted meanwhile is told too, and leaves the list.
  m_pasta.roda(QStringLiteral("Tolv.FDB"), QStringLiteral("DELETE FROM TOLVS WHERE NR_PF_PJ = '114447770001'"));
  Indice().Atualiza();
  abre.Lista()->DefineLinhaAtual(LinhaDe(abre.Lista(), QStringLiteral("114447770001")));
  abre.OKBtnClick();
  EXPECT_TRUE(abre.isVisible());
  EXPECT_FALSE(aguarde.aberta);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Não consta declaração para este CPF/CNPJ."));
  EXPECT_EQ(LinhaDe(abre.Lista(), QStringLiteral("114447770001")), -1);

  abre.Lista()->DefineLinhaAtual(LinhaDe(abre.Lista(), QStringLiteral("529982247")));
  abre.OKBtnClick();
  EXPECT_EQ(abre.result(), QDialog::Accepted);
  EXPECT_EQ(m_tolv.GetContribuinte().GetNiDigitos(), kCpf);
  EXPECT_EQ(m_tolv.GetContribuinte().GetTipo(), kNiCpf);
  // The main window closes the wait form once the declaration shows.
  EXPECT_TRUE(aguarde.aberta);
}

TEST_F(Dialogos, ExcluirDuasPerguntaNoPluralEApagaLinhasEArquivos) {
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  Cria(kCnpj, QStringLiteral("EMPRESA TESTE LTDA"));
  Cria(QStringLiteral("98765432100"), QStringLiteral("JOSE"));
  TFoExcluiDeclaracao exclui(Indice());
  ASSERT_TRUE(exclui.Lista()->Abre());
  exclui.show();
  EXPECT_FALSE(exclui.OkHabilitado());
  TModeloListaDeclaracoes& m = exclui.Lista()->Modelo();
  m.DefineMarca(LinhaDe(exclui.Lista(), QStringLiteral("114447770001")), true);
  m.DefineMarca(LinhaDe(exclui.Lista(), QStringLiteral("529982247")), true);
  EXPECT_TRUE(exclui.OkHabilitado());

  m_caixa.responde(ResultadoMensagem::Nao);
  exclui.OKBtnClick();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Deseja excluir as 2 declarações?"));
  EXPECT_EQ(m_caixa.ultima().titulo, QStringLiteral("Confirmação"));
  EXPECT_EQ(exclui.result(), QDialog::Rejected);
  EXPECT_EQ(Linhas(), 3);

  m_caixa.responde(ResultadoMensagem::Sim);
  exclui.OKBtnClick();
  EXPECT_EQ(exclui.result(), QDialog::Accepted);
  EXPECT_EQ(Linhas(), 1);
  EXPECT_FALSE(Existe(kArquivoCpf));
  EXPECT_FALSE(Existe(kArquivoCnpj));
  EXPECT_TRUE(Existe(QStringLiteral("TOLV2014987654321002013.FDB")));
  EXPECT_TRUE(m.Marcas().isEmpty());
}

TEST_F(Dialogos, ExcluirRecusaArquivoForaDoPadraoEMantemOEmUsoMasSegueComOsOutros) {
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  Cria(kCnpj, QStringLiteral("EMPRESA TESTE LTDA"));
  Cria(QStringLiteral("98765432100"), QStringLiteral("JOSE"));
  // Rows naming the index itself and a path out of the data folder.
  Linha("1", QStringLiteral("111444777"), "2013", QStringLiteral("A"), 9, 0, QStringLiteral("Tolv.FDB"));
  Linha("1", QStringLiteral("123456789"), "2013", QStringLiteral("B"), 9, 0,
        QStringLiteral("../TOLV2014123456789092013.FDB"));
  bd::Conexao emUso(m_pasta.dados() + u'/' + kArquivoCnpj);
  emUso.conecta();

  TFoExcluiDeclaracao exclui(Indice());
  ASSERT_TRUE(exclui.Lista()->Abre());
  TModeloListaDeclaracoes& m = exclui.Lista()->Modelo();
  for (const char* numero : {"111444777", "114447770001", "123456789", "529982247"})
    m.DefineMarca(LinhaDe(exclui.Lista(), QString::fromLatin1(numero)), true);
  m_caixa.responde(ResultadoMensagem::Sim);
  exclui.OKBtnClick();

  QStringList textos;
  for (const auto& c : m_caixa.chamadas()) textos << c.titulo + QStringLiteral(": ") + c.texto;
  ASSERT_EQ(textos.size(), 4) << textos.join(u'\n').toStdString();
  EXPECT_EQ(textos[0], QStringLiteral("Confirmação: Deseja excluir as 4 declarações?"));
  EXPECT_TRUE(textos[1].startsWith(QStringLiteral("Erro: A declaração 111.444.777-35 não foi excluída")));
  EXPECT_EQ(textos[2], QStringLiteral("Erro: Não foi possível excluir a declaração: 11.444.777/0001-61.  Verifique se o "
                                      "arquivo está sendo utilizado por outro aplicativo."));
  EXPECT_TRUE(textos[3].contains(QStringLiteral("../TOLV2014123456789092013.FDB")));
  EXPECT_TRUE(Existe(QStringLiteral("Tolv.FDB")));
  EXPECT_TRUE(Existe(kArquivoCnpj));
  EXPECT_FALSE(Existe(kArquivoCpf));
  EXPECT_EQ(Linhas(), 4);
  EXPECT_EQ(exclui.result(), QDialog::Accepted);
}

struct NomeArquivo {
  const char* nome;
  bool excluivel;
};

class ArquivoDaDeclaracao : public testing::TestWithParam<NomeArquivo> {};

TEST_P(ArquivoDaDeclaracao, SoNomeSimplesDeBancoDeDeclaracao) {
  EXPECT_EQ(TFoExcluiDeclaracao::ArquivoExcluivel(QString::fromLatin1(GetParam().nome)), GetParam().excluivel);
}

INSTANTIATE_TEST_SUITE_P(Nomes, ArquivoDaDeclaracao,
                         testing::Values(NomeArquivo{"TOLV2014529982247252013.FDB", true},
                                         NomeArquivo{"tolv2014529982247252013.fdb", true},
                                         NomeArquivo{"Tolv.FDB", false}, NomeArquivo{"TOLV2014PD.FDB", false},
                                         NomeArquivo{"", false}, NomeArquivo{"TOLV2014/../../x/123456789012.FDB", false},
                                         NomeArquivo{"..\\TOLV2014529982247252013.FDB", false},
                                         NomeArquivo{"/tmp/TOLV2014529982247252013.FDB", false},
                                         NomeArquivo{"TOLV2014529982247252013.FDB.anterior-1", false}));

// The start of the program reaches the initial dialog, and its choice opens in the window.
TEST_F(Dialogos, NoInicioODialogoInicialAbreADeclaracaoNaJanela) {
  Cria(kCnpj, QStringLiteral("EMPRESA TESTE LTDA"));
  ConfiguracoesTolv::GravaJahMostrou(true);
  IndicePrincipal indice;
  PassosPrincipal passos;
  indice.Conecta(passos);
  DialogosDeclaracao::Conecta(passos);
  QStringList diario;
  passos.registraPaginas = [&](TFrDeclaracao& conteiner) { RegistraPaginasFalsas(conteiner, diario); };
  AmbienteFalso ambiente;
  {
    TTolv2014 janela(ambiente, passos);
    janela.show();
    janela.setEnabled(true);
    QuandoAbrir([] { TFoInicial::Existente()->OKBtnClick(); });
    janela.AbrirDialogoInicial();
    EXPECT_TRUE(janela.DeclaracaoAberta());
    EXPECT_EQ(janela.GetTolv().GetContribuinte().GetNiDigitos(), kCnpj);
    EXPECT_FALSE(aguarde.aberta);
    janela.FecharDeclaracao();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  m_indice.reset();
  indice.FecharColecoes();
}

}  // namespace

namespace {

// The dialog sees every key first: Enter chooses while OK is on, Esc cancels.
TEST_F(Dialogos, EnterEscolheNaListaEEscCancela) {
  Cria(kCpf, QStringLiteral("MARIA DAS DORES"));
  {
    TFoAbreDeclaracao abre(m_tolv, Indice(), QStringLiteral("Abrir declaração para gravação"));
    ASSERT_TRUE(abre.Lista()->Abre());
    ASSERT_TRUE(AtivaJanela(&abre));
    abre.Lista()->Grade()->setFocus();
    QTest::keyClick(abre.Lista()->Grade(), Qt::Key_Return);
    EXPECT_EQ(abre.result(), QDialog::Accepted);
    EXPECT_EQ(m_tolv.GetContribuinte().GetNiDigitos(), kCpf);
  }
  TFoExcluiDeclaracao exclui(Indice());
  ASSERT_TRUE(exclui.Lista()->Abre());
  ASSERT_TRUE(AtivaJanela(&exclui));
  // Nothing marked: Enter does nothing.
  QTest::keyClick(exclui.Lista()->edtNome(), Qt::Key_Return);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_TRUE(exclui.isVisible());
  QTest::keyClick(exclui.Lista()->edtNome(), Qt::Key_Escape);
  EXPECT_FALSE(exclui.isVisible());
  EXPECT_EQ(exclui.result(), QDialog::Rejected);
  EXPECT_EQ(Linhas(), 1);
}

}  // namespace

namespace {

// "Sim" and "Não" follow the year: Tab and Shift+Tab pass over them.
TEST_F(Dialogos, OsBotoesDaSituacaoEspecialPassamOFoco) {
  TFoNovaDeclaracao nova(m_tolv, Indice());
  nova.DefineEscolhaTipo([](QWidget*) { return 1; });
  ASSERT_TRUE(AtivaJanela(&nova));
  ASSERT_TRUE(QTest::qWaitFor([&] { return nova.lblNI()->text() == u"CPF"; }));
  nova.edtNI()->setFocus();
  QTest::keyClicks(nova.edtNI(), kCpf);
  QTest::keyClick(nova.edtNI(), Qt::Key_Tab);
  QTest::keyClicks(nova.DeNome(), QStringLiteral("Maria das Dores"));
  QTest::keyClick(nova.DeNome(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), nova.CbAnoRet());
  QTest::keyClick(nova.CbAnoRet(), Qt::Key_Tab);
  const auto radio = [&nova](QWidget* w) { return w == nova.rbRbSimEncerramento() || w == nova.rbRbNaoEncerramento(); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return !radio(QApplication::focusWidget()); }));
  QWidget* depois = QApplication::focusWidget();
  ASSERT_NE(depois, nullptr);
  EXPECT_NE(depois, nova.CbAnoRet());
  EXPECT_TRUE(nova.isAncestorOf(depois));
  QTest::keyClick(depois, Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !radio(QApplication::focusWidget()); }));
  EXPECT_EQ(QApplication::focusWidget(), nova.CbAnoRet());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

// The event date typed with a one-digit day and last year's year takes the event's year.
TEST_F(Dialogos, DataDoEventoDigitadaTomaOAnoDoEvento) {
  TFoNovaDeclaracao nova(m_tolv, Indice());
  nova.DefineEscolhaTipo([](QWidget*) { return 2; });
  ASSERT_TRUE(AtivaJanela(&nova));
  ASSERT_TRUE(QTest::qWaitFor([&] { return nova.lblNI()->text() == u"CNPJ"; }));
  QTest::keyClicks(nova.edtNI(), QStringLiteral("99887766000105"));
  QTest::keyClick(nova.edtNI(), Qt::Key_Tab);
  QTest::keyClicks(nova.DeNome(), QStringLiteral("EMPRESA EXTINTA LTDA"));
  nova.CbAnoRet()->setFocus();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  nova.CbAnoRet()->setCurrentIndex(1);
  emit nova.CbAnoRet()->activated(1);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Declaração do ano-calendário 2014 deve ser de extinção."));
  EXPECT_TRUE(nova.rbRbSimEncerramento()->isChecked());
  EXPECT_FALSE(nova.rbRbNaoEncerramento()->isEnabled());
  QLineEdit* data = nova.edtDataEvento()->Edit();
  ASSERT_TRUE(data->hasFocus());
  QTest::keyClicks(data, QStringLiteral("5/01/2013"));
  EXPECT_EQ(data->text(), QStringLiteral("5/01/2014"));
  EXPECT_EQ(m_tolv.GetDataEvento(), QStringLiteral("05/01/2014"));
  // Back to the regular year: no event, no date.
  nova.CbAnoRet()->setCurrentIndex(0);
  emit nova.CbAnoRet()->activated(0);
  EXPECT_TRUE(nova.rbRbNaoEncerramento()->isChecked());
  EXPECT_FALSE(nova.edtDataEvento()->isEnabled());
  EXPECT_TRUE(m_tolv.GetDataEvento().isEmpty());
}

}  // namespace
