// Checks the shipped revenue-code table on a copy of the built databases: row by row through the
// database layer, code by code through the revenue-code collection.
#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>

#include "DeclaracaoTeste.h"
#include "nucleo/TCodigoRetencao.h"
#include "nucleo/TColecaoCodigoRetencao.h"
#include "nucleo/TTolv.h"
#include "plataforma/bd/Conexao.h"
#include "plataforma/bd/Consulta.h"
#include "plataforma/bd/Transacao.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/FalhasBancoRegistradas.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

const char* const kColunas =
    "ANO, COD_RETENCAO, ANEXO, PF_PJ_AMBOS, RESUMO, REGIME, COMPROVANTE, DEDUCAO, "
    "RENDIMENTOS_ISENTOS, IN4, SUBJUDICE, NAT_DECLARANTE, DECIMO_TERCEIRO";

// Every row of CODRET as its columns (in the order above), keyed by "year code annex".
QMap<QString, QStringList> LeTabela(const QString& banco) {
  QMap<QString, QStringList> linhas;
  bd::Conexao conexao(banco);
  conexao.conecta();
  bd::Transacao transacao(conexao);
  bd::Consulta consulta(transacao, QStringLiteral("SELECT %1 FROM CODRET").arg(QString::fromLatin1(kColunas)));
  for (consulta.abre(); !consulta.eof(); consulta.proximo()) {
    QStringList c;
    for (int i = 1; i <= consulta.quantidadeCampos(); ++i) c << consulta.campo(i).texto();
    linhas.insert(c[0] + ' ' + c[1] + ' ' + c[2], c);
  }
  return linhas;
}

class TabelaCodRet : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_pasta = new PastaProgramaTemp(true);
    s_indice = new QMap<QString, QStringList>(LeTabela(s_pasta->dados() + "/Tolv.FDB"));
    s_modelo = new QMap<QString, QStringList>(LeTabela(s_pasta->dados() + "/TOLV2014PD.FDB"));
  }
  static void TearDownTestSuite() {
    delete s_indice;
    delete s_modelo;
    delete s_pasta;
  }
  void SetUp() override {
    FalhaBanco = FalhaBancoIndice = false;
    m_tolv.GetContribuinte().SetNi(QStringLiteral("11444777000161"));
    m_tolv.SetAnoCalendario(QStringLiteral("2013"));
  }
  void TearDown() override {
    m_tolv.LiberaItens();
    TColecao::FechaConexoes();
    EXPECT_TRUE(m_caixa.chamadas().empty());
    EXPECT_TRUE(m_falhas.falhas().empty());
  }

  // Whether the table holds the row of that year, code and annex kind.
  bool Existe(const char* ano, const char* codigo, const char* anexo) {
    TCodigoRetencao c = declaracao_teste::Pedido(ano, anexo, codigo);
    return m_tolv.GetColecaoCodigoRetencao().BuscaCodigo(c) &&
           m_tolv.GetColecaoCodigoRetencao().GetOrigem() == TColecaoCodigoRetencao::kAno;
  }
  // The row as the collection reads it for a declarant of that nature; empty when absent.
  TCodigoRetencao Codigo(const char* ano, const char* codigo, const char* anexo, int natureza = 0) {
    m_tolv.SetCodigoNatureza(natureza);
    TCodigoRetencao c = declaracao_teste::Pedido(ano, anexo, codigo);
    if (!m_tolv.GetColecaoCodigoRetencao().BuscaCodigo(c) ||
        m_tolv.GetColecaoCodigoRetencao().GetOrigem() != TColecaoCodigoRetencao::kAno)
      return {};
    return c;
  }

  static PastaProgramaTemp* s_pasta;
  static QMap<QString, QStringList>* s_indice;
  static QMap<QString, QStringList>* s_modelo;
  CaixaMensagemFalsa m_caixa;
  FalhasBancoRegistradas m_falhas;
  TTolv m_tolv;
};
PastaProgramaTemp* TabelaCodRet::s_pasta = nullptr;
QMap<QString, QStringList>* TabelaCodRet::s_indice = nullptr;
QMap<QString, QStringList>* TabelaCodRet::s_modelo = nullptr;

TEST_F(TabelaCodRet, IndexAndTemplateHoldTheSameRows) {
  ASSERT_GT(s_indice->size(), 100);
  EXPECT_EQ(*s_indice, *s_modelo);
}

TEST_F(TabelaCodRet, BothCalendarYearsHoldTheSameCodes) {
  int em2013 = 0;
  for (auto it = s_indice->cbegin(); it != s_indice->cend(); ++it) {
    if (it.value()[0] != "2013") continue;
    ++em2013;
    QStringList esperada = it.value();
    esperada[0] = "2014";
    EXPECT_EQ(s_indice->value("2014 " + it.value()[1] + ' ' + it.value()[2]), esperada);
  }
  EXPECT_EQ(em2013, int(std::count_if(s_indice->cbegin(), s_indice->cend(),
                                      [](const QStringList& l) { return l[0] == "2014"; })));
}

TEST_F(TabelaCodRet, SalariesAdmitDeductionsThirteenthAndTheirExemptKinds) {
  const TCodigoRetencao c = Codigo("2013", "0561", "0");
  EXPECT_EQ(c.GetCodigo(), "0561");
  EXPECT_EQ(c.GetPfPjAmbos(), "F");
  EXPECT_TRUE(c.GetDeducaoPO() && c.GetDeducaoPP() && c.GetDeducaoDP() && c.GetDeducaoPA());
  EXPECT_TRUE(c.GetDecimoTerceiro());
  EXPECT_TRUE(c.GetSubJudice());
  EXPECT_TRUE(c.GetIsentoRip65() && c.GetIsentoMolestia() && c.GetIsentoBolsa() && c.GetIsentoLucroTitular());
  EXPECT_TRUE(c.GetNaturezas().contains('9'));
  // The cup volunteers' exemption belongs to 0588 alone.
  EXPECT_FALSE(c.GetIsentoCopa());
  EXPECT_TRUE(Codigo("2014", "0588", "0").GetIsentoCopa());
}

TEST_F(TabelaCodRet, CourtCodesBelongToTheProcessAnnex) {
  EXPECT_EQ(Codigo("2013", "5928", "2").GetClasseJustica(), 1);
  EXPECT_EQ(Codigo("2013", "5936", "2").GetClasseJustica(), 2);
  EXPECT_EQ(Codigo("2013", "1895", "2").GetClasseJustica(), 3);
  EXPECT_EQ(Codigo("2004", "5928", "2").GetClasseJustica(), 0);
  // Labour-court payments may also be the declarant's own lines.
  EXPECT_TRUE(Existe("2013", "5936", "0"));
  EXPECT_FALSE(Existe("2013", "5928", "0"));
  EXPECT_FALSE(Existe("2013", "1895", "0"));
}

TEST_F(TabelaCodRet, FundAnnexAndAccumulatedIncomeHaveTheirOwnSections) {
  const TCodigoRetencao fundo = Codigo("2013", "6800", "1");
  EXPECT_EQ(fundo.GetAnexo(), "1");
  EXPECT_EQ(fundo.GetNaturezas(), "0348");
  // Income received cumulatively is described but is never a section's line.
  const TCodigoRetencao rra = Codigo("2013", "1889", "3");
  EXPECT_EQ(rra.GetResumo(), QStringLiteral("Rendimentos recebidos acumuladamente"));
  for (const char* anexo : {"0", "1", "2"}) EXPECT_FALSE(Existe("2013", "1889", anexo));
}

TEST_F(TabelaCodRet, ContributionCodesAreForCompaniesWithNoDeduction) {
  for (const char* codigo : {"3746", "4085", "5952", "6147", "8863", "9060"}) {
    const TCodigoRetencao c = Codigo("2013", codigo, "0");
    EXPECT_EQ(c.GetCodigo(), codigo);
    EXPECT_TRUE(c.GetIn4()) << codigo;
    EXPECT_EQ(c.GetPfPjAmbos(), "J") << codigo;
    EXPECT_FALSE(c.GetDeducaoPO() || c.GetDeducaoDP() || c.GetSubJudice()) << codigo;
  }
}

// The index upgrade rewrites these two rows; the shipped values must already be the result.
TEST_F(TabelaCodRet, PensionRowsMatchTheUpgradeValues) {
  for (const char* codigo : {"3540", "3556"}) {
    const QStringList c = s_indice->value(QStringLiteral("2013 %1 0").arg(QString::fromLatin1(codigo)));
    ASSERT_EQ(c.size(), 13) << codigo;
    EXPECT_EQ(c[7], "1;2;3;4");
    EXPECT_EQ(c[8], "1;5;6");
  }
}

}  // namespace
