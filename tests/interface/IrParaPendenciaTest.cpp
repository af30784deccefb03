// From a finding or a search hit to its field, through the main window with its real lines
// pages: the window comes to the front (never minimized), on the page, annex and line named, with
// the section's field focused and the tree's highlight on a node of that page.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "EmpresaNaJanela.h"
#include "PaginaFalsa.h"
#include "controles/IServicosVerificacao.h"
#include "controles/TErroEdit.h"
#include "controles/TVerificacaoEmCurso.h"
#include "interface/IndicePrincipal.h"
#include "interface/InicioFalso.h"
#include "interface/TFrBeneficiarios.h"
#include "interface/TFrDeclaracao.h"
#include "interface/TTolv2014.h"
#include "interface/TTzuqTree.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "nucleo/TTolvItem.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/GuardaPrograma.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/PastaProgramaTemp.h"

namespace {

using P = TFrDeclaracao;

const QString kCnpj = QStringLiteral("11444777000161");
const QString kArquivo = QStringLiteral("TOLV2014114447770001612013.FDB");

// Lines of the declarant (20, 21), of the fund 2 (12) and of the federal process 4 (10).
const char* const kDados = R"(
INSERT INTO FONTES VALUES (2, '2', '123456780001', 'FUNDO ALFA', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (3, '2', '112223330001', 'CLUBE BETA', 0, NULL, NULL, NULL, '0');
INSERT INTO FONTES VALUES (4, '2', '00012345620135010001', 'PROCESSO FEDERAL', 1, '2', '987654320001', 'ESCRITORIO GAMA', '1');
ALTER SEQUENCE GEN_FONTE_DK RESTART WITH 4;
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (20, 1, '0561', '1', '111444777', 'FULANO DE TAL', 1000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_JAN)
  VALUES (21, 1, '0588', '1', '529982247', 'BELTRANO DA SILVA', 2000);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_MAR)
  VALUES (12, 2, '6800', '1', '111444777', 'FULANO DE TAL', 500);
INSERT INTO TOLV_ITENS (TOLV_ITEM_DK, E_FONTE_DK, TRIB_TRIBU, E_IN_PF_PJ, E_NR_PF_PJ, NM_NM_EMPR, VL_RENDIME_FEV)
  VALUES (10, 4, '5928', '1', '111444777', 'FULANO DE TAL', 700);
UPDATE RESUMOS SET OK = 0;
)";

// The main window with the three lines pages of the program and fake pages elsewhere, on a
// company declaration of 2013 that administers funds and pays by court order; beside it, a
// window of its own that stands for the pendency window (a tool window of the main one).
class IrParaPendencia : public testing::Test {
 protected:
  std::unique_ptr<GuardaPrograma> m_guarda;
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    FalhaBanco = FalhaBancoIndice = false;
    TErroEdit::RetiraErro();
    m_guarda = std::make_unique<GuardaPrograma>();
    PassosPrincipal passos;
    indice.Conecta(passos);
    passos.registraPaginas = [this](TFrDeclaracao& conteiner) {
      RegistraPaginasFalsas(conteiner, diario);
      conteiner.RegistraPagina(P::BeneficiariosTolv,
                               [](QWidget* pai) { return new TFrBeneficiarios(TFrBeneficiarios::Modo::Declarante, pai); });
      conteiner.RegistraPagina(P::Fundos,
                               [](QWidget* pai) { return new TFrBeneficiarios(TFrBeneficiarios::Modo::Fundo, pai); });
      conteiner.RegistraPagina(P::Advogado,
                               [](QWidget* pai) { return new TFrBeneficiarios(TFrBeneficiarios::Modo::Processo, pai); });
    };
    janela = std::make_unique<TTolv2014>(ambiente, passos);
    janela->resize(1100, 760);
    ASSERT_TRUE(AtivaJanela(janela.get()));
    janela->setEnabled(true);

    empresa_na_janela::CriaEmpresa(*janela, kCnpj, {true, true});
    pasta.roda(kArquivo, QString::fromLatin1(kDados));
    empresa_na_janela::CarregaEmpresa(*janela, kCnpj);
    ASSERT_TRUE(janela->AbrirDeclaracao());

    pendencias = new QWidget(janela.get(), Qt::Tool);
    pendencias->resize(300, 200);
    ASSERT_TRUE(AtivaJanela(pendencias));
  }
  void TearDown() override {
    TVerificacaoEmCurso::instancia().DefinePedidoFechamento({});
    janela.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    indice.FecharColecoes();
    TColecao::FechaConexoes();
    m_guarda.reset();
    FalhaBanco = FalhaBancoIndice = false;
  }

  // As the pendency window asks: through the main window's services.
  void vai(const char* dono, const char* objeto, int secao) {
    IServicosVerificacao* servicos = ServicosVerificacao::Atuais();
    ASSERT_NE(servicos, nullptr);
    servicos->IrParaPendencia(QString::fromLatin1(dono), QString::fromLatin1(objeto), secao);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }
  TFrBeneficiarios* linhas(P::Pagina p) const {
    return qobject_cast<TFrBeneficiarios*>(janela->FrDeclaracao()->PaginaDe(p));
  }
  // The control that holds the main window's focus, by the name of the page's control (an
  // editable box's own line edit counts as the box).
  QString focado() const {
    QWidget* w = janela->focusWidget();
    if (w && !w->objectName().isEmpty() && qobject_cast<QComboBox*>(w->parentWidget()) == nullptr)
      return w->objectName();
    return w && w->parentWidget() ? w->parentWidget()->objectName() : QString();
  }

  PastaProgramaTemp pasta{true};
  CaixaMensagemFalsa caixa;
  AmbienteFalso ambiente;
  QStringList diario;
  IndicePrincipal indice;
  std::unique_ptr<TTolv2014> janela;
  QWidget* pendencias = nullptr;
};

struct CasoIda {
  const char* dono;
  const char* objeto;
  int secao;
  P::Pagina pagina;
  const char* campo;      // the control focused; "" when the section names none
  int no;                 // the tree's highlighted node
  const char* numero;     // the beneficiary shown, "" for none checked
};

void PrintTo(const CasoIda& c, std::ostream* os) { *os << c.dono << ' ' << c.objeto << ' ' << c.secao; }

class IdaAoCampo : public IrParaPendencia, public testing::WithParamInterface<CasoIda> {};

TEST_P(IdaAoCampo, TheMainWindowComesToTheFrontOnTheFieldOfTheSection) {
  const CasoIda& c = GetParam();
  vai(c.dono, c.objeto, c.secao);
  EXPECT_TRUE(caixa.chamadas().empty()) << caixa.ultima().texto.toStdString();
  EXPECT_FALSE(janela->isMinimized());
  EXPECT_EQ(QApplication::activeWindow(), janela.get());
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), c.pagina);
  if (*c.campo) {
    EXPECT_EQ(focado(), QString::fromLatin1(c.campo));
  }
  ASSERT_TRUE(janela->tzuqtrArvore()->CodigoSelecionado().has_value());
  EXPECT_EQ(*janela->tzuqtrArvore()->CodigoSelecionado(), c.no);
  EXPECT_EQ(NoCorrente, c.no);
  if (*c.numero) {
    TFrBeneficiarios* pagina = linhas(c.pagina);
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(pagina->Logica()->Linha().GetBeneficiario().GetNiDigitos().left(9), QString::fromLatin1(c.numero));
    EXPECT_EQ(pagina->Logica()->Linha().GetTolvItemDK(), QString::fromLatin1(c.objeto));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Secoes, IdaAoCampo,
    testing::Values(
        // The declarant's lines: the code, the number, the name, the grids of the sub-pages.
        CasoIda{"1", "21", 22, P::BeneficiariosTolv, "DblcCodRet", 201, "529982247"},
        CasoIda{"1", "21", 23, P::BeneficiariosTolv, "DeCpfCnpjBenef", 201, "529982247"},
        CasoIda{"1", "20", 24, P::BeneficiariosTolv, "DeNomeBenef", 201, "111444777"},
        CasoIda{"1", "20", 25, P::BeneficiariosTolv, "DgrRendimentosDeducoes", 201, "111444777"},
        CasoIda{"1", "20", 26, P::BeneficiariosTolv, "DgcCompensacao", 202, "111444777"},
        // A fund's line and the fund's own fields.
        CasoIda{"2", "12", 30, P::Fundos, "DblcCodRet", 301, "111444777"},
        CasoIda{"2", "12", 31, P::Fundos, "DeCpfCnpjBenef", 301, "111444777"},
        CasoIda{"2", "2", 28, P::Fundos, "DeCnpjFundo", 300, ""},
        CasoIda{"2", "2", 29, P::Fundos, "DeNomeFundo", 300, ""},
        // A process's line: its code is the court's, and its box leads on to the amounts.
        CasoIda{"4", "10", 38, P::Advogado, "DgrRendimentosDeducoes", 401, "111444777"},
        CasoIda{"4", "10", 30, P::Advogado, "DgrRendimentosDeducoes", 401, "111444777"},
        CasoIda{"4", "10", 39, P::Advogado, "DeCpfCnpjBenef", 401, "111444777"},
        CasoIda{"4", "0", 36, P::Advogado, "DeCpfCnpjAdv", 400, ""},
        // The header names no field.
        CasoIda{"1", "0", 12, P::Informacoes, "", 101, ""}));

TEST_F(IrParaPendencia, AMinimizedMainWindowComesBackAsItWas) {
  janela->showMaximized();
  janela->showMinimized();
  QCoreApplication::processEvents();
  vai("1", "20", 23);
  EXPECT_FALSE(janela->isMinimized());
  EXPECT_TRUE(janela->isMaximized());
  EXPECT_EQ(QApplication::activeWindow(), janela.get());
  EXPECT_EQ(focado(), "DeCpfCnpjBenef");
}

// A search hit: the search window is modal and stays in front; the page behind is positioned and
// its field takes the focus as soon as the main window is active again.
TEST_F(IrParaPendencia, BehindTheModalSearchThePageIsPositionedAndItsFieldWaits) {
  QDialog pesquisa(janela.get());
  pesquisa.setModal(true);
  pesquisa.resize(200, 100);
  pesquisa.open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeModalWidget() == &pesquisa; }));
  vai("1", "0", 0);
  vai("1", "21", 22);
  EXPECT_EQ(QApplication::activeModalWidget(), &pesquisa);
  EXPECT_EQ(janela->FrDeclaracao()->PaginaAtual(), P::BeneficiariosTolv);
  EXPECT_EQ(linhas(P::BeneficiariosTolv)->Logica()->Linha().GetTolvItemDK(), "21");
  EXPECT_EQ(focado(), "DblcCodRet");
  pesquisa.close();
  ASSERT_TRUE(AtivaJanela(janela.get()));
  QWidget* foco = QApplication::focusWidget();
  ASSERT_NE(foco, nullptr);
  EXPECT_TRUE(foco->objectName() == "DblcCodRet" || foco->parentWidget()->objectName() == "DblcCodRet");
}

}  // namespace
