#include <gtest/gtest.h>

#include "PercursoTabulacao.h"
#include "PlanoSaudeEditorTeste.h"
#include "controles/TTolvCustomInplaceEdit.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/TTitularesOperadora.h"
#include "secoes/TzuqPlanoSaude.h"
#include "secoes/TzuqTitularPlanoSaude.h"

namespace {

using plano_saude_teste::ComEditor;
using plano_saude_teste::Cnpj;
using plano_saude_teste::Cpf;

class PlanoSaudeEditor : public ComEditor {
 protected:
  // Types a cell of the current row and moves to the next cell.
  void Celula(TGradeDependentes& grade, int coluna, const QString& texto) {
    grade.VaiPara(grade.LinhaAtual(), coluna);
    QTest::keyClicks(&grade, texto);
    QTest::keyClick(grade.Editor(), Qt::Key_Return);
    Espera();
  }
};

TEST_F(PlanoSaudeEditor, AnOperatorTypedIsStoredWhenTheFocusLeavesItsPanel) {
  Abre();
  EXPECT_EQ(Contador("lblContadorOperadora"), "1/1");
  Digita(E("edtCNPJOperadora"), QStringLiteral("11222333000181"));
  Digita(E("edtRegistroANS"), QStringLiteral("123455"));
  Digita(E("edtNomeOperadora"), QStringLiteral("SAUDE BOA LTDA"));
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 0);
  Foca(E("edtCPFTitular"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Le(QStringLiteral("SELECT TPO_NR_PF_PJ || '|' || TPO_REGISTRO_ANS FROM TB_PS_OPERADORA")), "112223330001|123455");
  EXPECT_GT(m_pagina->Operadora().GetId(), 0);
  EXPECT_EQ(E("edtRegistroANS")->text(), "12345-5");
  EXPECT_EQ(Contador("lblContadorOperadora"), "1/1");
  EXPECT_EQ(Focado(), E("edtCPFTitular"));
  // Leaving again without a change stores the same row.
  Foca(E("edtNomeOperadora"));
  Foca(m_fora);
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 1);
}

struct CasoOperadora {
  const char* nome;
  const char* cnpj;
  const char* registro;
  const char* empresa;
  int codigo;
  const char* argumento;
  const char* foco;
  // The page refused it (a value that the bound edit refuses is the edit's own to report).
  bool pagina;
};

class OperadoraRecusada : public PlanoSaudeEditor, public testing::WithParamInterface<CasoOperadora> {};

// The refusal is shown once, the field at fault keeps the focus, nothing is stored and the
// main window learns that an entry is invalid.
TEST_P(OperadoraRecusada, ShowsItsMessageOnceAndKeepsTheFocus) {
  const CasoOperadora& c = GetParam();
  Abre();
  if (*c.cnpj) Digita(E("edtCNPJOperadora"), QString::fromLatin1(c.cnpj));
  if (*c.empresa) Digita(E("edtNomeOperadora"), QString::fromLatin1(c.empresa));
  if (*c.registro) Digita(E("edtRegistroANS"), QString::fromLatin1(c.registro));
  Foca(m_fora);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(c.codigo, QString::fromLatin1(c.argumento)));
  EXPECT_EQ(Focado(), E(c.foco));
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 0);
  EXPECT_EQ(m_invalida, c.pagina);
  EXPECT_EQ(TErroEdit::RetiraErro(), c.codigo);
  // Left alone, nothing more is said.
  Espera();
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Saidas, OperadoraRecusada,
    testing::Values(CasoOperadora{"SoNome", "", "", "SAUDE BOA", 39, "", "edtCNPJOperadora", true},
                    CasoOperadora{"SemRegistro", "11222333000181", "", "SAUDE BOA", 245, "", "edtRegistroANS", true},
                    CasoOperadora{"SemNome", "11222333000181", "123455", "", 244, "", "edtNomeOperadora", true},
                    CasoOperadora{"RegistroErrado", "11222333000181", "123456", "SAUDE BOA", 253, "123456",
                                  "edtRegistroANS", false}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(PlanoSaudeEditor, UndoWithTheRegistryStillEmptyNeitherAsksNorStores) {
  Abre();
  Digita(E("edtCNPJOperadora"), QStringLiteral("11222333000181"));
  Digita(E("edtNomeOperadora"), QStringLiteral("SAUDE BOA LTDA"));
  Clica(W("btnDesfazOperadora"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 0);
  EXPECT_EQ(E("edtCNPJOperadora")->text(), "");
  EXPECT_EQ(Focado(), E("edtCNPJOperadora"));
}

TEST_F(PlanoSaudeEditor, ACnpjOfAnotherOperatorMovesThePageToIt) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  Clica(W("btnIncluiOperadora"));
  EXPECT_EQ(Contador("lblContadorOperadora"), "3/3");
  Digita(E("edtCNPJOperadora"), QStringLiteral("33444555000191").left(12) + TCnpj::CalculaDVCnpj("334445550001"));
  Foca(E("edtNomeOperadora"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(p.Operadora().GetId(), m_op2);
  EXPECT_EQ(E("edtNomeOperadora")->text(), "VIDA PLENA SA");
  EXPECT_EQ(Focado(), E("edtRegistroANS"));
}

TEST_F(PlanoSaudeEditor, CountersAndButtonsFollowTheMoves) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  // The list ends reversed, on its last row: the first operator stored.
  EXPECT_EQ(p.Operadora().GetId(), m_op1);
  EXPECT_EQ(Contador("lblContadorOperadora"), "2/2");
  EXPECT_FALSE(W("btnProximoOperadoraAtivo")->isEnabled());
  EXPECT_TRUE(W("btnAnteriorOperadoraAtivo")->isEnabled());
  // The holders: the shown holder is new until one is chosen.
  EXPECT_EQ(Contador("lblContadorTitular"), "3/3");
  EXPECT_FALSE(W("btnUltimoTitularAtivo")->isEnabled());
  Clica(W("btnAnteriorTitularAtivo"));
  EXPECT_EQ(Contador("lblContadorTitular"), "2/2");
  EXPECT_EQ(p.Titular().GetId(), m_bruno);  // the smallest CPF comes last
  EXPECT_EQ(Contador("lblContadorDependente"), "1/1");
  EXPECT_FALSE(W("btnExcluiDependenteAtivo")->isEnabled());
  EXPECT_EQ(W<QLineEdit>("edtTotalPago")->text(), "2.000,00");
  Clica(W("btnAnteriorTitularAtivo"));
  EXPECT_EQ(p.Titular().GetId(), m_ana);
  EXPECT_EQ(Contador("lblContadorTitular"), "1/2");
  EXPECT_FALSE(W("btnPrimeiroTitularAtivo")->isEnabled());
  EXPECT_EQ(Contador("lblContadorDependente"), "1/2");
  EXPECT_EQ(W<QLineEdit>("edtTotalPago")->text(), "1.450,25");
  Clica(W("btnAnteriorOperadoraAtivo"));
  EXPECT_EQ(p.Operadora().GetId(), m_op2);
  EXPECT_EQ(Contador("lblContadorOperadora"), "1/2");
  EXPECT_EQ(Contador("lblContadorTitular"), "1/1");
  EXPECT_FALSE(W("btnPesquisaTitular")->isEnabled());
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PlanoSaudeEditor, AHolderAndItsDependantsAreTypedAndStored) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  Clica(W("btnPrimeiroOperadoraAtivo"));  // the operator without holders
  ASSERT_EQ(p.Operadora().GetId(), m_op2);
  // Entering the dependants before a holder is stored goes back to the holder's CPF.
  Foca(&p.Grade());
  EXPECT_EQ(Focado(), E("edtCPFTitular"));
  Digita(E("edtCPFTitular"), Cpf("987654321"));
  Digita(E("edtNomeTitular"), QStringLiteral("ELISA MOURA"));
  Digita(E("edtTitularValor"), QStringLiteral("800"));
  EXPECT_FALSE(W("btnIncluiDependente")->isEnabled());
  Foca(&p.Grade());
  EXPECT_EQ(Focado(), &p.Grade());
  Clica(W("btnIncluiDependente"));
  ASSERT_GT(p.Titular().GetId(), 0);
  EXPECT_EQ(Contador("lblContadorTitular"), "1/1");
  EXPECT_EQ(Contador("lblContadorDependente"), "1/1");
  TGradeDependentes& g = p.Grade();
  EXPECT_EQ(g.Dependentes().Quantidade(), 1);
  EXPECT_TRUE(g.Dependentes().Inserindo());
  EXPECT_EQ(m_no, 801);
  Celula(g, TModeloDependentes::ColCpf, Cpf("123456789"));
  Celula(g, TModeloDependentes::ColNome, QStringLiteral("FABIO MOURA"));
  Celula(g, TModeloDependentes::ColDtNascimento, QStringLiteral("150310"));
  Celula(g, TModeloDependentes::ColRelacao, QStringLiteral("04"));
  Celula(g, TModeloDependentes::ColValor, QStringLiteral("200,5"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  // Leaving the panel stores the row.
  Foca(E("edtCNPJOperadora"));
  EXPECT_EQ(Le(QStringLiteral("SELECT TPD_NR_PF_PJ || '|' || TPD_DT_NASC || '|' || TPD_TPRD_CD || '|' || TPD_VL_PAGO "
                              "FROM TB_PS_DEPENDENTE WHERE TPD_TPT_ID = ") +
               QString::number(p.Titular().GetId())),
            "123456789|20100315|04|200.5000");
  ASSERT_EQ(g.Dependentes().Quantidade(), 1);
  EXPECT_GT(g.Dependentes().Linha(0).id, 0);
  EXPECT_EQ(g.Dependentes().Linha(0).relacao, "04 - Filho(a)");
  EXPECT_EQ(g.Dependentes().Linha(0).dtNascimento, "15/03/2010");
  EXPECT_EQ(W<QLineEdit>("edtTotalPago")->text(), "1.000,50");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PlanoSaudeEditor, ARefusedDependantCellKeepsTheFocusAndAnEmptyAmountIsNotStored) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  ASSERT_TRUE((p.Posicionar(QString::number(m_ana), QStringLiteral("55"), QStringLiteral("cpf")), true));
  ASSERT_EQ(p.Titular().GetId(), m_ana);
  Clica(W("btnIncluiDependente"));
  TGradeDependentes& g = p.Grade();
  // The holder's own CPF.
  g.VaiPara(g.LinhaAtual(), TModeloDependentes::ColCpf);
  QTest::keyClicks(&g, QStringLiteral("52998224725"));
  QTest::keyClick(g.Editor(), Qt::Key_Return);
  Espera();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(252, QStringLiteral("529.982.247-25")));
  EXPECT_EQ(Focado(), g.Editor());
  EXPECT_EQ(g.Col(), TModeloDependentes::ColCpf);
  EXPECT_TRUE(m_invalida);
  // Given up with Esc, a name without amount is refused when the panel is left.
  QTest::keyClick(g.Editor(), Qt::Key_Escape);
  Celula(g, TModeloDependentes::ColNome, QStringLiteral("GABI SOUZA"));
  m_caixa.limpa();
  Foca(m_fora);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(256, QStringLiteral("GABI SOUZA")));
  EXPECT_EQ(g.Col(), TModeloDependentes::ColValor);
  EXPECT_TRUE(g.isAncestorOf(Focado()) || Focado() == &g);
  EXPECT_EQ(Conta("TB_PS_DEPENDENTE"), 2);
}

TEST_F(PlanoSaudeEditor, AHolderWhoseCpfIsADependantsIsRefused) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  p.Posicionar(QString::number(m_ana), QStringLiteral("55"), QStringLiteral("cpf"));
  E("edtCPFTitular")->selectAll();
  QTest::keyClicks(E("edtCPFTitular"), QStringLiteral("12345678909"));
  Foca(E("edtNomeTitular"));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(259, QStringLiteral("123.456.789-09")));
  EXPECT_EQ(Focado(), E("edtCPFTitular"));
}

// Stored rows whose number or name breaks a rule are findings of the verification: the page
// shows them as stored.
TEST_F(PlanoSaudeEditor, StoredRowsBreakingRulesStillLoad) {
  Semeia();
  Roda(QStringLiteral("UPDATE BENEFICIARIOS SET NM_NM_EMPR = 'J@O 2' WHERE NR_PF_PJ = '111444777'"));
  Roda(QStringLiteral("UPDATE TB_PS_TITULAR SET TPT_NR_PF_PJ = '000000000' WHERE TPT_ID = ") + QString::number(m_ana));
  Roda(QStringLiteral("UPDATE TB_PS_DEPENDENTE SET TPD_NOME = '#' WHERE TPD_NR_PF_PJ IS NULL"));
  TfrmPlanoSaude& p = Abre();
  p.Posicionar(QString::number(m_ana), QStringLiteral("55"), QStringLiteral("cpf"));
  EXPECT_EQ(p.Titular().GetId(), m_ana);
  EXPECT_EQ(p.Titular().GetContribuinte().GetNiDigitos(), "00000000000");
  EXPECT_EQ(p.Grade().Dependentes().Quantidade(), 2);
  p.Posicionar(QString::number(m_bruno), QStringLiteral("55"), QStringLiteral("nome"));
  EXPECT_EQ(p.Titular().GetId(), m_bruno);
  EXPECT_EQ(E("edtNomeTitular")->text(), "J@O 2");
  EXPECT_TRUE(m_caixa.chamadas().empty());
}

TEST_F(PlanoSaudeEditor, AGoToStoresWhatThePanelHoldsOrStaysWhenItIsRefused) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  Clica(W("btnIncluiOperadora"));
  Digita(E("edtCNPJOperadora"), Cnpj("556667770001"));
  Digita(E("edtRegistroANS"), QStringLiteral("000060"));
  Digita(E("edtNomeOperadora"), QStringLiteral("NOVA SAUDE"));
  // Still in the name edit: its text is not in the record yet.
  p.Posicionar(QString::number(m_op2), QStringLiteral("54"), QStringLiteral("nome"));
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 3);
  EXPECT_EQ(p.Operadora().GetId(), m_op2);
  EXPECT_EQ(Focado(), E("edtNomeOperadora"));

  Clica(W("btnIncluiOperadora"));
  Digita(E("edtCNPJOperadora"), Cnpj("667778880001"));
  Digita(E("edtNomeOperadora"), QStringLiteral("SEM REGISTRO"));
  m_caixa.limpa();
  p.Posicionar(QString::number(m_op1), QStringLiteral("54"), QStringLiteral("cnpj"));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(245, {}));
  EXPECT_EQ(p.Operadora().GetId(), 0);
  EXPECT_EQ(E("edtNomeOperadora")->text(), "SEM REGISTRO");
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 3);
}

TEST_F(PlanoSaudeEditor, GoingToADependantLeavesTheGridOnItsColumn) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  p.Posicionar(QString::number(m_carla), QStringLiteral("56"), QStringLiteral("relacao_dependencia"));
  EXPECT_EQ(p.Operadora().GetId(), m_op1);
  EXPECT_EQ(p.Titular().GetId(), m_ana);
  TGradeDependentes& g = p.Grade();
  ASSERT_GE(g.LinhaAtual(), 0);
  EXPECT_EQ(g.Dependentes().Linha(g.LinhaAtual()).id, m_carla);
  EXPECT_EQ(g.Col(), TModeloDependentes::ColRelacao);
}

TEST_F(PlanoSaudeEditor, DeletingTheOnlyOperatorLeavesAnEmptyPage) {
  Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_OPERADORA('2', '112223330001', '123455', 'SAUDE BOA LTDA')"));
  TfrmPlanoSaude& p = Abre();
  ASSERT_GT(p.Operadora().GetId(), 0);
  m_caixa.responde(ResultadoMensagem::Sim);
  Clica(W("btnExcluiOperadora"));
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto, TErro::FormataMensagem(246, QStringLiteral(" (CNPJ 11.222.333/0001-81)")));
  EXPECT_EQ(Conta("TB_PS_OPERADORA"), 0);
  EXPECT_EQ(Contador("lblContadorOperadora"), "1/1");
  EXPECT_EQ(E("edtCNPJOperadora")->text(), "");
}

// The holders are read a window at a time, in the editor's order (the largest CPF first).
TEST_F(PlanoSaudeEditor, TheHoldersListReadsWindowsInOrder) {
  Roda(QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_OPERADORA('2', '112223330001', '123455', 'SAUDE BOA LTDA')"));
  const int op = Le(QStringLiteral("SELECT TPO_ID FROM TB_PS_OPERADORA")).toInt();
  {
    bd::Conexao conexao(m_pasta.dados() + u'/' + kBanco);
    conexao.conecta();
    bd::Transacao t(conexao);
    bd::Consulta inclui(t, QStringLiteral("EXECUTE PROCEDURE INCLUI_PS_TITULAR(:OP, '1', :NR, :VL, :NM)"));
    for (int i = 0; i < 600; ++i) {
      inclui.param(QStringLiteral("OP"), op);
      inclui.param(QStringLiteral("NR"), QString::number(300000000 + 7 * i));
      inclui.param(QStringLiteral("VL"), bd::DezMilesimos{int64_t(i) * 10000});
      inclui.param(QStringLiteral("NM"), QStringLiteral("TITULAR %1").arg(i));
      inclui.executa();
    }
    t.commit();
  }
  TTitularesOperadora lista;
  lista.Carrega(op);
  ASSERT_EQ(lista.Quantidade(), 600);
  EXPECT_EQ(lista.Linha(599).nome, "TITULAR 0");
  EXPECT_EQ(lista.Linha(0).nome, "TITULAR 599");
  EXPECT_EQ(lista.Linha(300).nome, "TITULAR 299");
  EXPECT_EQ(lista.Linha(300).cpf, Cpf("300002093"));
  EXPECT_EQ(lista.Linha(300).valor, Valor::deReais(299));
  for (int i = 598; i >= 0; --i) ASSERT_EQ(lista.Linha(i).nome, QStringLiteral("TITULAR %1").arg(599 - i)) << i;
  EXPECT_EQ(lista.Localiza(lista.Linha(123).id), 123);
  EXPECT_EQ(lista.Localiza(999999), -1);
  EXPECT_THROW(lista.Linha(600), std::out_of_range);
}

}  // namespace

namespace {

struct CasoTabulacao {
  const char* nome;
  int estado;  // 0 empty; 1 stored operators, holders and dependants; 2 the same, on a holder
  bool paraTras;
};

class TabulacaoPlanoSaude : public PlanoSaudeEditor, public testing::WithParamInterface<CasoTabulacao> {};

// Every stop of the Tab order, forward and back, on an empty page and on stored data, is a
// control the user sees and can type into.
TEST_P(TabulacaoPlanoSaude, EveryStopIsAVisibleEnabledControl) {
  if (GetParam().estado > 0) Semeia();
  Abre();
  if (GetParam().estado == 2) {
    // The holder with dependants, so that the walk goes through the grid's cells too.
    Clica(W("btnAnteriorTitularAtivo"));
    if (m_pagina->Titular().GetId() != m_ana) Clica(W("btnAnteriorTitularAtivo"));
    ASSERT_EQ(W<TGradeDependentes>("grdDependente")->Dependentes().Quantidade(), 2);
  }
  Foca(E("edtCNPJOperadora"));
  EXPECT_EQ(secoes_teste::ParadasInalcancaveis(m_janela.get(), 40, GetParam().paraTras), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Paginas, TabulacaoPlanoSaude,
                         testing::Values(CasoTabulacao{"Vazia", 0, false}, CasoTabulacao{"VaziaParaTras", 0, true},
                                         CasoTabulacao{"Guardada", 1, false}, CasoTabulacao{"GuardadaParaTras", 1, true},
                                         CasoTabulacao{"NumTitular", 2, false},
                                         CasoTabulacao{"NumTitularParaTras", 2, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The operator typed field after field with Tab, as a user keys it: nothing typed is lost.
TEST_F(PlanoSaudeEditor, AnOperatorKeyedWithTabKeepsEveryField) {
  Abre();
  Foca(E("edtCNPJOperadora"));
  for (const char* texto : {"11222333000181", "123455", "SAUDE BOA LTDA"}) {
    QTest::keyClicks(Focado(), QString::fromLatin1(texto));
    QTest::keyClick(Focado(), Qt::Key_Tab);
    Espera();
  }
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(E("edtRegistroANS")->text(), "12345-5");
  EXPECT_EQ(E("edtNomeOperadora")->text(), "SAUDE BOA LTDA");
  // Tab leaves the fields for the panel's buttons, and the operator is stored on the way out.
  QTest::keyClick(Focado(), Qt::Key_Tab);
  Espera();
  EXPECT_EQ(Le(QStringLiteral("SELECT TPO_REGISTRO_ANS FROM TB_PS_OPERADORA")), "123455");
}

// A click into the holder's amount selects its "0,00": what is typed replaces it.
TEST_F(PlanoSaudeEditor, AnAmountEnteredByAClickTakesWhatIsTyped) {
  Semeia();
  TfrmPlanoSaude& p = Abre();
  Clica(W("btnIncluiTitular"));
  Digita(E("edtCPFTitular"), Cpf("390533447"));
  Digita(E("edtNomeTitular"), QStringLiteral("CLARA NUNES"));
  TTolvEdit* valor = E("edtTitularValor");
  ASSERT_EQ(valor->text(), "0,00");
  QTest::mouseClick(valor, Qt::LeftButton, {}, QPoint(valor->width() - 4, valor->height() / 2));
  Espera();
  ASSERT_EQ(Focado(), valor);
  QTest::keyClicks(valor, QStringLiteral("2400"));
  Foca(m_fora);
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(p.Titular().GetValorPago().GetValorMonetario(), Valor::deTexto(QStringLiteral("2400")));
  EXPECT_EQ(Le(QStringLiteral("SELECT TPT_VL_PAGO FROM TB_PS_TITULAR WHERE TPT_NR_PF_PJ = '390533447'")), "2400");
}

}  // namespace
