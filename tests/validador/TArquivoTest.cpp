#include <gtest/gtest.h>

#include "AnaliseTeste.h"
#include "validador/TArquivoA.h"
#include "validador/TArquivoI.h"

namespace {

using analise_teste::ComRun;

TEST_F(ComRun, LeitorDaAnaliseContaEDivideCadaLinha) {
  const QString caminho = Caminho(QStringLiteral("d.txt"));
  analise_teste::GravaArquivo(caminho, "TOLV|2014|2013|N||F8UCL6S|\r\nRESPO|1|\r\n");
  std::vector<std::pair<int64_t, int64_t>> progresso;
  Dados().SetBarraProgresso([&](int64_t p, int64_t m) { progresso.emplace_back(p, m); });
  TArquivoA arquivo(Dados());
  ASSERT_TRUE(arquivo.Abre(caminho));
  ASSERT_TRUE(arquivo.LeLinha());
  EXPECT_EQ(Dados().LinhaAtual(), 1);
  EXPECT_EQ(arquivo.GetLinha().GetNumeroCampos(), 5);
  arquivo.GetLinha().Valida();
  arquivo.MarcaValido();
  EXPECT_TRUE(arquivo.ExecutaRegra(QStringLiteral("ER_RegistroTOLV")));
  ASSERT_TRUE(arquivo.LeLinha());
  EXPECT_EQ(arquivo.GetLinha().Campo(1).toString(), QStringLiteral("1"));
  EXPECT_FALSE(arquivo.LeLinha());
  EXPECT_EQ(Dados().LinhaAtual(), 2);
  ASSERT_FALSE(progresso.empty());
  EXPECT_EQ(progresso.front().second, 38);
}

TEST_F(ComRun, PrimeiraLinhaQueNaoEOCabecalho) {
  const QString caminho = Caminho(QStringLiteral("d.txt"));
  analise_teste::GravaArquivo(caminho, "RESPO|12345678909|Fulano||||||\r\n");
  TArquivoA arquivo(Dados());
  ASSERT_TRUE(arquivo.Abre(caminho));
  ASSERT_TRUE(arquivo.LeLinha());
  arquivo.GetLinha().Valida();
  arquivo.MarcaValido();
  EXPECT_FALSE(arquivo.ExecutaRegra(QStringLiteral("ER_RegistroTOLV")));
  EXPECT_EQ(Log(), QStringList{QStringLiteral("Linha: 01  Registro: RESPO   Campo: XXXXX Valor: XXXXX      Erro: Este "
                                              "registro não é o registro TOLV.")});
}

TEST_F(ComRun, ArquivoInexistenteAbreSemLinhas) {
  TArquivoA arquivo(Dados());
  EXPECT_TRUE(arquivo.Abre(Caminho(QStringLiteral("nao-existe.txt"))));
  EXPECT_FALSE(arquivo.LeLinha());
  EXPECT_EQ(TArquivo::TamanhoArquivo(Caminho(QStringLiteral("nao-existe.txt"))), -1);
  QString primeira = QStringLiteral("x");
  TArquivo::LePrimeiraLinha(Caminho(QStringLiteral("nao-existe.txt")), primeira);
  EXPECT_TRUE(primeira.isEmpty());
}

TEST_F(ComRun, ArquivoQueNaoAbrePerguntaSeTentaDeNovo) {
  // A folder of the same name cannot be opened as a file.
  const QString caminho = Caminho(QStringLiteral("pasta.txt"));
  QDir().mkpath(caminho);
  m_caixa.responde(ResultadoMensagem::Sim);
  m_caixa.responde(ResultadoMensagem::Nao);
  TArquivoA arquivo(Dados());
  EXPECT_FALSE(arquivo.Abre(caminho));
  ASSERT_EQ(m_caixa.chamadas().size(), 2u);
  EXPECT_EQ(m_caixa.ultima().texto, QStringLiteral("Não foi possível abrir o arquivo ") + caminho +
                                        QStringLiteral(". Tentar Novamente?"));
}

// The import reads back every field the analysis rejected as a warning and leaves it empty;
// lines that are not importable are not even split.
TEST_F(ComRun, LeitorDaImportacaoEsvaziaOsCamposRejeitados) {
  const QString caminho = Caminho(QStringLiteral("d.txt"));
  QByteArray brpde = "BRPDE|1|105";
  for (int p = 3; p <= 16; ++p) brpde += "|v" + QByteArray::number(p);
  brpde += "|\r\n";
  analise_teste::GravaArquivo(caminho, "RPDE|\r\nXPTO|\r\n" + brpde);
  Dados().PreparaAnalise(200);
  TTFlagCampo& campos = Dados().Flags().GetFlagCampo();
  Dados().ContaLinha(0);
  Dados().MarcaLinha(1, true);
  Dados().ContaLinha(0);
  Dados().MarcaLinha(2, false);
  Dados().ContaLinha(0);
  for (int p = 3; p <= 16; ++p) campos.AdicionaCampo(p);
  Dados().MarcaLinha(3, true);

  Dados().SetBarraProgresso({});
  TArquivoI arquivo(Dados());
  ASSERT_TRUE(arquivo.Abre(caminho));
  ASSERT_TRUE(arquivo.LeLinha());
  EXPECT_EQ(arquivo.GetLinha().GetTipo(), TTipoRegistro::RPDE);
  ASSERT_TRUE(arquivo.LeLinha());
  EXPECT_EQ(arquivo.GetLinha().GetTipo(), TTipoRegistro::RPDE);
  ASSERT_TRUE(arquivo.LeLinha());
  const TLinhaI& linha = arquivo.GetLinha();
  EXPECT_EQ(linha.GetTipo(), TTipoRegistro::BRPDE);
  EXPECT_EQ(linha.Campo(2), QStringLiteral("105"));
  for (int p = 3; p <= 16; ++p) EXPECT_TRUE(linha.Campo(p).isEmpty()) << p;
  EXPECT_FALSE(arquivo.LeLinha());
}

}  // namespace
