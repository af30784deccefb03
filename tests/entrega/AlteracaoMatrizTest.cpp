#include <QApplication>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "entrega/TFoAssistAlteracao.h"
#include "nucleo/Cnpj.h"
#include "nucleo/DeclaracaoTeste.h"
#include "nucleo/Erros.h"
#include "nucleo/TColecao.h"
#include "nucleo/TColecaoTolv.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"

namespace {

const QString kRaiz = QStringLiteral("11444777");
const QString kMatriz = QStringLiteral("11444777000161");
const QString kFilial = QStringLiteral("11444777000242");
const QString kOutraEmpresa = QStringLiteral("33000167000101");
const QString kPessoa = QStringLiteral("12345678909");

QString Banco(const QString& ni, const QString& ano = QStringLiteral("2013")) {
  return QStringLiteral("TOLV2014") + ni + ano + QStringLiteral(".FDB");
}

// Another order of the head office's root whose check digits are the head office's own.
QString OrdemComOsMesmosDigitos() {
  for (int ordem = 2; ordem <= 9999; ++ordem) {
    const QString base = kRaiz + QStringLiteral("%1").arg(ordem, 4, 10, QLatin1Char('0'));
    if (TCnpj::CalculaDVCnpj(base) == kMatriz.right(2)) return base + kMatriz.right(2);
  }
  return {};
}

struct Declaracao {
  TErros erros;
  TTolv tolv;
  Declaracao() { tolv.SetErros(&erros); }
  ~Declaracao() { tolv.LiberaItens(); }
};

// The index with the head office's declaration of 2013 (its database marked with a row of its
// own), the wizard over it and the means to drive its pages.
class AlteracaoMatriz : public declaracao_teste::ComBancos {
 protected:
  void SetUp() override {
    ComBancos::SetUp();
    m_colecao = std::make_unique<TColecaoTolv>();
    Cria(kMatriz, "2013", "EMPRESA MATRIZ LTDA");
  }
  void TearDown() override {
    m_assistente.reset();
    m_trabalho.reset();
    m_colecao.reset();
    ComBancos::TearDown();
  }

  void Cria(const QString& ni, const char* ano, const QString& nome) {
    Declaracao d;
    TTolv& t = d.tolv;
    t.GetContribuinte().SetNi(ni);
    t.GetContribuinte().GetNome().SetValor(nome);
    t.GetEstabelecimentoResponsavel().SetNi(ni);
    t.SetAnoCalendario(QString::fromLatin1(ano));
    t.SetNatureza(t.GetNaturezas().BuscaNatureza(ni.size() == 11 ? 9 : 0));
    TResponsavel& r = t.GetResponsavel();
    r.SetNi(QStringLiteral("98765432100"));
    r.GetNome().SetValor(QStringLiteral("FULANO DE TAL"));
    r.GetFone().GetDDD().SetValor(QStringLiteral("61"));
    r.GetFone().GetNumero().SetValor(QStringLiteral("33334444"));
    m_colecao->Inclui(t);
    m_colecao->Atualiza();
    Marca(Banco(ni, QString::fromLatin1(ano)), ni);
  }
  // A row of the declaration's own, to tell where its data went.
  void Marca(const QString& arquivo, const QString& ni) const {
    m_pasta.roda(arquivo, QStringLiteral("INSERT INTO FONTES (FONTE_DK, IN_TIPO, NR_PF_PJ) VALUES (5, 1, '%1')").arg(ni));
  }
  QString MarcaDe(const QString& arquivo) const {
    return m_pasta.le(arquivo, QStringLiteral("SELECT NR_PF_PJ FROM FONTES WHERE FONTE_DK = 5"));
  }
  QString LeIndice(const QString& sql) const { return m_pasta.le(QStringLiteral("Tolv.FDB"), sql); }
  QStringList ArquivosDados() const {
    QStringList r = QDir(m_pasta.dados()).entryList(QDir::Files, QDir::Name).filter(QStringLiteral("TOLV2014"));
    r.removeAll(QStringLiteral("TOLV2014PD.FDB"));
    return r;
  }

  template <class T>
  T* Filho(const char* nome) {
    T* f = m_assistente->findChild<T*>(QString::fromLatin1(nome));
    EXPECT_NE(f, nullptr) << nome;
    return f;
  }

  // Pages 1 and 2, the row of the number chosen, page 3.
  void AbreNoCnpj(const QString& ni, const QString& ano = QStringLiteral("2013")) {
    m_trabalho = std::make_unique<Declaracao>();
    m_assistente = std::make_unique<TFoAssistAlteracao>(nullptr, *m_colecao, m_trabalho->tolv);
    m_assistente->show();
    m_assistente->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == m_assistente.get(); }));
    m_assistente->BtnAvancarClick();
    ASSERT_EQ(m_assistente->PaginaAtual(), 2);
    auto* grade = Filho<QTableWidget>("DBGrDeclaracao");
    int linha = -1;
    for (int i = 0; i < grade->rowCount(); ++i)
      if (grade->item(i, 0)->text() == TFoAssistAlteracao::DevolveFormatadoNi(ni) && grade->item(i, 2)->text() == ano)
        linha = i;
    ASSERT_GE(linha, 0) << ni.toStdString();
    grade->setCurrentCell(linha, 0);
    m_assistente->BtnAvancarClick();
    ASSERT_EQ(m_assistente->PaginaAtual(), 3);
    EXPECT_FALSE(m_assistente->AvancarHabilitado());
  }

  void Digita(const char* caixa, const QString& texto) {
    QLineEdit* c = Filho<QLineEdit>(caixa);
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, texto);
  }
  // The new order and check digits typed as a user does; the check-digit box is left at the end.
  void DigitaCnpj(const QString& cnpj) {
    Digita("DeCpfCnpj4", cnpj.mid(8, 4));
    if (Filho<QLineEdit>("DeCpfCnpj5")->text() != cnpj.mid(12, 2)) Digita("DeCpfCnpj5", cnpj.mid(12, 2));
    Filho<QLineEdit>("DeCpfCnpj4")->setFocus();
  }
  void Conclui() {
    m_assistente->BtnAvancarClick();
    ASSERT_EQ(m_assistente->PaginaAtual(), 4);
    EXPECT_FALSE(m_assistente->AvancarHabilitado());
    m_assistente->BtnOKClick();
    EXPECT_EQ(m_assistente->result(), QDialog::Accepted);
  }
  QStringList Mensagens() const {
    QStringList r;
    for (const auto& c : m_caixa.chamadas()) r << c.texto;
    return r;
  }

  std::unique_ptr<TColecaoTolv> m_colecao;
  std::unique_ptr<Declaracao> m_trabalho;
  std::unique_ptr<TFoAssistAlteracao> m_assistente;
};

// The routes of a change that is stored: the new number takes the row and the database follows.
struct CasoAlteracao {
  const char* nome;
  bool outroAnoOcupado;  // the new number already has a declaration of 2012
  bool mesmosDigitos;    // the new order keeps the head office's check digits
};

class AlteracaoAceita : public AlteracaoMatriz, public testing::WithParamInterface<CasoAlteracao> {};

TEST_P(AlteracaoAceita, TheRowAndTheDatabaseTakeTheNewNumber) {
  const CasoAlteracao& caso = GetParam();
  const QString novo = caso.mesmosDigitos ? OrdemComOsMesmosDigitos() : kFilial;
  ASSERT_EQ(novo.size(), 14);
  if (caso.outroAnoOcupado) Cria(novo, "2012", "EMPRESA FILIAL LTDA");
  AbreNoCnpj(kMatriz);
  EXPECT_EQ(Filho<QLineEdit>("DeCpfCnpjOriginal")->text(), "11.444.777/0001-61");
  EXPECT_EQ(Filho<QLineEdit>("DeNome")->text(), "EMPRESA MATRIZ LTDA");

  DigitaCnpj(novo);
  EXPECT_TRUE(m_assistente->AvancarHabilitado());
  EXPECT_EQ(m_assistente->CnpjNovo(), novo);
  Conclui();

  EXPECT_TRUE(Mensagens().isEmpty()) << Mensagens().join(u'\n').toStdString();
  EXPECT_TRUE(m_assistente->Alterada());
  EXPECT_EQ(m_assistente->Mensagem(), "Base de dados alterada com sucesso.");
  EXPECT_EQ(Filho<QLineEdit>("edtCnpj4")->text(), novo.mid(8, 4));
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), novo);
  m_assistente.reset();
  m_colecao.reset();
  TColecao::FechaConexoes();

  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || ARQUIVO FROM TOLVS WHERE AN_RETENCA = '2013'"),
            novo.left(12) + u'|' + Banco(novo));
  EXPECT_EQ(MarcaDe(Banco(novo)), kMatriz);
  QStringList esperados{Banco(novo)};
  if (caso.outroAnoOcupado) {
    esperados << Banco(novo, QStringLiteral("2012"));
    EXPECT_EQ(MarcaDe(Banco(novo, QStringLiteral("2012"))), novo);
    EXPECT_EQ(LeIndice("SELECT COUNT(*) FROM TOLVS WHERE AN_RETENCA = '2012' AND NR_PF_PJ = '" + novo.left(12) + "'"), "1");
  }
  esperados.sort();
  EXPECT_EQ(ArquivosDados(), esperados);
}

INSTANTIATE_TEST_SUITE_P(Rotas, AlteracaoAceita,
                         testing::Values(CasoAlteracao{"OutraOrdem", false, false},
                                         CasoAlteracao{"OutroAnoOcupado", true, false},
                                         CasoAlteracao{"MesmosDigitos", false, true}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(AlteracaoMatriz, ANumberTakenInTheSameYearIsRefusedAndNothingMoves) {
  Cria(kFilial, "2013", "EMPRESA FILIAL LTDA");
  AbreNoCnpj(kMatriz);
  DigitaCnpj(kFilial);
  ASSERT_TRUE(m_assistente->AvancarHabilitado());
  Conclui();

  EXPECT_FALSE(m_assistente->Alterada());
  EXPECT_EQ(m_assistente->Mensagem(), "CNPJ 11.444.777/0002-42 já cadastrado na base.");
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), kMatriz);
  m_assistente.reset();
  m_colecao.reset();
  TColecao::FechaConexoes();

  EXPECT_EQ(LeIndice("SELECT LIST(NR_PF_PJ || '=' || ARQUIVO, ';') FROM (SELECT NR_PF_PJ, ARQUIVO FROM TOLVS ORDER BY 1)"),
            "114447770001=" + Banco(kMatriz) + ";114447770002=" + Banco(kFilial));
  EXPECT_EQ(MarcaDe(Banco(kMatriz)), kMatriz);
  EXPECT_EQ(MarcaDe(Banco(kFilial)), kFilial);
  EXPECT_EQ(ArquivosDados(), (QStringList{Banco(kMatriz), Banco(kFilial)}));
}

TEST_F(AlteracaoMatriz, ADatabaseThatCannotBeRenamedLeavesTheRowAndTheFileAsTheyWere) {
  AbreNoCnpj(kMatriz);
  DigitaCnpj(kFilial);
  ASSERT_TRUE(m_assistente->AvancarHabilitado());
  {
    // Another program holds the database.
    bd::Conexao outra(m_pasta.dados() + u'/' + Banco(kMatriz));
    outra.conecta();
    Conclui();
    outra.desconecta();
  }
  EXPECT_FALSE(m_assistente->Alterada());
  EXPECT_EQ(m_assistente->Mensagem(), "Erro: Base de dados não foi alterada.");
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_EQ(m_caixa.ultima().titulo, "Erro");
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), kMatriz);
  m_assistente.reset();
  m_colecao.reset();
  TColecao::FechaConexoes();

  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || ARQUIVO FROM TOLVS"), "114447770001|" + Banco(kMatriz));
  EXPECT_EQ(MarcaDe(Banco(kMatriz)), kMatriz);
  EXPECT_EQ(m_pasta.le(Banco(kMatriz), QStringLiteral("SELECT NR_PF_PJ FROM TOLVS")), "114447770001");
  EXPECT_EQ(ArquivosDados(), QStringList{Banco(kMatriz)});
}

TEST_F(AlteracaoMatriz, AChangeTheIndexRefusesToKeepLeavesTheRowTheHeaderAndTheFileAsTheyWere) {
  m_colecao.reset();
  TColecao::FechaConexoes();
  declaracao_teste::RecusaConfirmacao(m_pasta, QStringLiteral("Tolv.FDB"),
                                      QStringLiteral("EXISTS (SELECT 1 FROM TOLVS WHERE NR_PF_PJ = '114447770002')"));
  m_colecao = std::make_unique<TColecaoTolv>();
  AbreNoCnpj(kMatriz);
  DigitaCnpj(kFilial);
  ASSERT_TRUE(m_assistente->AvancarHabilitado());
  Conclui();
  EXPECT_FALSE(m_assistente->Alterada());
  EXPECT_EQ(m_assistente->Mensagem(), "Erro: Base de dados não foi alterada.");
  // Reported for the program's guard to show; the wizard goes on.
  ASSERT_FALSE(m_falhas.falhas().empty());
  EXPECT_TRUE(m_falhas.falhas().front().Mensagem().contains(QStringLiteral("confirmacao recusada")));
  EXPECT_FALSE(m_falhas.falhas().front().Fatal());
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), kMatriz);
  m_assistente.reset();
  m_colecao.reset();
  TColecao::FechaConexoes();

  EXPECT_EQ(LeIndice("SELECT NR_PF_PJ || '|' || ARQUIVO FROM TOLVS"), "114447770001|" + Banco(kMatriz));
  EXPECT_EQ(MarcaDe(Banco(kMatriz)), kMatriz);
  EXPECT_EQ(m_pasta.le(Banco(kMatriz), QStringLiteral("SELECT NR_PF_PJ FROM TOLVS")), "114447770001");
  EXPECT_EQ(ArquivosDados(), QStringList{Banco(kMatriz)});
}

TEST_F(AlteracaoMatriz, WrongCheckDigitsAreToldWithTheNumberFormatted) {
  AbreNoCnpj(kMatriz);
  DigitaCnpj(kRaiz + QStringLiteral("000299"));
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  EXPECT_EQ(Mensagens(), QStringList{"CNPJ inválido: 11.444.777/0002-99."});
  EXPECT_TRUE(Filho<QLineEdit>("DeCpfCnpj4")->hasFocus());
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), kMatriz);

  // Only the check digits retyped, with the old order: not another establishment.
  m_caixa.limpa();
  DigitaCnpj(kRaiz + QStringLiteral("000142"));
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  EXPECT_TRUE(Mensagens().isEmpty());

  // Corrected, the page may be left.
  DigitaCnpj(kFilial);
  EXPECT_TRUE(m_assistente->AvancarHabilitado());
  // Any change blocks Avançar again until the boxes are left.
  Digita("DeCpfCnpj5", QStringLiteral("4"));
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
}

// Enter in the check-digit box is Avançar: once the new number was accepted the change is stored,
// and the box, which may keep the focus on the last page, checks nothing more when it is left.
TEST_F(AlteracaoMatriz, EnterInTheCheckDigitBoxStoresTheChangeOnce) {
  AbreNoCnpj(kMatriz);
  QLineEdit* digitos = Filho<QLineEdit>("DeCpfCnpj5");
  Digita("DeCpfCnpj4", kFilial.mid(8, 4));
  digitos->setFocus();
  // Typed but not yet left: Avançar waits for the check, and Enter does nothing.
  QTest::keyClick(digitos, Qt::Key_Backspace);
  QTest::keyClick(digitos, Qt::Key_Return);
  EXPECT_EQ(m_assistente->PaginaAtual(), 3);
  DigitaCnpj(kFilial);
  ASSERT_TRUE(m_assistente->AvancarHabilitado());
  digitos->setFocus();
  // As the platform may hand it over: not yet accepted, so it would climb to every parent.
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(digitos, &enter);
  EXPECT_EQ(m_assistente->PaginaAtual(), 4);
  EXPECT_TRUE(m_assistente->Alterada());
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  if (QWidget* foco = QApplication::focusWidget()) foco->clearFocus();
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  EXPECT_TRUE(Mensagens().isEmpty()) << Mensagens().join(u'\n').toStdString();
  EXPECT_EQ(m_trabalho->tolv.GetContribuinte().GetNiDigitos(), kFilial);
}

TEST_F(AlteracaoMatriz, TheListHoldsOnlyCompaniesByNumberAndOnlyCancelarWhenEmpty) {
  Cria(kOutraEmpresa, "2013", "OUTRA EMPRESA SA");
  Cria(kPessoa, "2013", "FULANO DE TAL");
  Cria(kFilial, "2012", "EMPRESA FILIAL LTDA");
  m_trabalho = std::make_unique<Declaracao>();
  m_assistente = std::make_unique<TFoAssistAlteracao>(nullptr, *m_colecao, m_trabalho->tolv);
  m_assistente->show();
  m_assistente->BtnAvancarClick();
  auto* grade = Filho<QTableWidget>("DBGrDeclaracao");
  QStringList linhas;
  for (int i = 0; i < grade->rowCount(); ++i)
    linhas << grade->item(i, 0)->text() + u'|' + grade->item(i, 1)->text() + u'|' + grade->item(i, 2)->text();
  EXPECT_EQ(linhas, (QStringList{"11.444.777/0001-61|EMPRESA MATRIZ LTDA|2013", "11.444.777/0002-42|EMPRESA FILIAL LTDA|2012",
                                 "33.000.167/0001-01|OUTRA EMPRESA SA|2013"}));
  EXPECT_EQ(m_assistente->QuantidadeListada(), 3);
  EXPECT_TRUE(m_assistente->AvancarHabilitado());

  // Without company declarations, only Cancelar leads anywhere.
  m_assistente.reset();
  m_pasta.roda(QStringLiteral("Tolv.FDB"), QStringLiteral("DELETE FROM TOLVS WHERE IN_PF_PJ = '2'"));
  m_assistente = std::make_unique<TFoAssistAlteracao>(nullptr, *m_colecao, m_trabalho->tolv);
  m_assistente->show();
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->QuantidadeListada(), 0);
  EXPECT_FALSE(m_assistente->AvancarHabilitado());
  m_assistente->BtnAvancarClick();
  EXPECT_EQ(m_assistente->PaginaAtual(), 2);
  m_assistente->CancelBtnClick();
  EXPECT_EQ(m_assistente->result(), QDialog::Rejected);
}

TEST(DevolveFormatadoNi, MasksOnlyFourteenDigits) {
  EXPECT_EQ(TFoAssistAlteracao::DevolveFormatadoNi("11444777000242"), "11.444.777/0002-42");
  EXPECT_EQ(TFoAssistAlteracao::DevolveFormatadoNi("1144477700024"), "1144477700024");
  EXPECT_EQ(TFoAssistAlteracao::DevolveFormatadoNi(""), "");
}

}  // namespace
