#include "secoes/TfrmRra.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "PercursoTabulacao.h"
#include "SecoesTeste.h"
#include "controles/TErroEdit.h"
#include "controles/TTolvButton.h"
#include "controles/TTolvEdit.h"
#include "nucleo/Cpf.h"
#include "secoes/TTolvGridRra.h"
#include "secoes/TzuqRra.h"
#include "secoes/TzuqRraDAO.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

Valor V(const char* texto) { return Valor::deTexto(QString::fromUtf8(texto)); }

QString Cpf(int i) {
  const QString base = QString::number(200000000 + 7 * i);
  return base + TCpf::CalculaDVCpf(base);
}

const QString kMensagemProcesso = QStringLiteral("Número de processo obrigatório");

// The page of one kind in a window of its own, over a company's declaration whose database is a
// fresh copy of the template; beside the page, a control that stands for the tree.
class EditorRra : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    TErroEdit::RetiraErro();
  }
  void TearDown() override {
    janela.reset();
    ComDeclaracaoAberta::TearDown();
  }

  void Abre(uint8_t tipo = 1) {
    janela = std::make_unique<QWidget>();
    janela->resize(720, 660);
    auto* layout = new QVBoxLayout(janela.get());
    arvore = new QLineEdit(janela.get());
    arvore->setObjectName(QStringLiteral("arvore"));
    layout->addWidget(arvore);
    editor = new TfrmRra(tipo, janela.get());
    layout->addWidget(editor, 1);
    editor->Inicializa(m_tolv);
    ASSERT_TRUE(AtivaJanela(janela.get()));
    editor->Ativa();
    esvazia();
  }

  template <class T = QWidget>
  T* filho(const char* nome) const {
    T* w = editor->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  TTolvEdit* edit(const char* nome) const { return filho<TTolvEdit>(nome); }
  TTolvButton* botao(const char* nome) const { return filho<TTolvButton>(nome); }
  TTolvGridRra* grade() const { return editor->Grade(); }
  static QWidget* focado() { return QApplication::focusWidget(); }
  static void esvazia() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  // Types into a field of the page as the user does: focus, select all, type.
  void digita(const char* nome, const QString& texto) {
    TTolvEdit* e = edit(nome);
    e->setFocus(Qt::TabFocusReason);
    esvazia();
    e->selectAll();
    QTest::keyClicks(e, texto);
  }
  // Each character to the control that has the focus, as a keyboard does.
  static void teclas(const QString& texto) {
    for (QChar c : texto) QTest::keyClicks(focado(), QString(c));
  }
  void tab() {
    QTest::keyClick(focado(), Qt::Key_Tab);
    esvazia();
  }
  // The displayed column of a series (the illness column may be hidden).
  int col(int logica) const { return grade()->ModeloRra().ColunaExibida(logica); }
  // Types an amount into a cell of the grid (logical column) and leaves the cell.
  void celula(int logica, int lin, const QString& texto) {
    const int col = this->col(logica);
    grade()->setFocus(Qt::TabFocusReason);
    esvazia();
    grade()->SelecionaCelula(col, lin);
    teclas(texto);
    grade()->ConfirmaValor();
    esvazia();
  }
  void saiParaArvore() {
    arvore->setFocus(Qt::MouseFocusReason);
    esvazia();
  }
  void identifica(const QString& cpf, const char* nome) {
    digita("edtCpfBeneficiario", cpf);
    tab();
    digita("edtNomeBeneficiario", QString::fromUtf8(nome));
    tab();
  }
  int Itens(const char* tipo = "1") const {
    return Le(QStringLiteral("SELECT COUNT(*) FROM RRA_ITEM WHERE IN_TIPO_RRA = '%1'").arg(QLatin1String(tipo))).toInt();
  }
  // Items stored straight through the storage, as an import would.
  int Guarda(const QString& cpf, const char* nome, const char* rendimentoJaneiro, uint8_t tipo = 1) {
    TzuqRra item(&m_tolv, tipo);
    item.GetBeneficiario().SetNi(cpf);
    item.GetBeneficiario().GetNome().SetValor(QString::fromUtf8(nome));
    if (tipo == 2) item.GetProcesso().SetValor(QStringLiteral("123456"));
    item.GetValores().GetRendimento(1).SetValorMonetario(V(rendimentoJaneiro));
    item.GetValores().GetMeses(1).SetValorMonetario(V("1"));
    TzuqRraDAO::DaDeclaracao(m_tolv).Salva(item);
    return item.GetId();
  }

  std::unique_ptr<QWidget> janela;
  QLineEdit* arvore = nullptr;
  TfrmRra* editor = nullptr;
};

TEST_F(EditorRra, ItemDigitadoESalvoAoSairEVoltaComOsValores) {
  Abre();
  EXPECT_EQ(editor->Contador(), u"1/1");
  identifica(Cpf(1), "JOSE DA SILVA");
  digita("edtNaturezaRra", QStringLiteral("Diferencas salariais"));
  // Into the grid: leaving the identification saves the item.
  celula(1, 1, QStringLiteral("1000,50"));
  EXPECT_EQ(Itens(), 1);
  EXPECT_GT(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Contador(), u"1/1");
  celula(7, 1, QStringLiteral("3"));
  celula(5, 2, QStringLiteral("12,345"));
  // Leaving the grid saves the months.
  saiParaArvore();
  EXPECT_EQ(Le("SELECT VL_RENDIME_JAN || '|' || QTDE_MESES_JAN || '|' || VL_RETIDO_FEV FROM RRA_ITEM"),
            "1000.5000|3.0000|12.3400");
  EXPECT_EQ(m_caixa.chamadas().size(), 0u);

  // A second item, then back to the first.
  botao("btnIncluiBeneficiario")->click();
  EXPECT_EQ(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Contador(), u"2/2");
  EXPECT_EQ(focado(), edit("edtCpfBeneficiario"));
  identifica(Cpf(2), "MARIA SOUZA");
  celula(1, 3, QStringLiteral("77"));
  botao("btnAnteriorBeneficiarioAtivo")->click();
  EXPECT_EQ(Itens(), 2);
  EXPECT_EQ(editor->Contador(), u"1/2");
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"JOSE DA SILVA");
  EXPECT_EQ(edit("edtNaturezaRra")->text(), u"Diferencas salariais");
  EXPECT_EQ(grade()->Modelo().GetTextoCelula(1, 1), u"1.000,50");
  EXPECT_EQ(grade()->Modelo().GetTextoCelula(col(TModeloGridRra::kMeses), TModeloGridRra::kLinhaTotais), u"3,0");
  botao("btnUltimoBeneficiarioAtivo")->click();
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"MARIA SOUZA");
  EXPECT_EQ(grade()->Modelo().GetTextoCelula(1, 3), u"77,00");
}

TEST_F(EditorRra, CampoRecusadoFicaComOFocoENadaSeGrava) {
  Abre();
  digita("edtCpfBeneficiario", QStringLiteral("12345678900"));
  tab();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(focado(), edit("edtCpfBeneficiario"));
  EXPECT_TRUE(editor->Rra()->GetBeneficiario().GetNiDigitos().isEmpty());
  // An item button does not pass a refused text over: it is refused again, and nothing moves.
  m_caixa.limpa();
  botao("btnIncluiBeneficiario")->click();
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(focado(), edit("edtCpfBeneficiario"));
  EXPECT_EQ(Itens(), 0);

  // A count of months beyond 999,9 is refused in its cell, which keeps the focus.
  identifica(Cpf(3), "ANA LIMA");
  celula(7, 2, QStringLiteral("10"));
  saiParaArvore();
  ASSERT_EQ(Itens(), 1);
  grade()->setFocus(Qt::TabFocusReason);
  esvazia();
  m_caixa.limpa();
  grade()->SelecionaCelula(col(TModeloGridRra::kMeses), 2);
  teclas(QStringLiteral("999,91"));
  EXPECT_FALSE(grade()->ConfirmaValor());
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(u"Valor excede o máximo"));
  EXPECT_TRUE(grade()->EditorAberto());
  EXPECT_EQ(editor->Rra()->GetValores().GetMeses(2).GetValorInterno(), V("10"));
  EXPECT_EQ(Le("SELECT QTDE_MESES_FEV FROM RRA_ITEM"), "10");
}

TEST_F(EditorRra, ItemRecusadoNaSaidaFocaOCampoEMantemAPagina) {
  Abre(2);
  identifica(Cpf(4), "PEDRO ALVES");
  // Court-ordered income needs its process: the save on the way to the grid is refused.
  grade()->setFocus(Qt::MouseFocusReason);
  esvazia();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(kMensagemProcesso));
  EXPECT_EQ(focado(), edit("edtNrProcesso"));
  EXPECT_FALSE(editor->GetValido());
  EXPECT_EQ(Itens("2"), 0);
  m_caixa.limpa();
  EXPECT_FALSE(editor->PodeSair());
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);

  digita("edtNrProcesso", QStringLiteral("00012345620135010001"));
  m_caixa.limpa();
  saiParaArvore();
  EXPECT_EQ(m_caixa.chamadas().size(), 0u);
  EXPECT_TRUE(editor->GetValido());
  EXPECT_EQ(Itens("2"), 1);
  EXPECT_EQ(Le("SELECT RRA_PROCESSO FROM RRA_ITEM"), "00012345620135010001");
}

TEST_F(EditorRra, ItemNovoComValoresESemIdentificacaoNaoSomeEmSilencio) {
  Abre();
  // An untouched new item is left without a word.
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_TRUE(editor->PodeSair());

  celula(1, 2, QStringLiteral("500"));
  m_caixa.limpa();
  botao("btnIncluiBeneficiario")->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(focado(), edit("edtCpfBeneficiario"));
  EXPECT_EQ(editor->Rra()->GetValores().GetRendimento(2).GetValorInterno(), V("500"));
  EXPECT_FALSE(editor->PodeSair());
  EXPECT_EQ(Itens(), 0);

  // The identification given, the values are stored with it.
  identifica(Cpf(5), "LUCIA REIS");
  EXPECT_TRUE(editor->PodeSair());
  EXPECT_EQ(Le("SELECT VL_RENDIME_FEV FROM RRA_ITEM"), "500");
}

TEST_F(EditorRra, DesfazerItemNovoLargaOsValoresEMostraOUltimo) {
  Guarda(Cpf(6), "CARLOS DIAS", "10");
  Abre();
  celula(1, 1, QStringLiteral("99"));
  botao("btnIncluiBeneficiario")->click();
  ASSERT_FALSE(editor->GetValido());
  m_caixa.limpa();
  // Given up, the item no longer keeps the declaration open.
  botao("btnDesfazBeneficiario")->click();
  EXPECT_TRUE(editor->GetValido());
  EXPECT_TRUE(editor->PodeSair());
  EXPECT_TRUE(m_caixa.chamadas().empty());
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"CARLOS DIAS");
  EXPECT_EQ(editor->Contador(), u"1/1");
  EXPECT_EQ(Itens(), 1);
}

TEST_F(EditorRra, MesesAposOEventoNaoSeEditam) {
  m_tolv.SetMesEvento(5);
  Abre();
  EXPECT_FALSE(grade()->Modelo().CelulaEditavel(1, 6));
  grade()->setFocus(Qt::TabFocusReason);
  grade()->SelecionaCelula(3, 5);
  QTest::keyClick(grade(), Qt::Key_Down);
  EXPECT_EQ(grade()->CelulaAtual(), QPoint(4, 1));
  // The header page moved the event: the page reads the item again and the lock follows.
  m_tolv.SetMesEvento(99);
  editor->Recarrega();
  EXPECT_TRUE(grade()->Modelo().CelulaEditavel(1, 12));
}

TEST_F(EditorRra, ExcluirPedeConfirmacaoEDesfazerRestauraAIdentificacao) {
  Guarda(Cpf(7), "PRIMEIRO ITEM", "10");
  const int segundo = Guarda(Cpf(8), "SEGUNDO ITEM", "20");
  Abre();
  // From the new item, the previous one is the last stored.
  botao("btnAnteriorBeneficiarioAtivo")->click();
  ASSERT_EQ(editor->Rra()->GetId(), segundo);

  // Undo brings the identification back; the months keep what was typed.
  celula(1, 4, QStringLiteral("40"));
  digita("edtNomeBeneficiario", QStringLiteral("OUTRO NOME"));
  digita("edtNaturezaRra", QStringLiteral("Horas extras"));
  botao("btnDesfazBeneficiario")->click();
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"SEGUNDO ITEM");
  EXPECT_TRUE(edit("edtNaturezaRra")->text().isEmpty());
  EXPECT_EQ(editor->Rra()->GetValores().GetRendimento(4).GetValorInterno(), V("40"));

  m_caixa.responde(ResultadoMensagem::Nao);
  botao("btnExcluiBeneficiario")->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().texto,
            QStringLiteral("Confirma a exclusão do beneficiário ") + TNiContribuinte::FormataNi(Cpf(8)) +
                QStringLiteral(" para o código 1889?"));
  EXPECT_EQ(Itens(), 2);

  m_caixa.responde(ResultadoMensagem::Sim);
  botao("btnExcluiBeneficiario")->click();
  EXPECT_EQ(Itens(), 1);
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"PRIMEIRO ITEM");
  EXPECT_EQ(editor->Contador(), u"1/1");

  // Deleting the only item leaves an empty new one with every move off.
  m_caixa.responde(ResultadoMensagem::Sim);
  botao("btnExcluiBeneficiario")->click();
  EXPECT_EQ(Itens(), 0);
  EXPECT_EQ(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Contador(), u"1/1");
  for (const char* b : {"btnPrimeiroBeneficiarioAtivo", "btnAnteriorBeneficiarioAtivo", "btnProximoBeneficiarioAtivo",
                        "btnUltimoBeneficiarioAtivo", "btnExcluiBeneficiario"})
    EXPECT_FALSE(botao(b)->isEnabled()) << b;
}

TEST_F(EditorRra, ContadorEBotoesSeguemAPosicao) {
  for (int i = 0; i < 3; ++i) Guarda(Cpf(10 + i), "BENEFICIARIO", "1");
  const int daJustica = Guarda(Cpf(20), "DA JUSTICA", "1", 2);
  Abre();
  // The court's item is not the declarant's page to show.
  EXPECT_TRUE(editor->Posicionar(QString::number(daJustica), QStringLiteral("-1")));
  EXPECT_EQ(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Rra()->GetTipo(), 1);
  EXPECT_EQ(editor->Contador(), u"4/4");
  EXPECT_FALSE(botao("btnExcluiBeneficiario")->isEnabled());
  EXPECT_TRUE(botao("btnAnteriorBeneficiarioAtivo")->isEnabled());
  EXPECT_FALSE(botao("btnProximoBeneficiarioAtivo")->isEnabled());
  botao("btnPrimeiroBeneficiarioAtivo")->click();
  EXPECT_EQ(editor->Contador(), u"1/3");
  EXPECT_FALSE(botao("btnPrimeiroBeneficiarioAtivo")->isEnabled());
  botao("btnProximoBeneficiarioAtivo")->click();
  EXPECT_EQ(editor->Contador(), u"2/3");
  for (const char* b : {"btnPrimeiroBeneficiarioAtivo", "btnAnteriorBeneficiarioAtivo", "btnProximoBeneficiarioAtivo",
                        "btnUltimoBeneficiarioAtivo", "btnExcluiBeneficiario", "btnPesquisaBeneficiario"})
    EXPECT_TRUE(botao(b)->isEnabled()) << b;
  // Back on the first declaration's worth of state: a new binding starts afresh.
  editor->Finaliza();
  editor->Inicializa(m_tolv);
  EXPECT_EQ(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Contador(), u"4/4");
}

TEST_F(EditorRra, IrParaOutroItemSalvaAntesOuNaoVai) {
  const int primeiro = Guarda(Cpf(30), "PRIMEIRO", "10");
  const int segundo = Guarda(Cpf(31), "SEGUNDO", "20");
  Abre();
  ASSERT_TRUE(editor->Posicionar(QString::number(primeiro), QStringLiteral("valores")));
  EXPECT_EQ(focado(), grade());
  // A value still in the cell's editor when a finding is followed from another window.
  grade()->SelecionaCelula(col(TModeloGridRra::kCustas), 8);
  teclas(QStringLiteral("321"));
  ASSERT_TRUE(grade()->EditorAberto());
  editor->Posiciona(QString::number(segundo), QStringLiteral("nomeBeneficiario"), 57);
  EXPECT_EQ(editor->Rra()->GetId(), segundo);
  EXPECT_EQ(focado(), edit("edtNomeBeneficiario"));
  EXPECT_EQ(Le(QStringLiteral("SELECT VL_CUSTAS_AGO FROM RRA_ITEM WHERE RRA_ITEM_ID = %1").arg(primeiro)), "321");

  // A new item that cannot be saved keeps the page where it is.
  botao("btnIncluiBeneficiario")->click();
  celula(1, 1, QStringLiteral("5"));
  m_caixa.limpa();
  EXPECT_FALSE(editor->Posicionar(QString::number(primeiro), QStringLiteral("-1")));
  EXPECT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(editor->Rra()->GetId(), 0);
  EXPECT_EQ(editor->Rra()->GetValores().GetRendimento(1).GetValorInterno(), V("5"));
}

TEST_F(EditorRra, PaginaEscondidaSalvaOItem) {
  Abre();
  identifica(Cpf(32), "JOAO");
  celula(1, 1, QStringLiteral("8"));
  ASSERT_EQ(Itens(), 1);
  grade()->SelecionaCelula(1, 2);
  teclas(QStringLiteral("9"));
  // Another page takes the place while the focus stands in another window.
  editor->hide();
  EXPECT_EQ(Le("SELECT VL_RENDIME_FEV FROM RRA_ITEM"), "9");
}

TEST_F(EditorRra, DesmarcarMolestiaPerguntaELimpaAColuna) {
  Abre();
  auto* chk = filho<QCheckBox>("chkMolestia");
  auto* data = filho<QDateEdit>("cmbDataMolestia");
  ASSERT_TRUE(chk->isVisible());
  EXPECT_FALSE(data->isEnabled());
  EXPECT_EQ(grade()->Modelo().ColCount(), TModeloGridRra::kColunas - 1);
  identifica(Cpf(40), "VERA");
  chk->setFocus(Qt::TabFocusReason);
  chk->click();
  EXPECT_TRUE(data->isEnabled());
  EXPECT_EQ(grade()->Modelo().ColCount(), TModeloGridRra::kColunas);
  data->setFocus(Qt::TabFocusReason);
  data->setDate(QDate(2013, 5, 15));
  celula(2, 6, QStringLiteral("700"));
  saiParaArvore();
  ASSERT_EQ(Le("SELECT IN_MOLESTIA || DATA_LAUDO || '|' || VL_MOLESTIA_JUN FROM RRA_ITEM"), "S2013-05-15|700.0000");

  chk->setFocus(Qt::TabFocusReason);
  esvazia();
  m_caixa.responde(ResultadoMensagem::Nao);
  chk->click();
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(chk->isChecked());
  EXPECT_EQ(editor->Rra()->GetValores().GetMolestia(6).GetValorInterno(), V("700"));

  m_caixa.responde(ResultadoMensagem::Sim);
  chk->click();
  EXPECT_FALSE(chk->isChecked());
  EXPECT_EQ(grade()->Modelo().ColCount(), TModeloGridRra::kColunas - 1);
  saiParaArvore();
  EXPECT_EQ(Le("SELECT IN_MOLESTIA || '|' || VL_MOLESTIA_JUN FROM RRA_ITEM"), "N|0.0000");
}

TEST_F(EditorRra, DeclarantePessoaNaoVeMolestia) {
  m_tolv.GetContribuinte().SetNi(Cpf(50));
  Abre();
  EXPECT_FALSE(filho<QCheckBox>("chkMolestia")->isVisible());
  EXPECT_FALSE(filho<QDateEdit>("cmbDataMolestia")->isVisible());
  EXPECT_EQ(grade()->Modelo().ColCount(), TModeloGridRra::kColunas - 1);
}

TEST_F(EditorRra, NumeroConhecidoTrazONome) {
  Guarda(Cpf(60), "NOME GUARDADO", "1");
  Abre();
  digita("edtCpfBeneficiario", Cpf(60));
  tab();
  EXPECT_EQ(edit("edtNomeBeneficiario")->text(), u"NOME GUARDADO");
  // A name the user changed afterwards stays his when he passes the number again.
  digita("edtNomeBeneficiario", QStringLiteral("OUTRO"));
  edit("edtCpfBeneficiario")->setFocus(Qt::TabFocusReason);
  tab();
  EXPECT_EQ(editor->Rra()->GetBeneficiario().GetNome().GetValor(), u"OUTRO");
}

}  // namespace

namespace {

struct CasoTabulacaoRra {
  const char* nome;
  uint8_t tipo;
  bool guardado;  // an item stored, shown
  bool paraTras;
};

class TabulacaoRra : public EditorRra, public testing::WithParamInterface<CasoTabulacaoRra> {};

// Every stop of the Tab order, forward and back, on a new item and on a stored one, on both
// pages, is a control the user sees and can type into.
TEST_P(TabulacaoRra, CadaParadaEhUmControleVisivelEHabilitado) {
  const CasoTabulacaoRra& c = GetParam();
  if (c.guardado) Guarda(QStringLiteral("52998224725"), "ANA SOUZA", "1000", c.tipo);
  Abre(c.tipo);
  if (c.guardado) botao("btnAnteriorBeneficiarioAtivo")->click();
  edit("edtCpfBeneficiario")->setFocus(Qt::TabFocusReason);
  esvazia();
  EXPECT_EQ(secoes_teste::ParadasInalcancaveis(janela.get(), 150, c.paraTras), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Estados, TabulacaoRra,
                         testing::Values(CasoTabulacaoRra{"Declarante", 1, false, false},
                                         CasoTabulacaoRra{"DeclaranteParaTras", 1, false, true},
                                         CasoTabulacaoRra{"DeclaranteGuardado", 1, true, false},
                                         CasoTabulacaoRra{"JusticaGuardadoParaTras", 2, true, true},
                                         CasoTabulacaoRra{"JusticaGuardado", 2, true, false}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace
