#include <gtest/gtest.h>

#include <QDirIterator>

#include "AnaliseArquivoTeste.h"
#include "nucleo/Cpf.h"

namespace {

using analise_teste::ComAnalise;

// The folder of the golden cases beside this file. The compiler may have seen this file by a path
// relative to the build folder.
QString PastaCasos() {
  const QDir build(QStringLiteral(TOLV_BANCOS_CONSTRUIDOS "/../.."));
  const QFileInfo fonte(build.absoluteFilePath(QString::fromUtf8(__FILE__)));
  QString pasta = fonte.absolutePath() + QStringLiteral("/dados");
  if (QFileInfo(pasta).isDir()) return pasta;
  QFile cache(build.filePath(QStringLiteral("CMakeCache.txt")));
  if (cache.open(QIODevice::ReadOnly))
    for (const QByteArray& linha : cache.readAll().split('\n'))
      if (linha.startsWith("CMAKE_HOME_DIRECTORY:INTERNAL="))
        pasta = QString::fromUtf8(linha.mid(30)).trimmed() + QStringLiteral("/tests/validador/dados");
  return pasta;
}

QByteArray Conteudo(const QString& caminho) {
  QFile arquivo(caminho);
  return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// Every folder of dados/ holds a declaration file and the findings log its analysis must write,
// byte for byte; a folder without dec.log expects no log at all.
TEST_F(ComAnalise, CadaCasoDaOLogEsperado) {
  const QDir pasta(PastaCasos());
  const QStringList casos = pasta.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  ASSERT_FALSE(casos.isEmpty()) << pasta.path().toStdString();
  for (const QString& caso : casos) {
    SCOPED_TRACE(caso.toStdString());
    const QString origem = pasta.filePath(caso);
    const QString log = m_pasta.dados() + QStringLiteral("/TEMP/") + caso + QStringLiteral(".log");
    const auto r = TAnalisadorArquivo::AnalisaArquivo(origem + QStringLiteral("/entrada.txt"), log);
    EXPECT_NE(r.versao, 0);
    EXPECT_TRUE(r.erroLog.isEmpty());
    const QString esperado = origem + QStringLiteral("/dec.log");
    ASSERT_EQ(QFileInfo::exists(log), QFileInfo::exists(esperado));
    if (QFileInfo::exists(esperado)) {
      EXPECT_EQ(Conteudo(log), Conteudo(esperado));
    }
  }
}

const QString kCabecalho = QStringLiteral("TOLV|2014|2013|N||F8UCL6S|");
const QString kRespo = QStringLiteral("RESPO|11144477735|JOSE DA SILVA|61|33334444||||");
const QString kDecpj = QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|N|N|N|N|N|N||");
const QString kSerie = QStringLiteral("RTRT|150000|150000|150000|150000|150000|150000|150000|150000|150000|150000|150000|"
                                      "150000||");

QString Cpf(int i) {
  const QString base = QString::number(100000000 + 7 * i);
  return base + TCpf::CalculaDVCpf(base);
}

TEST_F(ComAnalise, ArquivoSemAchadosNaoDeixaLog) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"),
                          QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"), kSerie,
                          QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  EXPECT_EQ(r.erros + r.avisos, 0);
  EXPECT_FALSE(QFileInfo::exists(CaminhoLog()));
}

TEST_F(ComAnalise, PrimeiraLinhaQueNaoEOCabecalhoFalhaOArquivo) {
  const auto r = Analisa({kRespo, kCabecalho, kDecpj, QStringLiteral("FIMTOLV|")});
  EXPECT_EQ(r.versao, 0);
  // The layout is told by the first line; a run of a known layout whose first line is no header:
  TArquivoDados dados(CaminhoLog());
  dados.VersaoLeiaute = 4;
  TAnalisadorArquivo analisador(dados);
  ASSERT_TRUE(analisador.Abre(m_pasta.caminho() + QStringLiteral("/entrada.txt")));
  analisador.PreAnalisa();
  EXPECT_TRUE(dados.Falhou);
  EXPECT_EQ(dados.Contagem.RegistrosRejeitados, 1);
  dados.DescarregaLog();
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 01  Registro: RESPO   Campo: XXXXX Valor: XXXXX      Erro: Este "
                                              "registro não é o registro TOLV.")});
}

TEST_F(ComAnalise, LeiauteDesconhecidoNaoAnalisaNada) {
  EXPECT_EQ(TAnalisadorArquivo::VersaoLeiaute(QStringLiteral("TOLV|2014|2013|N||F8UCL6S|")), 4);
  EXPECT_EQ(TAnalisadorArquivo::VersaoLeiaute(QStringLiteral("TOLV|2013|2013|N||7C2DE7J|")), 3);
  EXPECT_EQ(TAnalisadorArquivo::VersaoLeiaute(QStringLiteral("TOLV|2012|2012|N||1A4MA1R|")), 2);
  EXPECT_EQ(TAnalisadorArquivo::VersaoLeiaute(QStringLiteral("TOLV|2013|2013|N||F8UCL6S|")), 0);
  const auto r = Analisa({QStringLiteral("TOLV|2011|2010|N||XXXXXXX|"), kRespo, kDecpj, QStringLiteral("FIMTOLV|")});
  EXPECT_EQ(r.versao, 0);
  EXPECT_FALSE(r.concluido);
  TArquivoDados dados(CaminhoLog());
  TAnalisadorArquivo analisador(dados);
  analisador.PreAnalisa();
  EXPECT_TRUE(dados.Falhou);
}

TEST_F(ComAnalise, CabecalhoSemDeclaranteFalhaNaPreAnalise) {
  const auto r = Analisa({kCabecalho, kRespo, QStringLiteral("IDREC|0561|"), QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.falhou);
  EXPECT_FALSE(r.concluido);
  EXPECT_EQ(Log(), (QStringList{QStringLiteral("Linha: 03  Registro: IDREC   Campo: XXXXX Valor: XXXXX      Erro: Este "
                                               "registro precisa estar associado a um registro do tipo DECPF, DECPJ, FCI, "
                                               "PROC, RRA."),
                                QStringLiteral("Linha: 03  Registro: XXXXX   Campo: XXXXX Valor: XXXXX      Erro: Não foi "
                                               "encontrada sequência válida de registros TOLV + RESPO + DECPJ ou DECPF no "
                                               "início do arquivo.")}));
}

TEST_F(ComAnalise, CodigoQueOBlocoNaoAdmiteRejeitaOsBeneficiariosDoCodigo) {
  // A court code among the declarant's own lines, after a code of the block.
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"),
                          QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"), kSerie,
                          QStringLiteral("IDREC|5928|"), QStringLiteral("BPFDEC|") + Cpf(2) + QStringLiteral("|JOAO PEREIRA||"),
                          kSerie, QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 3);
  EXPECT_EQ(log[0], QStringLiteral("Linha: 07  Registro: IDREC   Campo: 2 Valor: 5928      Erro: Código de receita "
                                   "inválido ou não permitido para o bloco de beneficiários do declarante."));
  EXPECT_EQ(log[1], QStringLiteral("Linha: 08  Registro: BPFDEC  Campo: XXXXX Valor: XXXXX      Erro:  Registro não "
                                   "importado devido a erro na linha 7 ."));
}

TEST_F(ComAnalise, CodigoSemBeneficiariosESegundaSerieDoMesmoBeneficiario) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"), QStringLiteral("IDREC|0588|"),
                          QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"), kSerie, kSerie,
                          QStringLiteral("IDREC|0561|"), QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 3);
  EXPECT_EQ(log[0], QStringLiteral("Linha: 05  Registro: IDREC   Campo: XXXXX Valor: XXXXX     Aviso: Registro IDREC "
                                   "para o código de receita informado não tem beneficiários."));
  EXPECT_EQ(log[1], QStringLiteral("Linha: 08  Registro: RTRT    Campo: 1 Valor:  Linha 7      Erro: Este registro deve "
                                   "ser único."));
  EXPECT_EQ(log[2], QStringLiteral("Linha: 09  Registro: IDREC   Campo: XXXXX Valor: XXXXX      Erro: Código de receita "
                                   "fora de ordem 0561."));
}

TEST_F(ComAnalise, RegistroUnicoRepetido) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, kRespo, QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 04  Registro: RESPO   Campo: 1 Valor:  Linha 2      Erro: Este "
                                              "registro deve ser único.")});
}

TEST_F(ComAnalise, InformacoesComplementaresSemRepetirNemVoltar) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"),
                          QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"), kSerie,
                          QStringLiteral("INF|") + Cpf(2) + QStringLiteral("|Texto|"),
                          QStringLiteral("INF|") + Cpf(2) + QStringLiteral("|Outro texto|"),
                          QStringLiteral("INF|") + Cpf(1) + QStringLiteral("|Texto|"),
                          QStringLiteral("INF|") + Cpf(3) + QStringLiteral("|Texto|"), QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 2);
  EXPECT_EQ(log[0], QStringLiteral("Linha: 08  Registro: INF     Campo: 2 Valor: ") + Cpf(2) +
                        QStringLiteral("      Erro: Registro duplicado para o beneficiário informado."));
  EXPECT_EQ(log[1], QStringLiteral("Linha: 09  Registro: INF     Campo: 2 Valor: ") + Cpf(1) +
                        QStringLiteral("      Erro: Registro fora de ordem para o beneficiário informado."));
}

TEST_F(ComAnalise, RegistroDepoisDeInfFalhaORun) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC|0561|"),
                          QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"), kSerie,
                          QStringLiteral("INF|") + Cpf(1) + QStringLiteral("|Texto|"), QStringLiteral("IDREC|0588|"),
                          QStringLiteral("BPFDEC|") + Cpf(2) + QStringLiteral("|JOAO PEREIRA||"),
                          QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.falhou);
  EXPECT_FALSE(r.concluido);
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 08  Registro: IDREC   Campo: XXXXX Valor: XXXXX      Erro: "
                                              "Registro não permitido após a ocorrência de um registro INF.")});
}

TEST_F(ComAnalise, LinhasDepoisDoTrailerNaoSaoAnalisadas) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("FIMTOLV|"), QStringLiteral("XPTO|")});
  EXPECT_TRUE(r.concluido);
  EXPECT_FALSE(QFileInfo::exists(CaminhoLog()));
}

TEST_F(ComAnalise, SegundoBlocoDeFundosRecusaSeusBeneficiarios) {
  const QString fundo1 = QStringLiteral("FCI|11222333000181|FUNDO UM|");
  const QString fundo2 = QStringLiteral("FCI|22333444000181|FUNDO DOIS|");
  const QString decpj = QStringLiteral("DECPJ|11444777000161|EMPRESA EXEMPLO LTDA|0|11144477735|N|S|S|N|N|N|N||");
  // The block stays the processes' one after the second fund: its code must be one a process admits.
  const auto r = Analisa({kCabecalho, kRespo, decpj, fundo1, QStringLiteral("IDREC|6800|"),
                          QStringLiteral("BPJFCI|11444777000242|EMPRESA DOIS LTDA|"),
                          QStringLiteral("PROC|1|00012345620134010000||||"), fundo2, QStringLiteral("IDREC|5928|"),
                          QStringLiteral("BPJFCI|11444777000323|EMPRESA TRES LTDA|"), QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 1) << log.join(u'\n').toStdString();
  EXPECT_EQ(log.back(), QStringLiteral("Linha: 10  Registro: BPJFCI  Campo: XXXXX Valor: XXXXX      Erro: Encontrado "
                                       "um segundo bloco com informações de registros de beneficiário de Fundo ou "
                                       "Clube."));
}

TEST_F(ComAnalise, CincoMilErrosParamAPassagem) {
  QStringList linhas{kCabecalho, kRespo, kDecpj};
  for (int i = 0; i < 5005; ++i) linhas << QStringLiteral("XPTO|");
  linhas << QStringLiteral("FIMTOLV|");
  const auto r = Analisa(linhas);
  EXPECT_FALSE(r.concluido);
  EXPECT_EQ(r.erros, 5001);
  const QStringList log = Log();
  ASSERT_EQ(log.size(), 5001);
  EXPECT_EQ(log.back(), QStringLiteral("Linha: 5004  Registro: XXXXX   Campo: XXXXX Valor: XXXXX      Erro: A "
                                       "importação foi interrompida, pois atingiu 5.000 erros."));
}

// Millions of empty fields on one line: one finding on that line, and the lines after it are read
// as usual.
TEST_F(ComAnalise, LinhaDeMilhoesDeCamposVazios) {
  const auto r = Analisa({kCabecalho, kRespo, kDecpj, QStringLiteral("IDREC") + QString(3'000'000, u'|'),
                          QStringLiteral("IDREC|0561|"), QStringLiteral("BPFDEC|") + Cpf(1) + QStringLiteral("|MARIA SOUZA||"),
                          kSerie, QStringLiteral("FIMTOLV|")});
  EXPECT_TRUE(r.concluido);
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 04  Registro: IDREC   Campo: XXXXX Valor: XXXXX      Erro: O "
                                              "número de campos do registro não é o esperado.")});
}

}  // namespace
