// Checks the shipped revenue-code table on a copy of the built databases, read with isql.
#include <gtest/gtest.h>

#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "nucleo/TCodigoRetencao.h"
#include "suporte/PastaProgramaTemp.h"
#include "suporte/QtGtest.h"

namespace {

const char* const kColunas =
    "ANO, COD_RETENCAO, ANEXO, PF_PJ_AMBOS, RESUMO, REGIME, COMPROVANTE, DEDUCAO, "
    "RENDIMENTOS_ISENTOS, IN4, SUBJUDICE, NAT_DECLARANTE, DECIMO_TERCEIRO";

// Every row of CODRET as its columns (in the order above) joined by '|', keyed by
// "year code annex", read with isql from the given database file.
QMap<QString, QStringList> LeTabela(const QString& banco) {
  QMap<QString, QStringList> linhas;
  const QString isql = QStandardPaths::findExecutable("isql-fb");
  EXPECT_FALSE(isql.isEmpty()) << "isql-fb not found";
  if (isql.isEmpty()) return linhas;
  QProcess p;
  p.start(isql, {"-q", "-ch", "UTF8", "-user", "SYSDBA", "-password", "quintapel", banco});
  const QString colunas = QString::fromLatin1(kColunas).replace(", ", " || '|' || ");
  p.write(QStringLiteral("SET HEADING OFF;\nSELECT '#' || %1 FROM CODRET;\nQUIT;\n")
              .arg(colunas)
              .toUtf8());
  p.closeWriteChannel();
  EXPECT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  for (const QString& linha : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
    const QString t = linha.trimmed();
    if (!t.startsWith('#')) continue;
    const QStringList c = t.mid(1).split('|');
    linhas.insert(c[0] + ' ' + c[1] + ' ' + c[2], c);
  }
  return linhas;
}

class TabelaCodRet : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    PastaProgramaTemp pasta(true);
    s_indice = new QMap<QString, QStringList>(LeTabela(pasta.dados() + "/Tolv.FDB"));
    s_modelo = new QMap<QString, QStringList>(LeTabela(pasta.dados() + "/TOLV2014PD.FDB"));
  }
  static void TearDownTestSuite() {
    delete s_indice;
    delete s_modelo;
  }

  static QStringList Linha(const char* ano, const char* codigo, const char* anexo) {
    return s_indice->value(QStringLiteral("%1 %2 %3").arg(ano, codigo, anexo));
  }
  static TCodigoRetencao Codigo(const char* ano, const char* codigo, const char* anexo,
                                uint8_t natureza = 0) {
    const QStringList c = Linha(ano, codigo, anexo);
    TCodigoRetencao r;
    if (c.size() == 13)
      r.CarregaColunas({c[0], c[1], c[3], c[4], c[5], c[6], c[2], c[7], c[8], c[9], c[10], c[11], c[12]},
                       natureza);
    return r;
  }

  static QMap<QString, QStringList>* s_indice;
  static QMap<QString, QStringList>* s_modelo;
};
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
  EXPECT_TRUE(c.GetIsentoRip65() && c.GetIsentoMolestia() && c.GetIsentoBolsa() &&
              c.GetIsentoLucroTitular());
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
  EXPECT_FALSE(Linha("2013", "5936", "0").isEmpty());
  EXPECT_TRUE(Linha("2013", "5928", "0").isEmpty());
  EXPECT_TRUE(Linha("2013", "1895", "0").isEmpty());
}

TEST_F(TabelaCodRet, FundAnnexAndAccumulatedIncomeHaveTheirOwnSections) {
  const TCodigoRetencao fundo = Codigo("2013", "6800", "1");
  EXPECT_EQ(fundo.GetAnexo(), "1");
  EXPECT_EQ(fundo.GetNaturezas(), "0348");
  // Income received cumulatively is described but is never a section's line.
  const TCodigoRetencao rra = Codigo("2013", "1889", "3");
  EXPECT_EQ(rra.GetResumo(), QStringLiteral("Rendimentos recebidos acumuladamente"));
  for (const char* anexo : {"0", "1", "2"}) EXPECT_TRUE(Linha("2013", "1889", anexo).isEmpty());
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
    const QStringList c = Linha("2013", codigo, "0");
    ASSERT_EQ(c.size(), 13) << codigo;
    EXPECT_EQ(c[7], "1;2;3;4");
    EXPECT_EQ(c[8], "1;5;6");
  }
}

}  // namespace
