#include "secoes/TfrmRemessa.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

#include "PercursoTabulacao.h"
#include "SecoesTeste.h"
#include "controles/TTolvButton.h"
#include "nucleo/CaixaMensagem.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "secoes/TEdicaoRemessa.h"
#include "secoes/TGradeValoresRemessa.h"
#include "secoes/TModeloValoresRemessa.h"
#include "secoes/TTabelaEditavel.h"
#include "secoes/TfrmRelFonteBeneficiario.h"
#include "secoes/TzuqCachesRemessa.h"
#include "suporte/JanelaAtiva.h"
#include "suporte/QtGtest.h"

namespace {

using Col = TEdicaoRemessa::ColunaValor;

const QString kInsereRemessa = QStringLiteral(
    "INSERT INTO TB_REMESSA (TREM_ID, TREM_IN_TIPO_BENEFICIARIO, TREM_CD_PAIS, TREM_NIF, TREM_IN_BENEF_DISPENSA_NIF, "
    "TREM_IN_PAIS_DISPENSA_NIF, TREM_CD_REL_FONTE_BENEFICIARIO, TREM_NOME, TREM_CIDADE) "
    "VALUES (%1, '%2', 586, '%3', 'N', 'N', '%4', '%5', 'Asuncion')");
const QString kInsereLinha = QStringLiteral(
    "INSERT INTO TB_VALOR_REMESSA (TVRE_ID, TREM_ID, TVRE_DATA, TVRE_CD_RETENCAO, TVRE_CD_TIPO_RENDIMENTO, "
    "TVRE_CD_FORMA_TRIBUTACAO, TVRE_VL_RENDIMENTO_PAGO, TVRE_VL_IRRF) VALUES (%1, %2, '2013-03-10', '0473', 110, 10, "
    "%3, %4)");

// The payments-abroad page in a window of its own, over a company's declaration of 2013 whose
// database is a fresh copy of the template; beside the page, a control that stands for the tree.
class EditorRemessa : public secoes_teste::ComDeclaracaoAberta {
 protected:
  void SetUp() override {
    ComDeclaracaoAberta::SetUp();
    TzuqCachesRemessa::Descarta();
  }
  void TearDown() override {
    janela.reset();
    TzuqCachesRemessa::Descarta();
    ComDeclaracaoAberta::TearDown();
  }

  void Abre() {
    janela = std::make_unique<QWidget>();
    janela->resize(900, 760);
    auto* layout = new QVBoxLayout(janela.get());
    arvore = new QLineEdit(janela.get());
    arvore->setObjectName(QStringLiteral("arvore"));
    layout->addWidget(arvore);
    editor = new TfrmRemessa(janela.get());
    layout->addWidget(editor, 1);
    QObject::connect(editor, &TfrmRemessa::SelecionaNoArvore, editor, [this](int codigo) { noArvore = codigo; });
    TContextoPagina contexto;
    contexto.declaracao = &m_tolv;
    editor->Inicializa(contexto);
    ASSERT_TRUE(AtivaJanela(janela.get()));
    esvazia();
    m_caixa.limpa();
  }

  template <class T = QWidget>
  T* filho(const char* nome) const {
    T* w = editor->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }
  QLineEdit* edit(const char* nome) const { return filho<QLineEdit>(nome); }
  QComboBox* combo(const char* nome) const { return filho<QComboBox>(nome); }
  QCheckBox* caixa(const char* nome) const { return filho<QCheckBox>(nome); }
  TTolvButton* botao(const char* nome) const { return filho<TTolvButton>(nome); }
  TGradeValoresRemessa* grade() const { return editor->Grade(); }
  TTabelaEditavel& remessas() const { return editor->Edicao().Remessas(); }
  TTabelaEditavel& valores() const { return editor->Edicao().Valores(); }
  static QWidget* focado() { return QApplication::focusWidget(); }
  static void esvazia() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  static void foca(QWidget* w) {
    w->setFocus(Qt::TabFocusReason);
    esvazia();
  }
  void digita(const char* nome, const QString& texto) {
    QLineEdit* e = edit(nome);
    foca(e);
    e->selectAll();
    if (texto.isEmpty())
      QTest::keyClick(e, Qt::Key_Backspace);
    else
      QTest::keyClicks(e, texto);
  }
  void escolhe(const char* nome, int indice) {
    QComboBox* c = combo(nome);
    foca(c);
    c->setCurrentIndex(indice);
    esvazia();
  }
  void saiParaArvore() { foca(arvore); }
  // Kind (0 person, 1 company), Paraguay, NIF and name, typed field by field.
  void identifica(int tipo, const QString& nif, const QString& nome) {
    escolhe("cbbInTipoBeneficiario", tipo);
    escolhe("cbbCdPais", combo("cbbCdPais")->findText(QStringLiteral("PARAGUAI")));
    digita("edtNIF", nif);
    digita("edtNome", nome);
  }
  // Answers the relation dialog with a code, as a user picking its row and OK.
  void escolheRelacao(const QString& codigo) {
    QTimer::singleShot(0, editor, [this, codigo] {
      editor->DialogoRelacao()->Posiciona(codigo);
      editor->DialogoRelacao()->accept();
    });
    editor->EscolheRelacao();
    // The offscreen platform does not give the window back its activation after a dialog.
    ASSERT_TRUE(AtivaJanela(janela.get()));
    esvazia();
  }
  // A cell of the current line, typed and left as the grid's editor leaves it.
  bool celula(int coluna, const QString& texto) {
    TModeloValoresRemessa& m = grade()->Modelo();
    return m.setData(m.index(m.LinhaAtual(), coluna), texto, Qt::EditRole);
  }
  void linha(const char* data, const char* codigo, const char* tipo, const char* forma, const char* pago,
             const char* irrf) {
    for (const auto& [coluna, texto] : {std::pair{Col::ColData, data}, std::pair{Col::ColCdRetencao, codigo},
                                        std::pair{Col::ColTipoRendimento, tipo},
                                        std::pair{Col::ColFormaTributacao, forma},
                                        std::pair{Col::ColRendimentoPago, pago}, std::pair{Col::ColIrrf, irrf}})
      if (*texto) celula(coluna, QString::fromUtf8(texto));
  }
  int Conta(const char* tabela) const { return Le(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(tabela))).toInt(); }
  QStringList Mensagens() const {
    QStringList r;
    for (const auto& c : m_caixa.chamadas()) r << c.texto;
    return r;
  }

  std::unique_ptr<QWidget> janela;
  QLineEdit* arvore = nullptr;
  TfrmRemessa* editor = nullptr;
  int noArvore = 0;
};

TEST_F(EditorRemessa, AbreNumNovoBeneficiarioDepoisDosGuardados) {
  Abre();
  EXPECT_EQ(editor->Contador(), u"1/1");
  EXPECT_FALSE(botao("btnPesquisar")->isEnabled());
  EXPECT_FALSE(botao("btnBbDelete")->isEnabled());
  janela.reset();

  for (int i = 1; i <= 3; ++i)
    Roda(kInsereRemessa.arg(i).arg(QStringLiteral("2")).arg(QStringLiteral("NIF%1").arg(i)).arg(QStringLiteral("530"))
             .arg(QStringLiteral("EMPRESA %1").arg(QChar(u'A' + i))));
  Abre();
  EXPECT_EQ(editor->Contador(), u"4/4");
  EXPECT_TRUE(botao("btnBbFirst")->isEnabled());
  EXPECT_TRUE(botao("btnBbPrior")->isEnabled());
  EXPECT_FALSE(botao("btnBbNext")->isEnabled());
  EXPECT_FALSE(botao("btnBbLast")->isEnabled());
  EXPECT_TRUE(botao("btnPesquisar")->isEnabled());
  // A new row left empty goes when the user moves back; on the second of three all four move.
  botao("btnBbPrior")->click();
  botao("btnBbPrior")->click();
  esvazia();
  EXPECT_EQ(editor->Contador(), u"2/3");
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA C");
  for (const char* b : {"btnBbFirst", "btnBbPrior", "btnBbNext", "btnBbLast"}) EXPECT_TRUE(botao(b)->isEnabled()) << b;
  EXPECT_EQ(Conta("TB_REMESSA"), 3);
}

TEST_F(EditorRemessa, BeneficiarioDigitadoEGravadoAoEntrarNasLinhasComSeusPagamentos) {
  Abre();
  identifica(1, QStringLiteral("PY80012345"), QStringLiteral("TRANSPORTES DEL ESTE SA"));
  // The company declarant must name the relation of a company beneficiary.
  EXPECT_TRUE(edit("cbbRelFonteBeneficiario")->isEnabled());
  EXPECT_EQ(filho<QLabel>("lblNI")->text(), u"CNPJ");
  EXPECT_EQ(filho<QLabel>("lblNome")->text(), u"Nome empresarial");
  foca(grade());
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Informe a relação fonte pagadora/beneficiário")});
  EXPECT_EQ(focado(), edit("cbbRelFonteBeneficiario"));
  EXPECT_TRUE(editor->EdicaoInvalida());
  EXPECT_EQ(Conta("TB_REMESSA"), 0);

  m_caixa.limpa();
  escolheRelacao(QStringLiteral("530"));
  EXPECT_EQ(edit("cbbRelFonteBeneficiario")->text(), u"530");
  EXPECT_TRUE(filho<QLabel>("wwdbedit3")->text().startsWith(u"A fonte pagadora é controladora"));
  digita("edtCidade", QStringLiteral("Asuncion"));
  foca(grade());
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(noArvore, 601);
  EXPECT_EQ(Le("SELECT TREM_IN_TIPO_BENEFICIARIO || TREM_CD_PAIS || TREM_NIF || TREM_CD_REL_FONTE_BENEFICIARIO || "
                "TREM_IN_BENEF_DISPENSA_NIF || TREM_IN_PAIS_DISPENSA_NIF || TREM_NOME || '|' || TREM_CIDADE "
                "FROM TB_REMESSA"),
            "2586PY80012345530NNTRANSPORTES DEL ESTE SA|Asuncion");
  EXPECT_EQ(editor->Contador(), u"1/1");

  // Two lines; each is stored when the cursor leaves it, and the footer adds them up.
  editor->IncluiValor();
  linha("15/02/2013", "0473", "110", "10", "15000", "2250,5");
  editor->IncluiValor();
  EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 1);
  linha("10/06/2013", "0473", "110", "40", "8.750,50", "");
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Le("SELECT LIST(TVRE_DATA || ':' || TVRE_CD_FORMA_TRIBUTACAO || ':' || TVRE_VL_RENDIMENTO_PAGO || ':' || "
                "TVRE_VL_IRRF, ' ') FROM (SELECT * FROM TB_VALOR_REMESSA ORDER BY TVRE_ID)"),
            "2013-02-15:10:15000.0000:2250.5000 2013-06-10:40:8750.5000:0.0000");
  EXPECT_EQ(grade()->TotalRendimentoPago(), u"23.750,50");
  EXPECT_EQ(grade()->TotalIrrf(), u"2.250,50");
  EXPECT_TRUE(botao("SpeedButton10")->isEnabled());

  // Another page's view of the lines is not held up: the page's work is committed.
  EXPECT_EQ(Le("SELECT SUM(TVRE_VL_RENDIMENTO_PAGO) FROM TB_VALOR_REMESSA WHERE TREM_ID = 1"), "23750,5");
}

TEST_F(EditorRemessa, NifEMotivosDoNaoPreenchimento) {
  Abre();
  QCheckBox* beneficiario = caixa("CheckBox1");
  QCheckBox* pais = caixa("CheckBox2");
  digita("edtNIF", QStringLiteral("AB12"));
  EXPECT_FALSE(beneficiario->isEnabled());
  EXPECT_FALSE(pais->isEnabled());
  digita("edtNIF", QString());
  EXPECT_TRUE(beneficiario->isEnabled());
  EXPECT_TRUE(pais->isEnabled());

  // A box ticked clears and disables the NIF; a second reason is refused.
  foca(beneficiario);
  QTest::mouseClick(beneficiario, Qt::LeftButton);
  esvazia();
  EXPECT_TRUE(beneficiario->isChecked());
  EXPECT_FALSE(edit("edtNIF")->isEnabled());
  foca(pais);
  QTest::mouseClick(pais, Qt::LeftButton);
  esvazia();
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Selecione apenas um dos motivos do não preenchimento do NIF")});
  EXPECT_FALSE(pais->isChecked());
  EXPECT_EQ(remessas().Texto(QStringLiteral("TREM_IN_BENEF_DISPENSA_NIF")), u"S");
  EXPECT_EQ(remessas().Texto(QStringLiteral("TREM_IN_PAIS_DISPENSA_NIF")), u"N");

  // Leaving the panel with neither NIF nor reason is refused on the NIF.
  QTest::mouseClick(beneficiario, Qt::LeftButton);
  esvazia();
  EXPECT_TRUE(edit("edtNIF")->isEnabled());
  escolhe("cbbInTipoBeneficiario", 0);
  escolhe("cbbCdPais", combo("cbbCdPais")->findText(QStringLiteral("PARAGUAI")));
  digita("edtNome", QStringLiteral("JUAN BENITEZ"));
  m_caixa.limpa();
  saiParaArvore();
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Informe o NIF ou selecione o motivo do não preenchimento.")});
  EXPECT_EQ(focado(), edit("edtNIF"));
  EXPECT_TRUE(editor->EdicaoInvalida());
  EXPECT_EQ(Conta("TB_REMESSA"), 0);

  // With a reason it is stored, with "S" for that reason.
  foca(pais);
  QTest::mouseClick(pais, Qt::LeftButton);
  m_caixa.limpa();
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Le("SELECT TREM_IN_BENEF_DISPENSA_NIF || TREM_IN_PAIS_DISPENSA_NIF || COALESCE(TREM_NIF, '') FROM TB_REMESSA"),
            "NS");
}

TEST_F(EditorRemessa, TipoDeBeneficiarioAdaptaAPaginaESaidasValidamPeloPortao) {
  Abre();
  escolhe("cbbInTipoBeneficiario", 0);
  EXPECT_EQ(filho<QLabel>("lblNI")->text(), u"CPF");
  EXPECT_EQ(filho<QLabel>("lblNome")->text(), u"Nome");
  EXPECT_FALSE(edit("cbbRelFonteBeneficiario")->isEnabled());
  // The person's number takes eleven digits and only digits.
  digita("edtNI", QStringLiteral("12a3456789012345"));
  EXPECT_EQ(edit("edtNI")->text(), u"12345678901");

  // An invalid CPF is refused on leaving, and the number keeps the focus.
  m_caixa.limpa();
  foca(edit("edtNome"));
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("CPF inválido")});
  EXPECT_EQ(focado(), edit("edtNI"));
  digita("edtNI", QString());

  // Field rules run through the gate as the field is left: a valid one says nothing.
  digita("edtNumero", QStringLiteral("12B"));
  m_caixa.limpa();
  foca(edit("edtComplemento"));
  EXPECT_TRUE(m_caixa.chamadas().empty());
  digita("edtCidade", QStringLiteral("1111"));
  m_caixa.limpa();
  foca(edit("edtEstado"));
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Cidade inválida.")});
  // Onto the button bar nothing is checked.
  digita("edtCidade", QStringLiteral("2222"));
  m_caixa.limpa();
  foca(botao("btnBbFirst"));
  EXPECT_TRUE(m_caixa.chamadas().empty());

  // A company beneficiary of a person declarant has no relation to give.
  janela.reset();
  m_tolv.GetContribuinte().SetNi(QStringLiteral("11144477735"));
  Abre();
  escolhe("cbbInTipoBeneficiario", 1);
  EXPECT_EQ(filho<QLabel>("lblNI")->text(), u"CNPJ");
  EXPECT_FALSE(edit("cbbRelFonteBeneficiario")->isEnabled());
  identifica(1, QStringLiteral("X1"), QStringLiteral("ACME LTDA"));
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Conta("TB_REMESSA"), 1);
}

TEST_F(EditorRemessa, MesmoNifPaisETipoLevaAoBeneficiarioGuardado) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("2")).arg(QStringLiteral("PY1")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA UM")));
  Roda(kInsereRemessa.arg(2).arg(QStringLiteral("2")).arg(QStringLiteral("PY2")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA DOIS")));
  Abre();
  EXPECT_EQ(editor->Contador(), u"3/3");
  escolhe("cbbInTipoBeneficiario", 1);
  escolhe("cbbCdPais", combo("cbbCdPais")->findText(QStringLiteral("PARAGUAI")));
  digita("edtNIF", QStringLiteral("PY1"));
  foca(edit("edtNI"));
  // The new row is dropped for the stored one.
  EXPECT_EQ(editor->Contador(), u"1/2");
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA UM");
  EXPECT_EQ(Conta("TB_REMESSA"), 2);
  EXPECT_TRUE(m_caixa.chamadas().empty());

  // Editing the second into the first's NIF is refused, and the NIF shown before comes back.
  botao("btnBbLast")->click();
  esvazia();
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA DOIS");
  digita("edtNIF", QStringLiteral("PY1"));
  foca(edit("edtNI"));
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Já existe remessa para esse tipo de pessoa, país e NIF")});
  EXPECT_EQ(edit("edtNIF")->text(), u"PY2");
  EXPECT_EQ(Le("SELECT LIST(TREM_NIF, ',') FROM (SELECT TREM_NIF FROM TB_REMESSA ORDER BY TREM_ID)"), "PY1,PY2");
}

TEST_F(EditorRemessa, EntrarNasLinhasPedeOBeneficiarioCompleto) {
  Abre();
  escolhe("cbbInTipoBeneficiario", 0);
  digita("edtNIF", QStringLiteral("N1"));
  digita("edtNome", QStringLiteral("JUAN BENITEZ"));
  m_caixa.limpa();
  foca(grade());
  EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("Informe o país de residência")});
  EXPECT_EQ(focado(), combo("cbbCdPais"));
  EXPECT_EQ(Conta("TB_REMESSA"), 0);
}

// The checks of a line's save, each with its message and the column it selects.
struct CasoLinha {
  const char* nome;
  const char* data;
  const char* codigo;
  const char* tipo;
  const char* forma;
  const char* pago;
  const char* irrf;
  const char* mensagem;  // empty: stored
  int coluna;
};

class SalvaLinha : public EditorRemessa, public testing::WithParamInterface<CasoLinha> {};

TEST_P(SalvaLinha, RecusaComAMensagemOuGuarda) {
  const CasoLinha& caso = GetParam();
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("1")).arg(QStringLiteral("PY1")).arg(QString())
           .arg(QStringLiteral("JUAN BENITEZ")));
  Abre();
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("18"));
  esvazia();
  ASSERT_EQ(focado(), grade());
  editor->IncluiValor();
  m_caixa.limpa();
  linha(caso.data, caso.codigo, caso.tipo, caso.forma, caso.pago, caso.irrf);
  m_caixa.limpa();
  saiParaArvore();
  if (*caso.mensagem == 0) {
    EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
    EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 1);
    EXPECT_FALSE(valores().EmEdicao());
    return;
  }
  EXPECT_EQ(Mensagens(), QStringList{QString::fromUtf8(caso.mensagem)});
  EXPECT_EQ(focado(), grade());
  EXPECT_EQ(grade()->currentIndex().column(), caso.coluna);
  EXPECT_TRUE(editor->EdicaoInvalida());
  EXPECT_TRUE(valores().Inserindo());
  EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Linhas, SalvaLinha,
    testing::Values(
        CasoLinha{"Completa", "10/03/2013", "0473", "110", "10", "1000", "150", "", 0},
        CasoLinha{"Forma40SemIrrf", "10/03/2013", "0473", "110", "40", "1000", "", "", 0},
        CasoLinha{"SoData", "10/03/2013", "", "", "", "", "", "O código de receita deve ser informado",
                  Col::ColCdRetencao},
        CasoLinha{"SemData", "", "0473", "110", "10", "1000", "150", "A data de remessa deve ser informada",
                  Col::ColData},
        CasoLinha{"SemTipo", "10/03/2013", "0473", "", "10", "1000", "150", "O tipo de rendimento deve ser informado",
                  Col::ColTipoRendimento},
        CasoLinha{"SemForma", "10/03/2013", "0473", "110", "", "1000", "150",
                  "A forma de tributação deve ser informada", Col::ColFormaTributacao},
        CasoLinha{"SemValorPago", "10/03/2013", "0473", "110", "10", "", "150", "Valor rendimento pago inválido",
                  Col::ColRendimentoPago},
        CasoLinha{"Forma40ComIrrf", "10/03/2013", "0473", "110", "40", "1000", "1",
                  "O IRRF não pode ser maior que zero para essa forma de tributação", Col::ColIrrf},
        CasoLinha{"Forma10SemIrrf", "10/03/2013", "0473", "110", "10", "1000", "", "Valor de IRRF inválido",
                  Col::ColIrrf},
        CasoLinha{"IrrfAcimaDoPago", "10/03/2013", "0473", "110", "10", "400", "500",
                  "O IRRF não pode ser maior que o valor pago", Col::ColRendimentoPago}),
    [](const testing::TestParamInfo<CasoLinha>& info) { return std::string(info.param.nome); });

TEST_F(EditorRemessa, CelulasRecusamOQueNaoCabeSemCortar) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("1")).arg(QStringLiteral("PY1")).arg(QString())
           .arg(QStringLiteral("JUAN BENITEZ")));
  Abre();
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("18"));
  esvazia();
  editor->IncluiValor();
  m_caixa.limpa();
  EXPECT_FALSE(celula(Col::ColData, QStringLiteral("10/03/2012")));
  EXPECT_EQ(m_caixa.ultima().texto, u"Data da remessa deve ser do ano-calendário.");
  EXPECT_EQ(m_caixa.ultima().titulo, u"Ano");
  EXPECT_FALSE(celula(Col::ColCdRetencao, QStringLiteral("1234")));
  EXPECT_EQ(m_caixa.ultima().texto, u"Código de receita inválido");
  // A pasted amount over the cap is refused whole; cents beyond the second are cut, never rounded.
  EXPECT_FALSE(celula(Col::ColRendimentoPago, QStringLiteral("123456789012,00")));
  EXPECT_TRUE(m_caixa.ultima().texto.startsWith(u"Valor excede o máximo"));
  EXPECT_EQ(valores().Valor(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")).comoDezMilesimos(), 0);
  EXPECT_TRUE(celula(Col::ColRendimentoPago, QStringLiteral("1.234,567")));
  EXPECT_EQ(valores().Valor(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")).comoDezMilesimos(), 12345600);
  EXPECT_FALSE(celula(Col::ColIrrf, QStringLiteral("-1")));
  EXPECT_EQ(m_caixa.ultima().texto, u"O valor do imposto retido deve ser maior ou igual a zero");
  // The income type of the cup payments is not offered without the declarant's indicator.
  EXPECT_FALSE(celula(Col::ColTipoRendimento, QStringLiteral("240")));
  EXPECT_EQ(m_caixa.ultima().texto, u"Tipo de rendimento inválido");
}

TEST_F(EditorRemessa, EditoresDasCelulasDataRapidaEValorInteiroAoColar) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("1")).arg(QStringLiteral("PY1")).arg(QString())
           .arg(QStringLiteral("JUAN BENITEZ")));
  Abre();
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("18"));
  esvazia();
  editor->IncluiValor();
  TModeloValoresRemessa& m = grade()->Modelo();
  const auto abre = [&](int coluna, const char* nome) {
    const QModelIndex i = m.index(m.LinhaAtual(), coluna);
    grade()->setCurrentIndex(i);
    grade()->edit(i);
    esvazia();
    return grade()->findChild<QLineEdit*>(QString::fromLatin1(nome));
  };
  // One digit into an empty date fills a January date of the calendar year; a letter nothing.
  const std::pair<const char*, const char*> datas[] = {{"2", "20/01/2013"}, {"7", "07/01/2013"}, {"0", "01/01/2013"}};
  for (const auto& [tecla, data] : datas) {
    QLineEdit* e = abre(Col::ColData, "wwDBDateTimePicker1");
    ASSERT_NE(e, nullptr);
    e->clear();
    QTest::keyClicks(e, QStringLiteral("x"));
    QTest::keyClicks(e, QString::fromLatin1(tecla));
    EXPECT_EQ(e->text(), QString::fromLatin1(data)) << tecla;
    QTest::keyClick(e, Qt::Key_Escape);
    esvazia();
  }
  // Twelve digits typed: the twelfth goes after a comma.
  QLineEdit* valor = abre(Col::ColRendimentoPago, "edttvre_vl_rendimento_pago");
  ASSERT_NE(valor, nullptr);
  valor->clear();
  QTest::keyClicks(valor, QStringLiteral("123456789012"));
  EXPECT_EQ(valor->text(), u"12345678901,2");
  // A paste goes in whole, to be judged whole when the cell is left.
  valor->clear();
  QApplication::clipboard()->setText(QStringLiteral("1.234.567.890,12"));
  QTest::keyClick(valor, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(valor->text(), u"1.234.567.890,12");
  m_caixa.limpa();
  QTest::keyClick(valor, Qt::Key_Return);
  esvazia();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(valores().Valor(QStringLiteral("TVRE_VL_RENDIMENTO_PAGO")).comoDezMilesimos(), 12345678901200);
}

TEST_F(EditorRemessa, ExcluirLinhaEBeneficiarioEDesfazer) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("2")).arg(QStringLiteral("PY1")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA UM")));
  Roda(kInsereRemessa.arg(2).arg(QStringLiteral("2")).arg(QStringLiteral("PY2")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA DOIS")));
  Roda(kInsereLinha.arg(1).arg(1).arg(100).arg(10));
  Roda(kInsereLinha.arg(2).arg(1).arg(200).arg(20));
  Roda(kInsereLinha.arg(3).arg(2).arg(300).arg(30));
  Abre();
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("-1"));
  esvazia();
  EXPECT_EQ(editor->Contador(), u"1/2");
  EXPECT_EQ(grade()->TotalRendimentoPago(), u"300,00");

  // Undo puts back what was typed over a stored beneficiary.
  digita("edtNome", QStringLiteral("OUTRO NOME"));
  botao("btnBbDesfazer")->click();
  esvazia();
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA UM");
  EXPECT_EQ(Le("SELECT TREM_NOME FROM TB_REMESSA WHERE TREM_ID = 1"), "EMPRESA UM");

  // One line, asked first.
  m_caixa.responde(ResultadoMensagem::Sim);
  editor->ExcluiValor();
  EXPECT_EQ(m_caixa.ultima().texto, u"Confirma a exclusão das informações da remessa?");
  EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 2);
  EXPECT_EQ(grade()->TotalRendimentoPago(), u"200,00");

  // The beneficiary with its remaining line; "Não" keeps both.
  m_caixa.responde(ResultadoMensagem::Nao);
  botao("btnBbDelete")->click();
  esvazia();
  EXPECT_EQ(Conta("TB_REMESSA"), 2);
  m_caixa.responde(ResultadoMensagem::Sim);
  botao("btnBbDelete")->click();
  esvazia();
  EXPECT_EQ(m_caixa.ultima().texto, u"Confirma a exclusão do beneficiário residente ou domiciliado no exterior?");
  EXPECT_EQ(Le("SELECT LIST(TREM_ID) FROM TB_REMESSA"), "2");
  EXPECT_EQ(Le("SELECT LIST(TVRE_ID) FROM TB_VALOR_REMESSA"), "3");
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA DOIS");
  EXPECT_EQ(editor->Contador(), u"1/1");

  // The last one goes too: the page is left on a new, empty beneficiary.
  m_caixa.responde(ResultadoMensagem::Sim);
  botao("btnBbDelete")->click();
  esvazia();
  EXPECT_EQ(Conta("TB_REMESSA"), 0);
  EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 0);
  EXPECT_TRUE(remessas().Inserindo());
  EXPECT_EQ(editor->Contador(), u"1/1");
  EXPECT_TRUE(edit("edtNome")->text().isEmpty());
}

TEST_F(EditorRemessa, IrParaSalvaOQueFoiDigitadoEIgnoraCampoQueNaoENumero) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("2")).arg(QStringLiteral("PY1")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA UM")));
  Roda(kInsereRemessa.arg(2).arg(QStringLiteral("2")).arg(QStringLiteral("PY2")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA DOIS")));
  Abre();
  editor->Posicionar(QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("-1"));
  esvazia();
  digita("edtLogradouro", QStringLiteral("Avenida Espana"));
  // A field that is not a number leads nowhere: nothing moves, nothing is lost.
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("abc"));
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA DOIS");
  EXPECT_EQ(edit("edtLogradouro")->text(), u"Avenida Espana");
  // A go-to saves the typed street before it moves, and "0" means the street.
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("0"));
  esvazia();
  EXPECT_EQ(Le("SELECT TREM_LOGRADOURO FROM TB_REMESSA WHERE TREM_ID = 2"), "Avenida Espana");
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA UM");
  EXPECT_EQ(focado(), edit("edtLogradouro"));
  EXPECT_EQ(editor->Contador(), u"1/2");
  // A key not found leaves the cursor where it was but still focuses the field.
  editor->Posicionar(QStringLiteral("99"), QStringLiteral("8"), QStringLiteral("9"));
  esvazia();
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA UM");
  EXPECT_EQ(focado(), edit("edtNome"));

  // A new beneficiary that cannot be saved yet is given up only when the user says so.
  botao("btnBbAdd")->click();
  esvazia();
  escolhe("cbbInTipoBeneficiario", 1);
  m_caixa.responde(ResultadoMensagem::Nao);
  editor->Posicionar(QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("-1"));
  EXPECT_EQ(m_caixa.ultima().texto, u"Deseja cancelar as alterações?");
  EXPECT_TRUE(remessas().Inserindo());
  m_caixa.responde(ResultadoMensagem::Sim);
  editor->Posicionar(QStringLiteral("2"), QStringLiteral("8"), QStringLiteral("-1"));
  EXPECT_EQ(edit("edtNome")->text(), u"EMPRESA DOIS");
}

TEST_F(EditorRemessa, GravaEmTransacaoPropriaSemConfirmarOTrabalhoDosOutros) {
  Abre();
  // Another collection's pending work on the same connection.
  bd::Transacao outra(*TColecao::GetBancoDeclaracao(), {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                                         QStringLiteral("nowait")});
  bd::Consulta pendente(outra, QStringLiteral("INSERT INTO TB_PAIS VALUES (999, 'PENDENTE')"));
  pendente.executa();
  identifica(0, QStringLiteral("N1"), QStringLiteral("JUAN BENITEZ"));
  saiParaArvore();
  ASSERT_EQ(Conta("TB_REMESSA"), 1);
  outra.rollback();
  EXPECT_EQ(Le("SELECT COUNT(*) FROM TB_PAIS WHERE TPAI_CD = 999"), "0");
  EXPECT_EQ(Conta("TB_REMESSA"), 1);
}

TEST_F(EditorRemessa, EstadoDaPaginaComecaDeNovoEmCadaDeclaracao) {
  Roda(kInsereRemessa.arg(1).arg(QStringLiteral("2")).arg(QStringLiteral("PY1")).arg(QStringLiteral("530"))
           .arg(QStringLiteral("EMPRESA UM")));
  Abre();
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("-1"));
  esvazia();
  EXPECT_EQ(editor->Contador(), u"1/1");
  const int paises = combo("cbbCdPais")->count();
  foca(grade());
  editor->IncluiValor();
  celula(Col::ColFormaTributacao, QStringLiteral("77"));
  ASSERT_EQ(m_caixa.ultima().texto, u"Forma de tributação inválida");

  // The same page bound again starts on a new beneficiary, with nothing kept of the last binding:
  // the lists read once, no refused taxation form waiting to refuse the next save.
  editor->Finaliza();
  TContextoPagina contexto;
  contexto.declaracao = &m_tolv;
  editor->Inicializa(contexto);
  esvazia();
  EXPECT_EQ(editor->Contador(), u"2/2");
  EXPECT_TRUE(remessas().Inserindo());
  EXPECT_FALSE(editor->EdicaoInvalida());
  EXPECT_EQ(combo("cbbCdPais")->count(), paises);
  EXPECT_EQ(editor->Edicao().FormasTributacao().size(), 2u);
  editor->Posicionar(QStringLiteral("1"), QStringLiteral("8"), QStringLiteral("18"));
  esvazia();
  editor->IncluiValor();
  m_caixa.limpa();
  linha("10/03/2013", "0473", "110", "40", "1000", "");
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Conta("TB_VALOR_REMESSA"), 1);
}

}  // namespace

namespace {

struct CasoTabulacaoRemessa {
  const char* nome;
  int guardados;  // company beneficiaries stored, with a payment line each
  bool paraTras;
};

class TabulacaoRemessa : public EditorRemessa, public testing::WithParamInterface<CasoTabulacaoRemessa> {};

// Every stop of the Tab order, forward and back, on a new beneficiary and on stored ones with
// their lines, is a control the user sees and can type into.
TEST_P(TabulacaoRemessa, CadaParadaEhUmControleVisivelEHabilitado) {
  const CasoTabulacaoRemessa& c = GetParam();
  for (int i = 1; i <= c.guardados; ++i) {
    Roda(kInsereRemessa.arg(i).arg(QStringLiteral("2")).arg(QStringLiteral("NIF%1").arg(i)).arg(QStringLiteral("530"))
             .arg(QStringLiteral("EMPRESA %1").arg(QChar(u'A' + i))));
    Roda(kInsereLinha.arg(i).arg(i).arg(1000).arg(150));
  }
  Abre();
  if (c.guardados > 0) botao("btnBbPrior")->click();
  foca(combo("cbbInTipoBeneficiario"));
  EXPECT_EQ(secoes_teste::ParadasInalcancaveis(janela.get(), 40, c.paraTras), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Estados, TabulacaoRemessa,
                         testing::Values(CasoTabulacaoRemessa{"Novo", 0, false}, CasoTabulacaoRemessa{"NovoParaTras", 0, true},
                                         CasoTabulacaoRemessa{"Guardados", 2, false},
                                         CasoTabulacaoRemessa{"GuardadosParaTras", 2, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

}  // namespace

namespace {

// The whole country table is offered, by name; typing the first letters in the box finds the
// country, and the beneficiary is stored with its code.
TEST_F(EditorRemessa, PaisEscolhidoDigitandoONomeEntreTodosOsPaises) {
  Abre();
  QComboBox* pais = combo("cbbCdPais");
  ASSERT_EQ(pais->count(), 249);
  EXPECT_EQ(pais->itemText(0), u"AFEGANISTAO");
  for (int i = 1; i < pais->count(); ++i)
    ASSERT_LT(QString::localeAwareCompare(pais->itemText(i - 1), pais->itemText(i)), 0) << i;
  escolhe("cbbInTipoBeneficiario", 0);
  foca(pais);
  QTest::keyClicks(pais, QStringLiteral("urug"));
  EXPECT_EQ(pais->currentText(), u"URUGUAI");
  digita("edtNIF", QStringLiteral("UY77"));
  digita("edtNome", QStringLiteral("Pablo Suarez"));
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Le("SELECT TREM_CD_PAIS || ' ' || TREM_NIF FROM TB_REMESSA"), "845 UY77");
}

}  // namespace

namespace {

struct CasoDataMaxima {
  int mesEvento;       // 99: no event
  const char* evento;  // the special situation's event date; "" for none
  const char* abertura;
  const char* naGrade;
};

class DataMaximaRemessa : public EditorRemessa, public testing::WithParamInterface<CasoDataMaxima> {};

// From the moment the page is bound, a payment date may not pass the last day of the
// declaration's event month; once the lines are entered, not the event date itself.
TEST_P(DataMaximaRemessa, SegueOEventoDesdeAAbertura) {
  const CasoDataMaxima& c = GetParam();
  m_tolv.SetMesEvento(uint8_t(c.mesEvento));
  if (*c.evento) {
    m_tolv.SetSituacaoEspecial(1);
    m_tolv.SetDataEvento(QString::fromLatin1(c.evento));
  }
  Abre();
  const auto data = [](const char* texto) { return QDate::fromString(QString::fromLatin1(texto), QStringLiteral("dd/MM/yyyy")); };
  EXPECT_EQ(grade()->DataMaxima(), data(c.abertura));
  identifica(0, QStringLiteral("PY1"), QStringLiteral("Juan Benitez"));
  editor->IncluiValor();
  EXPECT_EQ(grade()->DataMaxima(), data(c.naGrade));
  m_caixa.limpa();
  EXPECT_TRUE(celula(Col::ColData, QString::fromLatin1(c.naGrade)));
  if (data(c.naGrade).month() < 12) {
    EXPECT_FALSE(celula(Col::ColData, data(c.naGrade).addDays(1).toString(QStringLiteral("dd/MM/yyyy"))));
    EXPECT_EQ(Mensagens(), QStringList{QStringLiteral("A data de remessa não pode ser posterior a %1.")
                                           .arg(QString::fromLatin1(c.naGrade))});
  }
}

INSTANTIATE_TEST_SUITE_P(Eventos, DataMaximaRemessa,
                         testing::Values(CasoDataMaxima{99, "", "31/12/2013", "31/12/2013"},
                                         CasoDataMaxima{12, "20/12/2013", "31/12/2013", "20/12/2013"},
                                         CasoDataMaxima{6, "10/06/2013", "30/06/2013", "10/06/2013"},
                                         CasoDataMaxima{2, "05/02/2013", "28/02/2013", "05/02/2013"}));

}  // namespace

namespace {

struct CasoMarcaNi {
  int tipo;  // 0 person, 1 company
  const char* ni;
  const char* marca;
};

class MarcaNiRemessa : public EditorRemessa, public testing::WithParamInterface<CasoMarcaNi> {};

// The beneficiary's person/company mark follows the number's label when stored, with or
// without a number typed.
TEST_P(MarcaNiRemessa, SegueORotuloDoNumero) {
  const CasoMarcaNi& c = GetParam();
  m_tolv.GetContribuinte().SetNi(QStringLiteral("52998224725"));  // a person declarant: no relation asked
  Abre();
  identifica(c.tipo, QStringLiteral("PY9"), QStringLiteral("Juan Benitez"));
  if (*c.ni) digita("edtNI", QString::fromLatin1(c.ni));
  saiParaArvore();
  EXPECT_TRUE(m_caixa.chamadas().empty()) << Mensagens().join(u'|').toStdString();
  EXPECT_EQ(Le("SELECT TREM_IN_PF_PJ || '|' || COALESCE(TREM_NI, '') FROM TB_REMESSA"), QString::fromLatin1(c.marca));
}

INSTANTIATE_TEST_SUITE_P(Numeros, MarcaNiRemessa,
                         testing::Values(CasoMarcaNi{0, "", "1|"}, CasoMarcaNi{1, "", "2|"},
                                         CasoMarcaNi{0, "52998224725", "1|529982247"},
                                         CasoMarcaNi{1, "11444777000161", "2|114447770001"}));

}  // namespace
