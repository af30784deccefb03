// The income-statement import over a real declaration database: the stored statements, the log
// pair and the report of rejected lines read back from its PDF.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "AnosAnterioresTeste.h"
#include "plataforma/relatorio/EscritaPdf.h"
#include "plataforma/relatorio/Relatorio.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/TextoPdf.h"
#include "validador/RelatorioErrosComprovante.h"
#include "validador/TArqComprovante.h"
#include "validador/TLogErros.h"

namespace {

using namespace anos_anteriores_teste;

const QString kRaiz = QStringLiteral("11444777000161_2013");

QStringList LinhasDe(const QString& arquivo) {
  const QString texto = Cp1252::decodifica(conteudo(arquivo));
  QStringList linhas = texto.split(QStringLiteral("\r\n"));
  if (!linhas.isEmpty() && linhas.last().isEmpty()) linhas.removeLast();
  return linhas;
}

QString SemBrancosFinais(QString texto) {
  while (texto.endsWith(u' ')) texto.chop(1);
  return texto;
}

class ImportacaoComprovante : public ComDeclaracoes {
 protected:
  void SetUp() override {
    ComDeclaracoes::SetUp();
    Cria();
  }

  // The file of the fixture: a good line, an empty one, short ones, bad amounts, a beneficiary
  // unknown to the declaration, a CPF with wrong check digits, a duplicate, a beneficiary whose
  // lines reach no statement, and a line of exactly 221 characters.
  QStringList Fixture() const {
    const QString boa = Linha(kAna, {Centavos(123456), Centavos(500), QString(), QString(), QString(), QString(), Centavos(9900)},
                              QStringLiteral("BOLSA DE ESTUDOS"), QStringLiteral("Informação útil ao beneficiário"));
    return {
        boa,
        QString(),
        QStringLiteral("52998224725 LINHA CURTA     "),
        Linha(kBia, {QString(15, u' '), QStringLiteral("00000000012A345")}),
        Linha(kCaio, {QString(), QString(), QString(), QStringLiteral("999999999999999")}),
        Linha(kFora),
        Linha(QStringLiteral("52998224726")),
        Linha(kAna, {Centavos(1)}),
        Linha(kFinanceiro),
        Linha(kCaio, {Centavos(700)}),
        Linha(kBia).left(220),
    };
  }
};

TEST_F(ImportacaoComprovante, StoresTheRightLinesAndLogsEveryRejectedOneWithItsReason) {
  TTolv& tolv = Abre();
  const QStringList linhas = Fixture();
  TArqComprovante leitor(tolv, Arquivo(linhas));
  leitor.Importa();

  EXPECT_EQ(leitor.GetLidas(), 11);
  EXPECT_EQ(leitor.GetImportadas(), 2);
  EXPECT_EQ(leitor.GetRejeitadas(), 8);
  EXPECT_EQ(leitor.GetRaizLog(), kRaiz);
  EXPECT_EQ(leitor.GetFalha(), QString());
  EXPECT_TRUE(m_caixa.chamadas().empty());

  const QString ana = QStringLiteral(" FROM COMPROVANTES_PF WHERE NR_PF = '529982247'");
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L1" + ana), QStringLiteral("1234,56"));
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L2" + ana), QStringLiteral("5"));
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L8" + ana), QStringLiteral("99"));
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L8DESCR" + ana), QStringLiteral("BOLSA DE ESTUDOS"));
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT INFO_COMPL" + ana), QStringLiteral("Informação útil ao beneficiário"));
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT Q4L1 FROM COMPROVANTES_PF WHERE NR_PF = '123456789'"), QStringLiteral("7"));
  // Rejected lines store nothing, not even their valid amounts.
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT COUNT(*) FROM COMPROVANTES_PF"), QStringLiteral("2"));

  const QStringList mensagens = LinhasDe(ErroImp() + kRaiz + QStringLiteral(".dsc"));
  EXPECT_EQ(mensagens, (QStringList{
                           QStringLiteral("Linha: 3 - Tamanho de Linha Inválido: 23"),
                           QStringLiteral("Linha: 4 - Aposentadoria: Valor inválido; Diarias: Valor inválido"),
                           QStringLiteral("Linha: 5 - Lucro de PJ: Valor excede o máximo permitido pelo programa: "
                                          "99.999.999.999,99"),
                           QStringLiteral("Linha: 6 - Beneficiário não consta da Tolv."),
                           QStringLiteral("Linha: 7 - CPF inválido: 529.982.247-26."),
                           QStringLiteral("Linha: 8 - Beneficiário duplicado no arquivo."),
                           QStringLiteral("Linha: 9 - ") + TArqComprovante::kSoFinanceiros,
                           QStringLiteral("Linha: 11 - Tamanho de Linha Inválido: 220"),
                       }));
  EXPECT_EQ(LinhasDe(ErroImp() + kRaiz + QStringLiteral(".txt")),
            (QStringList{SemBrancosFinais(linhas[2]), SemBrancosFinais(linhas[3]), SemBrancosFinais(linhas[4]),
                         SemBrancosFinais(linhas[5]), SemBrancosFinais(linhas[6]), SemBrancosFinais(linhas[7]),
                         SemBrancosFinais(linhas[8]), linhas[10]}));
  // The work files took their final names.
  EXPECT_FALSE(QFile::exists(ErroImp() + TLogErros::kArquivoMensagens));
  EXPECT_FALSE(QFile::exists(ErroImp() + TLogErros::kArquivoLinhas));
}

TEST_F(ImportacaoComprovante, TheReportPrintsEveryRejectedLineAndDeletesTheLog) {
  TTolv& tolv = Abre();
  TArqComprovante leitor(tolv, Arquivo(Fixture()));
  leitor.Importa();

  QTemporaryDir pasta;
  const QString pdf = pasta.filePath(QStringLiteral("erros.pdf"));
  QString falha;
  ASSERT_TRUE(ExecutaErrosImportComprovante(
      leitor.GetRaizLog(), leitor.GetRejeitadas(),
      [&](relatorio::Relatorio& rel) {
        QString erro;
        EXPECT_TRUE(relatorio::EscrevePdf(rel, pdf, &erro)) << erro.toStdString();
      },
      &falha));
  EXPECT_EQ(falha, QString());
  const QString texto = TextoPdf(pdf);
  for (const QString& esperado :
       {QStringLiteral("Relatório de Erros de Importação do Comprovante de Rendimentos"),
        QStringLiteral("Arquivo: ") + QFileInfo(ErroImp() + kRaiz + QStringLiteral(".dsc")).absoluteFilePath(),
        QStringLiteral("Descrição do erro:"), QStringLiteral("Linha: 3 - Tamanho de Linha Inválido: 23"),
        QStringLiteral("Linha: 4 - Aposentadoria: Valor inválido; Diarias: Valor inválido"),
        QStringLiteral("Linha: 6 - Beneficiário não consta da Tolv."),
        QStringLiteral("Linha: 8 - Beneficiário duplicado no arquivo."),
        QStringLiteral("Linha: 9 - Beneficiário possui apenas rendimentos financeiros."),
        QStringLiteral("Titular Microempr."), QStringLiteral("Descrição de Outros Rendimentos Isentos"),
        QStringLiteral("00000000012A345"), QStringLiteral("999999999999999"), QStringLiteral("22233344405"),
        QStringLiteral("Informações Complementares:"), QStringLiteral("Instruções:"),
        RelatorioErrosComprovante::Instrucoes()[0], RelatorioErrosComprovante::Instrucoes()[2],
        QStringLiteral("Data: ") + QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")),
        QStringLiteral("Página 1")})
    EXPECT_TRUE(texto.contains(esperado)) << esperado.toStdString() << "\n" << texto.toStdString();
  EXPECT_FALSE(QFile::exists(ErroImp() + kRaiz + QStringLiteral(".dsc")));
  EXPECT_FALSE(QFile::exists(ErroImp() + kRaiz + QStringLiteral(".txt")));
}

TEST_F(ImportacaoComprovante, WithNoRejectedLineTheReportPrintsNothingAndLeavesTheLog) {
  TTolv& tolv = Abre();
  TArqComprovante leitor(tolv, Arquivo({}));
  leitor.Importa();
  EXPECT_EQ(leitor.GetLidas(), 0);
  EXPECT_EQ(leitor.GetImportadas(), 0);
  EXPECT_EQ(leitor.GetRejeitadas(), 0);
  // An empty file gives an empty pair.
  EXPECT_EQ(QFileInfo(ErroImp() + kRaiz + QStringLiteral(".dsc")).size(), 0);
  EXPECT_EQ(QFileInfo(ErroImp() + kRaiz + QStringLiteral(".txt")).size(), 0);
  bool mostrou = false;
  EXPECT_FALSE(ExecutaErrosImportComprovante(kRaiz, 0, [&](relatorio::Relatorio&) { mostrou = true; }));
  EXPECT_FALSE(ExecutaErrosImportComprovante(QStringLiteral("  "), 3, [&](relatorio::Relatorio&) { mostrou = true; }));
  EXPECT_FALSE(mostrou);
  EXPECT_TRUE(QFile::exists(ErroImp() + kRaiz + QStringLiteral(".dsc")));
  // With a count but an empty pair nothing prints either, and the pair goes.
  EXPECT_TRUE(ExecutaErrosImportComprovante(kRaiz, 2, [&](relatorio::Relatorio&) { mostrou = true; }));
  EXPECT_FALSE(mostrou);
  EXPECT_FALSE(QFile::exists(ErroImp() + kRaiz + QStringLiteral(".dsc")));
}

TEST_F(ImportacaoComprovante, AFileThatCannotBeOpenedStopsBeforeAnythingAndWritesNoLog) {
  TTolv& tolv = Abre();
  m_caixa.responde(ResultadoMensagem::Nao);
  TArqComprovante leitor(tolv, m_pasta.caminho() + QStringLiteral("/nao-existe.txt"));
  leitor.Importa();
  EXPECT_EQ(leitor.GetLidas(), 0);
  EXPECT_EQ(leitor.GetImportadas() + leitor.GetRejeitadas(), 0);
  ASSERT_EQ(m_caixa.chamadas().size(), 1u);
  EXPECT_TRUE(m_caixa.ultima().texto.endsWith(QStringLiteral("nao-existe.txt. Tentar Novamente?")));
  EXPECT_TRUE(QDir(ErroImp()).entryList(QDir::Files).isEmpty());
}

TEST_F(ImportacaoComprovante, CancelStopsAfterTheLineInHand) {
  TTolv& tolv = Abre();
  TArqComprovante leitor(tolv, Arquivo({Linha(kAna, {Centavos(100)}), Linha(kBia, {Centavos(200)}), Linha(kCaio)}));
  leitor.Importa([&](int64_t lidos, int64_t total) {
    if (lidos < total) leitor.Cancela();
  });
  EXPECT_EQ(leitor.GetLidas(), 1);
  EXPECT_EQ(leitor.GetImportadas(), 1);
  EXPECT_EQ(Le(kMatriz, "2013", "SELECT COUNT(*) FROM COMPROVANTES_PF"), QStringLiteral("1"));
}

// Establishments and years of one company keep logs of their own.
TEST_F(ImportacaoComprovante, LogsOfOtherEstablishmentsAndYearsAreNeverOverwritten) {
  Cria(kFilial);
  Cria(kMatriz, QStringLiteral("2012"));
  const QString arquivo = Arquivo({Linha(kFora)});
  QStringList raizes;
  for (const auto& [ni, ano] : {std::pair{kMatriz, QStringLiteral("2013")}, std::pair{kFilial, QStringLiteral("2013")},
                                std::pair{kMatriz, QStringLiteral("2012")}}) {
    TTolv& tolv = Abre(ni, ano);
    TArqComprovante leitor(tolv, arquivo);
    leitor.Importa();
    EXPECT_EQ(leitor.GetRejeitadas(), 1);
    raizes << leitor.GetRaizLog();
    m_tolv.reset();
    m_indice.reset();
  }
  EXPECT_EQ(raizes, (QStringList{kRaiz, QStringLiteral("11444777000242_2013"), QStringLiteral("11444777000161_2012")}));
  for (const QString& raiz : raizes) {
    EXPECT_EQ(LinhasDe(ErroImp() + raiz + QStringLiteral(".dsc")),
              QStringList{QStringLiteral("Linha: 1 - Beneficiário não consta da Tolv.")})
        << raiz.toStdString();
  }
}

// A log that cannot be written, renamed or deleted is told, not lost in silence; the statements
// are stored all the same.
struct CasoFalha {
  const char* nome;
  const char* obstaculo;  // a folder put where the log wants a file
  const char* falha;
};

class FalhaDoLog : public ImportacaoComprovante, public testing::WithParamInterface<CasoFalha> {};

TEST_P(FalhaDoLog, IsReported) {
  const CasoFalha& caso = GetParam();
  ASSERT_TRUE(QDir().mkpath(ErroImp() + QString::fromLatin1(caso.obstaculo) + QStringLiteral("/dentro")));
  TTolv& tolv = Abre();
  TArqComprovante leitor(tolv, Arquivo({Linha(kAna, {Centavos(100)}), Linha(kFora)}));
  leitor.Importa();
  EXPECT_EQ(leitor.GetImportadas(), 1);
  EXPECT_TRUE(leitor.GetFalha().startsWith(QString::fromUtf8(caso.falha))) << leitor.GetFalha().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Arquivos, FalhaDoLog,
    testing::Values(CasoFalha{"Criacao", "Erros.txt", "Não foi possível criar o arquivo "},
                    CasoFalha{"Renomeacao", "11444777000161_2013.txt", "Não foi possível renomear "}),
    [](const testing::TestParamInfo<CasoFalha>& info) { return std::string(info.param.nome); });

TEST_F(ImportacaoComprovante, AReportWhoseLogCannotBeDeletedSaysSo) {
  ASSERT_TRUE(QDir().mkpath(ErroImp() + kRaiz + QStringLiteral(".txt/dentro")));
  ASSERT_TRUE(escreve(ErroImp() + kRaiz + QStringLiteral(".dsc"), "Linha: 1 - erro\r\n"));
  QString falha;
  EXPECT_TRUE(ExecutaErrosImportComprovante(kRaiz, 1, [](relatorio::Relatorio&) {}, &falha));
  EXPECT_TRUE(falha.contains(QStringLiteral("Não foi possível apagar o arquivo ") + ErroImp() + kRaiz +
                             QStringLiteral(".txt")))
      << falha.toStdString();
}

}  // namespace
