#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "controles/TErroEdit.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "controles/TTolvGridIsentos.h"
#include "controles/TTolvGridRendimentosDeducoes.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTzuqTree.h"
#include "nucleo/Cpf.h"
#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecaoTolvItem.h"
#include "nucleo/TResumo.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "suporte/JanelaAtiva.h"

namespace {

using R = TRendimentosTributaveis;

QString Cpf(int i) {
  const QString base = QString::number(400000000 + 13 * i);
  return base + TCpf::CalculaDVCpf(base);
}

// The declarant's page in a window of its own, over a company's declaration whose database is a
// fresh copy of the template; beside the page, a control that stands for the tree.
class PaginaLinhas : public declaracao_teste::ComDeclaracao {
 protected:
  void SetUp() override {
    ComDeclaracao::SetUp();
    m_tolv.SetTolvDK(QStringLiteral("1"));
    m_tolv.GetResumo().Zera();
    m_tolv.GetResumoGeral().Zera();
    TErroEdit::RetiraErro();
    NoCorrente = 201;
  }
  void TearDown() override {
    janela.reset();
    ComDeclaracao::TearDown();
  }

  void Guarda(const QString& numero, const char* codigo, int64_t centavos) {
    TTolvItem l(m_tolv, m_tolv);
    l.GetBeneficiario().SetNi(numero);
    l.GetBeneficiario().GetNome().SetValor(QStringLiteral("BENEFICIARIO GUARDADO"));
    l.GetCodigoRetencao().SetCodigo(QString::fromLatin1(codigo));
    l.GetTributaveis().GetSerie(R::kRendimento).Mes(1).SetValorMonetario(Valor::deCentavos(centavos));
    m_tolv.GetItens().SetModoLista(false);
    ASSERT_EQ(m_tolv.GetItens().Grava(l), TColecaoTolvItem::kIncluida);
  }

  void Abre() {
    janela = std::make_unique<QWidget>();
    janela->resize(660, 700);
    auto* layout = new QVBoxLayout(janela.get());
    arvore = new QLineEdit(janela.get());
    arvore->setObjectName(QStringLiteral("arvore"));
    layout->addWidget(arvore);
    pagina = new TFrBeneficiarios(TFrBeneficiarios::Modo::Declarante, janela.get());
    layout->addWidget(pagina, 1);
    pagina->Inicializa(m_tolv);
    ASSERT_TRUE(AtivaJanela(janela.get()));
    pagina->MostraFicha(201);
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
  void digita(QWidget* w, const QString& texto) {
    w->setFocus(Qt::TabFocusReason);
    esvazia();
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
    QTest::keyClicks(w, texto);
  }
  void tab() {
    QTest::keyClick(focado(), Qt::Key_Tab);
    esvazia();
  }
  QComboBox* codigo() const { return filho<QComboBox>("DblcCodRet"); }
  // Number, name and code as the user keys them, Tab after each.
  void identifica(const QString& cpf, const char* nome, const char* cod) {
    digita(filho("DeCpfCnpjBenef"), cpf);
    tab();
    digita(filho("DeNomeBenef"), QString::fromUtf8(nome));
    tab();
    digita(codigo()->lineEdit(), QString::fromLatin1(cod));
    tab();
  }
  void celula(int col, int lin, const QString& texto) {
    TTolvGridRendimentosDeducoes* g = pagina->GradeTributaveis();
    g->setFocus(Qt::TabFocusReason);
    esvazia();
    g->SelecionaCelula(col, lin);
    for (QChar c : texto) QTest::keyClicks(focado(), QString(c));
    g->ConfirmaValor();
    esvazia();
  }
  void saiParaArvore() {
    arvore->setFocus(Qt::MouseFocusReason);
    esvazia();
  }
  int Linhas() const { return m_pasta.le(kBanco, QStringLiteral("SELECT COUNT(*) FROM TOLV_ITENS")).toInt(); }
  QString Le(const char* sql) const { return m_pasta.le(kBanco, QString::fromLatin1(sql)); }

  std::unique_ptr<QWidget> janela;
  QLineEdit* arvore = nullptr;
  TFrBeneficiarios* pagina = nullptr;
};

TEST_F(PaginaLinhas, AKeyedLineIsStoredOnLeavingAndShownAgainWhenBrowsedBack) {
  Abre();
  EXPECT_EQ(pagina->Contador(), "1/1");
  identifica(Cpf(1), "MARIA DAS DORES", "0561");
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(filho<QLineEdit>("edtCdDescricao")->text(), "Rendimentos do trabalho assalariado");
  // A person paid by a company under 0561: the illness box and the thirteenth-salary row.
  EXPECT_TRUE(filho("pnlMolestia")->isVisible());
  EXPECT_TRUE(pagina->GradeTributaveis()->DecimoTerceiro());
  EXPECT_TRUE(pagina->GradeTributaveis()->DeducaoPO());
  celula(1, 1, QStringLiteral("1500,25"));
  saiParaArvore();
  EXPECT_EQ(Linhas(), 1);
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_JAN * 100 AS BIGINT) FROM TOLV_ITENS"), "150025");
  EXPECT_EQ(pagina->Contador(), "1/1");

  pagina->TeclaAlt(Qt::Key_Insert, false);
  esvazia();
  EXPECT_EQ(pagina->Contador(), "2/2");
  EXPECT_EQ(focado(), filho("DeCpfCnpjBenef"));
  EXPECT_TRUE(codigo()->currentText().isEmpty());
  pagina->TeclaAlt(Qt::Key_PageUp, false);
  esvazia();
  EXPECT_EQ(filho<QLineEdit>("DeCpfCnpjBenef")->text(), pagina->Logica()->Linha().GetBeneficiario().GetNiFormatado());
  EXPECT_EQ(pagina->Logica()->Linha().GetBeneficiario().GetNiDigitos(), Cpf(1));
  EXPECT_EQ(codigo()->currentText(), "0561");
  EXPECT_EQ(pagina->GradeTributaveis()->Modelo().index(0, 1).data().toString(), "1.500,25");
  EXPECT_EQ(pagina->Contador(), "1/1");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PaginaLinhas, ARefusedCodeKeepsTheFocusAndStoresNothing) {
  Abre();
  identifica(Cpf(2), "JOAO", "1708");
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(67, QStringLiteral("1708")));
  EXPECT_TRUE(codigo()->isAncestorOf(focado()) || focado() == codigo()) << focado()->objectName().toStdString();
  EXPECT_TRUE(pagina->Logica()->Linha().GetCodigoRetencao().GetCodigo().isEmpty());
  EXPECT_EQ(Linhas(), 0);
  // With an amount keyed, the page is not left and nothing goes to the database.
  pagina->Logica()->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(2).SetValorMonetario(Valor::deCentavos(100));
  m_caixa.limpa();
  codigo()->lineEdit()->selectAll();
  QTest::keyClicks(codigo()->lineEdit(), QStringLiteral("1708"));
  EXPECT_FALSE(pagina->PodeSair());
  EXPECT_FALSE(m_caixa.chamadas().empty());
  EXPECT_EQ(Linhas(), 0);
}

TEST_F(PaginaLinhas, ACompanysLineShowsNoDeductionsNoThirteenthAndNoIllness) {
  Guarda(QStringLiteral("11222333000181"), "1708", 990000);
  Abre();
  pagina->BbFirstClick();
  esvazia();
  EXPECT_EQ(pagina->Contador(), "1/1");
  EXPECT_FALSE(pagina->GradeTributaveis()->DecimoTerceiro());
  EXPECT_FALSE(pagina->GradeTributaveis()->DeducaoPO());
  EXPECT_FALSE(filho("pnlMolestia")->isVisible());
  EXPECT_EQ(filho<QLineEdit>("DeNomeBenef")->text(), "BENEFICIARIO GUARDADO");
  EXPECT_EQ(pagina->SubPagina(), 0);
  EXPECT_TRUE(pagina->Titulo().endsWith(QStringLiteral("Rendimentos tributáveis")));
  // The exempt node of a code that admits no exempt income shows the collapsed sub-page.
  NoCorrente = 204;
  pagina->MostraFicha(204);
  EXPECT_EQ(pagina->SubPagina(), 3);
  EXPECT_FALSE(filho("PCTolvItem")->isVisible());
  // Browsing brings the taxable sub-page back.
  pagina->BbFirstClick();
  EXPECT_EQ(pagina->SubPagina(), 0);
  EXPECT_EQ(NoCorrente, 201);
  EXPECT_TRUE(filho("PCTolvItem")->isVisible());
}

TEST_F(PaginaLinhas, AStoredLineChangedIntoADuplicateKeepsTheUserOnThePage) {
  Guarda(Cpf(3), "0561", 100000);
  Guarda(Cpf(3), "0588", 200000);
  Abre();
  pagina->BbLastClick();
  esvazia();
  ASSERT_EQ(codigo()->currentText(), "0588");
  m_caixa.responde(ResultadoMensagem::Sim);
  digita(codigo()->lineEdit(), QStringLiteral("0561"));
  EXPECT_FALSE(pagina->PodeSair());
  ASSERT_FALSE(m_caixa.chamadas().empty());
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(QStringLiteral("Alteração não pode ser efetuada")));
  // Asked again by the same action (the main window, then the container): said once.
  const size_t ditas = m_caixa.chamadas().size();
  EXPECT_FALSE(pagina->PodeSair());
  EXPECT_EQ(m_caixa.chamadas().size(), ditas);
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TOLV_ITENS WHERE TRIB_TRIBU = '0588'"), "1");
  EXPECT_EQ(codigo()->currentText(), "0561");
  EXPECT_TRUE(pagina->Logica()->LinhaModificada());
}

TEST_F(PaginaLinhas, ThePageContainerShowsItForTheTreesNodesAndAsksItBeforeLeaving) {
  Guarda(Cpf(4), "0561", 100000);
  QWidget principal;
  principal.resize(700, 720);
  auto* layout = new QVBoxLayout(&principal);
  auto* fora = new QLineEdit(&principal);
  layout->addWidget(fora);
  TFrDeclaracao conteiner(&principal);
  layout->addWidget(&conteiner);
  conteiner.RegistraPagina(TFrDeclaracao::BeneficiariosTolv,
                           [](QWidget* pai) { return new TFrBeneficiarios(TFrBeneficiarios::Modo::Declarante, pai); });
  conteiner.SetDeclaracao(&m_tolv);
  conteiner.AbrePaginas({}, &principal);
  conteiner.setEnabled(true);
  conteiner.PgDeclaracao()->setEnabled(true);
  ASSERT_TRUE(AtivaJanela(&principal));
  auto* p = qobject_cast<TFrBeneficiarios*>(conteiner.PaginaDe(TFrDeclaracao::BeneficiariosTolv));
  ASSERT_NE(p, nullptr);
  ASSERT_NE(p->Logica(), nullptr);
  conteiner.MostraPagina(201);
  EXPECT_EQ(conteiner.PaginaAtual(), TFrDeclaracao::BeneficiariosTolv);
  p->BbFirstClick();
  // An amount keyed over a refused code: the header node does not take the user away.
  p->Logica()->Linha().GetTributaveis().GetSerie(R::kRendimento).Mes(4).SetValorMonetario(Valor::deCentavos(4400));
  p->findChild<QComboBox*>(QStringLiteral("DblcCodRet"))->setEditText(QStringLiteral("1708"));
  m_caixa.responde(ResultadoMensagem::Sim);
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), TFrDeclaracao::BeneficiariosTolv);
  EXPECT_FALSE(m_caixa.chamadas().empty());
  esvazia();
  // Put right, the line is stored on the way out.
  p->findChild<QComboBox*>(QStringLiteral("DblcCodRet"))->setEditText(QStringLiteral("0561"));
  conteiner.MostraPagina(101);
  EXPECT_EQ(conteiner.PaginaAtual(), TFrDeclaracao::Informacoes);
  EXPECT_EQ(Le("SELECT CAST(VL_RENDIME_ABR * 100 AS BIGINT) FROM TOLV_ITENS"), "4400");
  conteiner.FechaPaginas();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(PaginaLinhas, NaoToTheCodeChangePutsTheOldCodeBackInTheBox) {
  Guarda(Cpf(5), "0561", 100000);
  Abre();
  pagina->BbFirstClick();
  esvazia();
  ASSERT_EQ(codigo()->currentText(), "0561");
  // A person's line to a code that admits fewer deductions: message 243, answered "Não".
  m_caixa.responde(ResultadoMensagem::Nao);
  digita(codigo()->lineEdit(), QStringLiteral("3208"));
  tab();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::TextoMensagem(243));
  EXPECT_EQ(codigo()->currentText(), "0561");
  EXPECT_EQ(filho<QLineEdit>("edtCdDescricao")->text(), "Rendimentos do trabalho assalariado");
  EXPECT_EQ(pagina->Logica()->Linha().GetCodigoRetencao().GetCodigo(), "0561");
  EXPECT_TRUE(codigo()->isAncestorOf(focado()) || focado() == codigo()) << focado()->objectName().toStdString();
  // Leaving keeps the line under its code.
  saiParaArvore();
  EXPECT_EQ(Le("SELECT TRIB_TRIBU FROM TOLV_ITENS"), "0561");
}

// The illness of a line whose code admits none goes when the line is shown, as unticking the
// box would: amounts, report date and indicator, stored at once. A code that admits it keeps it.
TEST_F(PaginaLinhas, ARedrawThatClearsTheIllnessBoxDropsTheLinesIllness) {
  Guarda(Cpf(6), "0561", 100000);
  Guarda(Cpf(7), "0588", 100000);
  m_pasta.roda(kBanco, QStringLiteral("UPDATE TOLV_ITENS SET IN_MOLESTIA = 'S', VL_MOLESTIA_JAN = 50, "
                                      "DATA_LAUDO = '2013-04-01'"));
  const auto doente = [this](int i) {
    const QString base = Cpf(i).left(9);
    return Le(QStringLiteral("SELECT IN_MOLESTIA || '|' || CAST(VL_MOLESTIA_JAN AS INTEGER) || '|' || "
                             "CAST(DATA_LAUDO AS VARCHAR(10)) FROM TOLV_ITENS WHERE E_NR_PF_PJ = '%1'")
                  .arg(base)
                  .toLatin1()
                  .constData());
  };
  Abre();
  pagina->BbFirstClick();
  esvazia();
  EXPECT_TRUE(filho<QCheckBox>("chkMolestia")->isChecked());
  EXPECT_EQ(doente(6), "S|50|2013-04-01");
  pagina->BbNextClick();
  esvazia();
  EXPECT_FALSE(filho("pnlMolestia")->isVisible());
  EXPECT_FALSE(filho<QCheckBox>("chkMolestia")->isChecked());
  EXPECT_EQ(doente(7), "N|0|1899-12-30");
  EXPECT_EQ(pagina->Logica()->Linha().GetInMolestia().GetValor(), "N");
  EXPECT_EQ(doente(6), "S|50|2013-04-01");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PaginaLinhas, AFullBeneficiaryNumberMovesOnByItself) {
  Abre();
  digita(filho("DeCpfCnpjBenef"), QStringLiteral("11144477735"));
  esvazia();
  EXPECT_EQ(focado(), filho("DeCpfCnpjBenef"));
  digita(filho("DeCpfCnpjBenef"), QStringLiteral("11222333000181"));
  esvazia();
  EXPECT_EQ(focado(), filho("DeNomeBenef"));
  EXPECT_EQ(pagina->Logica()->Linha().GetBeneficiario().GetNiDigitos(), "11222333000181");
}

TEST_F(PaginaLinhas, DeletingTheOwnersLastLineHidesTheIncomeStatementsNodes) {
  Guarda(Cpf(8), "0561", 100000);
  Guarda(Cpf(9), "0561", 100000);
  TTzuqTree arvoreDeclaracao;
  TTzuqTree::Registra(&arvoreDeclaracao);
  arvoreDeclaracao.setMostraCompRendimentosTributaveis(true);
  arvoreDeclaracao.setMostraCompNaturezaRendimento(true);
  Abre();
  pagina->BbFirstClick();
  m_caixa.responde(ResultadoMensagem::Sim);
  pagina->BbDeleteClick();
  EXPECT_EQ(Linhas(), 1);
  EXPECT_TRUE(arvoreDeclaracao.mostraCompRendimentosTributaveis());
  pagina->BbFirstClick();
  m_caixa.responde(ResultadoMensagem::Sim);
  pagina->BbDeleteClick();
  EXPECT_EQ(Linhas(), 0);
  EXPECT_FALSE(arvoreDeclaracao.mostraCompRendimentosTributaveis());
  EXPECT_FALSE(arvoreDeclaracao.mostraCompNaturezaRendimento());
  TTzuqTree::Registra(nullptr);
}

TEST_F(PaginaLinhas, ACodeChosenInTheListIsAppliedAtOnce) {
  Abre();
  digita(filho("DeCpfCnpjBenef"), Cpf(10));
  tab();
  digita(filho("DeNomeBenef"), QStringLiteral("JOANA"));
  tab();
  ASSERT_TRUE(codigo()->isAncestorOf(focado()) || focado() == codigo());
  codigo()->showPopup();
  esvazia();
  QAbstractItemView* lista = codigo()->view();
  const int linha = codigo()->findText(QStringLiteral("0561"));
  ASSERT_GE(linha, 0);
  lista->setCurrentIndex(codigo()->model()->index(linha, 0));
  QTest::keyClick(lista, Qt::Key_Return);
  esvazia();
  EXPECT_EQ(pagina->Logica()->Linha().GetCodigoRetencao().GetCodigo(), "0561");
  EXPECT_EQ(filho<QLineEdit>("edtCdDescricao")->text(), "Rendimentos do trabalho assalariado");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

}  // namespace
