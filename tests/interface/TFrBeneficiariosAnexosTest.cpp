#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

#include "controles/TErroEdit.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TfrmPesquisarFundo.h"
#include "interface/TfrmPesquisarProcesso.h"
#include "nucleo/AnexosTeste.h"
#include "nucleo/TAnexoFC.h"
#include "nucleo/TTolvItem.h"
#include "suporte/JanelaAtiva.h"

namespace {

using Modo = TFrBeneficiarios::Modo;

// A fund or process page in a window of its own over the fixture's declaration (two funds, two
// processes); beside the page, a control that stands for the tree.
class PaginaAnexos : public anexos_teste::ComAnexos {
 protected:
  void SetUp() override {
    ComAnexos::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    ComFundosEProcessos();
    TErroEdit::RetiraErro();
  }
  void TearDown() override {
    janela.reset();
    ComAnexos::TearDown();
  }

  void Abre(Modo modo) {
    NoCorrente = modo == Modo::Fundo ? 301 : 401;
    janela = std::make_unique<QWidget>();
    janela->resize(680, 760);
    auto* layout = new QVBoxLayout(janela.get());
    arvore = new QLineEdit(janela.get());
    layout->addWidget(arvore);
    pagina = new TFrBeneficiarios(modo, janela.get());
    layout->addWidget(pagina, 1);
    pagina->Inicializa(m_tolv);
    ASSERT_TRUE(AtivaJanela(janela.get()));
    esvazia();
  }
  template <class T = QWidget>
  T* filho(const char* nome) const {
    T* w = pagina->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  static QWidget* focado() { return QApplication::focusWidget(); }
  static void esvazia() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  void digita(const char* nome, const QString& texto) {
    QWidget* w = filho(nome);
    w->setFocus(Qt::TabFocusReason);
    esvazia();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    QTest::keyClicks(w, texto);
  }
  void vaiPara(const char* nome) {
    filho(nome)->setFocus(Qt::TabFocusReason);
    esvazia();
  }
  QString texto(const char* nome) const { return filho<QLineEdit>(nome)->text(); }
  QStringList Codigos(int fonte) {
    return Coluna(QStringLiteral("SELECT TRIB_TRIBU FROM TOLV_ITENS WHERE E_FONTE_DK = %1").arg(fonte));
  }

  std::unique_ptr<QWidget> janela;
  QLineEdit* arvore = nullptr;
  TFrBeneficiarios* pagina = nullptr;
};

TEST_F(PaginaAnexos, TheFundPageStartsANewFundOnEntryAndBrowsesTheStoredOnes) {
  Abre(Modo::Fundo);
  ASSERT_TRUE(pagina->TemAnexos());
  EXPECT_EQ(pagina->TipoDoAnexo(4), 1);
  vaiPara("DeCnpjFundo");
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("3/3"));
  EXPECT_TRUE(filho("btnPrevProc")->isEnabled());
  EXPECT_FALSE(filho("btnNextProc")->isEnabled());
  EXPECT_FALSE(filho("BbDeleteFundo")->isEnabled());
  // Lines wait for a stored fund.
  EXPECT_FALSE(filho("BbAdd")->isEnabled());

  // Previous on a new fund goes to the last one.
  filho<TTolvButton>("btnPrevProc")->click();
  esvazia();
  EXPECT_EQ(texto("DeCnpjFundo"), QStringLiteral("11.222.333/0001-81"));
  EXPECT_EQ(texto("DeNomeFundo"), QStringLiteral("CLUBE BETA"));
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("2/2"));
  EXPECT_TRUE(filho("BbDeleteFundo")->isEnabled());
  filho<TTolvButton>("btnPrimProc")->click();
  esvazia();
  EXPECT_EQ(texto("DeNomeFundo"), QStringLiteral("FUNDO ALFA"));
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("1/2"));
  EXPECT_FALSE(filho("btnPrimProc")->isEnabled());
  // The fund's one stored line, then the blank one.
  EXPECT_EQ(pagina->Contador(), QStringLiteral("2/2"));
  EXPECT_EQ(pagina->LogicaAnexos()->Dono().GetFonteDK(), QStringLiteral("2"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PaginaAnexos, AFundKeyedOnThePageIsStoredWhenTheUserGoesToItsLines) {
  Abre(Modo::Fundo);
  digita("DeCnpjFundo", QStringLiteral("22333444000181"));
  vaiPara("DeNomeFundo");
  EXPECT_EQ(texto("DeCnpjFundo"), QStringLiteral("22.333.444/0001-81"));
  digita("DeNomeFundo", QStringLiteral("FUNDO GAMA"));
  vaiPara("DeCpfCnpjBenef");
  EXPECT_TRUE(m_caixa.chamadas().empty()) << m_caixa.ultima().texto.toStdString();
  EXPECT_EQ(Coluna(QStringLiteral("SELECT NM_NM_EMPR FROM FONTES WHERE NR_PF_PJ = '223334440001'")),
            QStringList({"FUNDO GAMA"}));
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("3/3"));
  EXPECT_TRUE(filho("BbDeleteFundo")->isEnabled());
  const QString chave = pagina->LogicaAnexos()->Dono().GetFonteDK();
  ASSERT_FALSE(chave.isEmpty());
  // Its lines are keyed next, and stored under it.
  digita("DeCpfCnpjBenef", QStringLiteral("11144477735"));
  vaiPara("DeNomeBenef");
  digita("DeNomeBenef", QStringLiteral("JOSE DA SILVA"));
  auto* codigo = filho<QComboBox>("DblcCodRet");
  codigo->setFocus(Qt::TabFocusReason);
  esvazia();
  codigo->lineEdit()->selectAll();
  QTest::keyClicks(codigo->lineEdit(), QStringLiteral("6800"));
  QTest::keyClick(codigo->lineEdit(), Qt::Key_Tab);
  esvazia();
  arvore->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << m_caixa.ultima().texto.toStdString();
  EXPECT_EQ(Coluna(QStringLiteral("SELECT E_NR_PF_PJ || '|' || TRIB_TRIBU FROM TOLV_ITENS WHERE E_FONTE_DK = ") + chave),
            QStringList({QStringLiteral("111444777|6800")}));
}

TEST_F(PaginaAnexos, AnInvalidOrEmptyCnpjKeepsTheUserOnIt) {
  Abre(Modo::Fundo);
  vaiPara("DeCnpjFundo");
  vaiPara("DeNomeFundo");
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("CNPJ não informado")));
  esvazia();
  EXPECT_EQ(focado(), filho("DeCnpjFundo"));
  m_caixa.limpa();
  digita("DeCnpjFundo", QStringLiteral("98765432000198"));
  vaiPara("DeNomeFundo");
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(135, QStringLiteral("98.765.432")));
}

TEST_F(PaginaAnexos, ANewProcessTakesTheCodeOfItsCourt) {
  Abre(Modo::Processo);
  digita("DeNrProcesso", QStringLiteral("99988877766655544"));
  vaiPara("cmbTipoProcesso");
  auto* justica = filho<QComboBox>("cmbTipoProcesso");
  justica->setCurrentIndex(1);
  emit justica->activated(1);
  esvazia();
  EXPECT_EQ(pagina->CodigoMostrado(), QStringLiteral("5936"));
  EXPECT_FALSE(filho("DblcCodRet")->isEnabled());
  vaiPara("DeCpfCnpjAdv");
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::TextoMensagem(289));
  // Once per page binding.
  vaiPara("cmbTipoProcesso");
  vaiPara("DeCpfCnpjAdv");
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);
  vaiPara("DeCpfCnpjBenef");
  EXPECT_EQ(Coluna(QStringLiteral("SELECT TIPO_PROCESSO FROM FONTES WHERE NR_PF_PJ = '99988877766655544'")),
            QStringList({"2"}));
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("3/3"));
  // A line keyed for it carries the court's code, which nobody typed.
  digita("DeCpfCnpjBenef", QStringLiteral("11144477735"));
  vaiPara("DeNomeBenef");
  digita("DeNomeBenef", QStringLiteral("JOSE DA SILVA"));
  arvore->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_EQ(m_caixa.chamadas().size(), 1u) << m_caixa.ultima().texto.toStdString();
  EXPECT_EQ(Codigos(pagina->LogicaAnexos()->Dono().GetFonteDK().toInt()), QStringList({"5936"}));
}

TEST_F(PaginaAnexos, ChangingTheCourtOfAStoredProcessRewritesItsLines) {
  Abre(Modo::Processo);
  pagina->PosicionaAnexo(QStringLiteral("4"), 1);
  esvazia();
  EXPECT_EQ(texto("DeNrProcesso"), anexos_teste::kNumeroFederal);
  EXPECT_EQ(filho<QComboBox>("cmbTipoProcesso")->currentIndex(), 0);
  EXPECT_EQ(texto("DeCpfCnpjAdv"), QStringLiteral("98.765.432/0001-98"));
  EXPECT_EQ(pagina->CodigoMostrado(), QStringLiteral("5928"));
  pagina->EscolheJustica(2);
  esvazia();
  EXPECT_EQ(Codigos(4), QStringList({"1895", "1895"}));
  EXPECT_EQ(pagina->CodigoMostrado(), QStringLiteral("1895"));
  EXPECT_EQ(filho<QComboBox>("cmbTipoProcesso")->currentIndex(), 2);
  EXPECT_EQ(pagina->LogicaAnexos()->Dono().GetFonteDK(), QStringLiteral("4"));
}

TEST_F(PaginaAnexos, DeletingAProcessAsksAndShowsTheLastOne) {
  m_tolv.SetAnoCalendario(QStringLiteral("2013"));
  Abre(Modo::Processo);
  pagina->PosicionaAnexo(QStringLiteral("4"), 1);
  m_caixa.responde(ResultadoMensagem::Sim);
  pagina->BbDeleteFundoClick();
  esvazia();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Confirma a exclusão do processo: ")));
  EXPECT_EQ(texto("DeNrProcesso"), anexos_teste::kNumeroTrabalho);
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("1/1"));
  EXPECT_EQ(Codigos(4), QStringList());
}

TEST_F(PaginaAnexos, TheSearchButtonOpensTheDialogWhoseChoiceShowsTheFund) {
  Abre(Modo::Fundo);
  bool viu = false;
  QTimer::singleShot(0, [&] {
    auto* dialogo = qobject_cast<TfrmPesquisarFundo*>(QApplication::activeModalWidget());
    if (!dialogo) return;
    viu = true;
    dialogo->findChild<QComboBox*>(QStringLiteral("cbbNome"))->setEditText(QStringLiteral("clube"));
    dialogo->ExecutaPesquisa();
    dialogo->Posicionar();
    dialogo->reject();
  });
  pagina->btnPesquisarClick();
  esvazia();
  EXPECT_TRUE(viu);
  EXPECT_EQ(texto("DeNomeFundo"), QStringLiteral("CLUBE BETA"));
  EXPECT_EQ(pagina->ContadorAnexo(), QStringLiteral("2/2"));
}

// A process line of a person under the federal court's code, paid by a company: the illness box
// is offered as on the declarant's page, and the illness amounts are keyed and stored.
TEST_F(PaginaAnexos, AProcessLineTakesTheIllnessBoxAndItsAmounts) {
  Roda(QStringLiteral("UPDATE TOLV_ITENS SET NM_NM_EMPR = 'FULANO DE TAL' WHERE TOLV_ITEM_DK = 10"));
  Abre(Modo::Processo);
  pagina->PosicionaAnexo(QStringLiteral("4"), 1);
  ASSERT_TRUE(pagina->PosicionaItem(QStringLiteral("10")));
  esvazia();
  ASSERT_TRUE(filho("pnlMolestia")->isVisible());
  auto* caixa = filho<QCheckBox>("chkMolestia");
  ASSERT_TRUE(caixa->isVisible());
  caixa->click();
  esvazia();
  EXPECT_EQ(Coluna(QStringLiteral("SELECT IN_MOLESTIA FROM TOLV_ITENS WHERE TOLV_ITEM_DK = 10")), QStringList({"S"}));
  NoCorrente = 406;
  pagina->MostraFicha(406);
  esvazia();
  TTolvGridRendimentosDeducoes* grade = pagina->GradeTributaveis();
  ASSERT_TRUE(grade->VisaoMolestia());
  EXPECT_TRUE(filho("pnlDtMolestia")->isVisible());
  grade->setFocus(Qt::TabFocusReason);
  esvazia();
  grade->SelecionaCelula(2, 2);
  QTest::keyClicks(focado(), QStringLiteral("350,00"));
  grade->ConfirmaValor();
  arvore->setFocus(Qt::MouseFocusReason);
  esvazia();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << m_caixa.ultima().texto.toStdString();
  EXPECT_EQ(Coluna(QStringLiteral("SELECT CAST(VL_MOLESTIA_FEV * 100 AS BIGINT) FROM TOLV_ITENS WHERE TOLV_ITEM_DK = 10")),
            QStringList({"35000"}));
}

// The lines of an annex that is not stored wait for it: going to them leads to what its
// identification lacks.
struct CasoIdentificacao {
  Modo modo;
  const char* numero;   // typed into the identification first ("" for nothing)
  const char* destino;  // the line field the user goes to
  const char* foco;     // where the focus lands
};
void PrintTo(const CasoIdentificacao& c, std::ostream* os) { *os << c.numero << " -> " << c.destino; }
class LinhasSemAnexo : public PaginaAnexos, public testing::WithParamInterface<CasoIdentificacao> {};

TEST_P(LinhasSemAnexo, SendTheFocusToTheIdentificationFirst) {
  const CasoIdentificacao& c = GetParam();
  Abre(c.modo);
  const char* numero = c.modo == Modo::Fundo ? "DeCnpjFundo" : "DeNrProcesso";
  arvore->setFocus(Qt::MouseFocusReason);
  esvazia();
  if (*c.numero) {
    vaiPara(numero);
    digita(numero, QString::fromLatin1(c.numero));
  }
  m_caixa.limpa();
  vaiPara(c.destino);
  esvazia();
  ASSERT_NE(focado(), nullptr);
  EXPECT_EQ(focado()->objectName(), QString::fromLatin1(c.foco));
  EXPECT_TRUE(pagina->LogicaAnexos()->Dono().GetFonteDK().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhasSemAnexo,
    testing::Values(CasoIdentificacao{Modo::Fundo, "", "DeCpfCnpjBenef", "DeCnpjFundo"},
                    CasoIdentificacao{Modo::Fundo, "", "DgrRendimentosDeducoes", "DeCnpjFundo"},
                    CasoIdentificacao{Modo::Fundo, "22333444000181", "DeNomeBenef", "DeNomeFundo"},
                    CasoIdentificacao{Modo::Processo, "", "DeCpfCnpjBenef", "DeNrProcesso"},
                    CasoIdentificacao{Modo::Processo, "99988877766655544", "DeCpfCnpjBenef", "cmbTipoProcesso"}));

// ---- The search dialogs.

class PesquisaAnexos : public PaginaAnexos {
 protected:
  QString escolhido;
};

TEST_F(PesquisaAnexos, TheFundSearchComparesDigitsWithDigits) {
  EXPECT_EQ(TfrmPesquisarFundo::FiltroCnpj(QStringLiteral("12.345.678/0001-95")), QStringLiteral("123456780001"));
  EXPECT_EQ(TfrmPesquisarFundo::FiltroCnpj(QStringLiteral("12.345")), QStringLiteral("12345"));
  TfrmPesquisarFundo dialogo(m_tolv, [this](const QString& chave) { escolhido = chave; });
  EXPECT_EQ(dialogo.size(), QSize(748, 467));
  dialogo.findChild<QComboBox*>(QStringLiteral("cbbCNPJ"))->setEditText(QStringLiteral("12.345.678/0001-95"));
  ASSERT_TRUE(dialogo.ExecutaPesquisa());
  ASSERT_EQ(dialogo.QuantidadeLinhas(), 1);
  EXPECT_EQ(dialogo.Texto(0, 0), QStringLiteral("12.345.678/0001-95"));
  EXPECT_EQ(dialogo.Texto(0, 1), QStringLiteral("FUNDO ALFA"));
  EXPECT_TRUE(dialogo.PosicionarDisponivel());
  dialogo.Posicionar();
  EXPECT_EQ(escolhido, QStringLiteral("2"));
  // The start of a CNPJ, typed with its dots.
  dialogo.findChild<QComboBox*>(QStringLiteral("cbbCNPJ"))->setEditText(QStringLiteral("11.2"));
  dialogo.findChild<QComboBox*>(QStringLiteral("cbbCbCriteriosCPFCNPJ"))->setCurrentIndex(1);
  ASSERT_TRUE(dialogo.ExecutaPesquisa());
  EXPECT_EQ(dialogo.QuantidadeLinhas(), 1);
  EXPECT_EQ(dialogo.Texto(0, 1), QStringLiteral("CLUBE BETA"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PesquisaAnexos, NothingFoundSaysSoAndHidesPosicionar) {
  TfrmPesquisarFundo dialogo(m_tolv, [this](const QString& chave) { escolhido = chave; });
  // A quote in the text is a value, never SQL.
  dialogo.findChild<QComboBox*>(QStringLiteral("cbbNome"))->setEditText(QStringLiteral("D'AVILA%"));
  EXPECT_FALSE(dialogo.ExecutaPesquisa());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Nenhum registro encontrado para o critério de pesquisa informado"));
  EXPECT_FALSE(dialogo.PosicionarDisponivel());
  dialogo.Posicionar();
  EXPECT_TRUE(escolhido.isEmpty());
  EXPECT_EQ(dialogo.QuantidadeLinhas(), 0);
}

TEST_F(PesquisaAnexos, TheProcessSearchShowsCourtAndFormattedLawyer) {
  EXPECT_EQ(TfrmPesquisarProcesso::Justica(1), QStringLiteral("Federal"));
  EXPECT_EQ(TfrmPesquisarProcesso::Justica(2), QStringLiteral("Trabalho"));
  EXPECT_EQ(TfrmPesquisarProcesso::Justica(0), QStringLiteral("Estadual/Distrito Federal"));
  EXPECT_EQ(TfrmPesquisarProcesso::NumeroAdvogado(QStringLiteral("3"), QStringLiteral("529982247")),
            QStringLiteral("529982247"));
  TfrmPesquisarProcesso dialogo(m_tolv, [this](const QString& chave) { escolhido = chave; });
  dialogo.show();
  ASSERT_TRUE(dialogo.ExecutaPesquisa());
  ASSERT_EQ(dialogo.QuantidadeLinhas(), 2);
  EXPECT_EQ(dialogo.Texto(0, 0), anexos_teste::kNumeroFederal);
  EXPECT_EQ(dialogo.Texto(0, 1), QStringLiteral("Federal"));
  EXPECT_EQ(dialogo.Texto(0, 2), QStringLiteral("98.765.432/0001-98"));
  EXPECT_EQ(dialogo.Texto(1, 1), QStringLiteral("Trabalho"));
  EXPECT_EQ(dialogo.Texto(1, 2), QStringLiteral("529.982.247-25"));
  EXPECT_EQ(dialogo.Texto(1, 3), QStringLiteral("MARIA ADVOGADA"));
  dialogo.findChild<QComboBox*>(QStringLiteral("cmbTipoProcesso"))->setCurrentIndex(1);
  ASSERT_TRUE(dialogo.ExecutaPesquisa());
  ASSERT_EQ(dialogo.QuantidadeLinhas(), 1);
  dialogo.Posicionar();
  EXPECT_EQ(escolhido, QStringLiteral("5"));
  // Limpar clears the court too.
  dialogo.Limpa();
  EXPECT_EQ(dialogo.findChild<QComboBox*>(QStringLiteral("cmbTipoProcesso"))->currentIndex(), -1);
  EXPECT_FALSE(dialogo.PosicionarDisponivel());
}

TEST_F(PesquisaAnexos, ALongResultIsReadAWindowAtATime) {
  QString sql;
  for (int i = 0; i < 250; ++i)
    sql += QStringLiteral("INSERT INTO FONTES VALUES (%1, '2', '%2', 'P', 1, NULL, NULL, NULL, '1');")
               .arg(100 + i)
               .arg(70000000000000000LL + i);
  Roda(sql);
  TfrmPesquisarProcesso dialogo(m_tolv, [](const QString&) {});
  ASSERT_TRUE(dialogo.ExecutaPesquisa());
  EXPECT_EQ(dialogo.QuantidadeLinhas(), 100);
  QAbstractItemModel* modelo = dialogo.Grade()->model();
  while (modelo->canFetchMore({})) modelo->fetchMore({});
  EXPECT_EQ(dialogo.QuantidadeLinhas(), 252);
}

}  // namespace
