#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include "nucleo/UtilArquivos.h"
#include "plataforma/sistema/ArquivoBinario.h"
#include "plataforma/sistema/ArquivoTexto.h"
#include "suporte/ArquivosTeste.h"
#include "suporte/CaixaMensagemFalsa.h"
#include "suporte/UnidadesFalsas.h"

namespace {

// A message box that runs something before answering: the user fixes the file, then says "Sim".
class CaixaQueAge : public CaixaMensagemFalsa {
 public:
  using CaixaMensagemFalsa::CaixaMensagemFalsa;
  std::function<void()> antes;
  int MostraMensagem(const QString& texto, const QString& titulo, int flags) override {
    if (antes) antes();
    return CaixaMensagemFalsa::MostraMensagem(texto, titulo, flags);
  }
};

using Abertura = bool (*)(ArquivoTexto&, const QString&);

struct CasoPergunta {
  const char* nome;
  Abertura abre;
  const char* pergunta;  // %1 the file name
};

class PerguntaAoAbrir : public testing::TestWithParam<CasoPergunta> {};

// A failed opening asks whether to try again; "Sim" retries until the file opens, and the
// result is then true.
TEST_P(PerguntaAoAbrir, RetryThatSucceedsReturnsTrue) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/entrada.txt";
  CaixaQueAge caixa(ResultadoMensagem::Sim);
  int perguntas = 0;
  caixa.antes = [&] {
    if (++perguntas == 2) {
      ASSERT_TRUE(escreve(nome, "linha\r\n"));
    }
  };
  ArquivoTexto arquivo;
  EXPECT_TRUE(GetParam().abre(arquivo, nome));
  EXPECT_TRUE(arquivo.paraLeitura());
  ASSERT_EQ(caixa.chamadas().size(), 2u);
  EXPECT_EQ(caixa.ultima().texto, QString::fromUtf8(GetParam().pergunta).arg(nome));
  EXPECT_EQ(caixa.ultima().titulo, "Abrir Arquivo");
  EXPECT_EQ(caixa.ultima().flags, 36);
}

TEST_P(PerguntaAoAbrir, NaoGivesUpWithTheFileClosed) {
  QTemporaryDir dir;
  CaixaMensagemFalsa caixa(ResultadoMensagem::Nao);
  ArquivoTexto arquivo;
  EXPECT_FALSE(GetParam().abre(arquivo, dir.path() + "/falta.txt"));
  EXPECT_FALSE(arquivo.aberto());
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Rotinas, PerguntaAoAbrir,
    testing::Values(CasoPergunta{"Leitura", &AbreArquivoLeitura, "Não foi possível abrir o arquivo %1. Tentar Novamente?"},
                    CasoPergunta{"Importacao", &AbreArquivoImportacao,
                                 "Não foi possível abrir o arquivo.\r%1\rTentar novamente?"}),
    [](const auto& info) { return std::string(info.param.nome); });

// A box closed without an answer gives up too (no endless asking).
TEST(UtilArquivos, ClosedBoxGivesUp) {
  QTemporaryDir dir;
  CaixaMensagemFalsa caixa(ResultadoMensagem::Nenhum);
  ArquivoTexto arquivo;
  EXPECT_FALSE(AbreArquivoLeitura(arquivo, dir.path() + "/falta.txt"));
  EXPECT_EQ(caixa.chamadas().size(), 1u);
}

TEST(UtilArquivos, CreatesMissingFoldersAndWritesWindows1252) {
  QTemporaryDir dir;
  CaixaMensagemFalsa caixa;
  const QString nome = dir.path() + "/a/b/Declaração.txt";
  ArquivoTexto arquivo;
  ASSERT_TRUE(CriaArquivoTexto(arquivo, nome));
  EXPECT_TRUE(GravaLinha(arquivo, "João|Ação"));
  EXPECT_TRUE(GravaLinha(arquivo, ""));
  ASSERT_TRUE(arquivo.fecha());
  EXPECT_EQ(conteudo(nome), QByteArray("Jo\xE3o|A\xE7\xE3o\r\n\r\n"));
  EXPECT_TRUE(caixa.chamadas().empty());

  ArquivoTexto leitura;
  ASSERT_TRUE(AbreArquivoLeitura(leitura, nome));
  QString linha;
  bool falhou = false;
  EXPECT_FALSE(FimArquivo(leitura, falhou));
  EXPECT_TRUE(LeLinha(leitura, linha));
  EXPECT_EQ(linha, "João|Ação");
  EXPECT_TRUE(LeLinha(leitura, linha));
  EXPECT_EQ(linha, "");
  EXPECT_TRUE(FimArquivo(leitura, falhou));
  EXPECT_FALSE(falhou);
}

// Creating a file over an existing one empties it once the new text is complete.
TEST(UtilArquivos, CreatingReplacesTheOldFile) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/x.txt";
  ASSERT_TRUE(escreve(nome, "antigo\r\n"));
  ArquivoTexto arquivo;
  ASSERT_TRUE(CriaArquivoTexto(arquivo, nome));
  ASSERT_TRUE(GravaLinha(arquivo, "novo"));
  ASSERT_TRUE(arquivo.fecha());
  EXPECT_EQ(conteudo(nome), QByteArray("novo\r\n"));
}

// A folder of the path that cannot be made (a file stands in its place) makes the creation ask;
// once the user has cleared the way, the retry creates the file.
TEST(UtilArquivos, CreationAsksAndRetries) {
  QTemporaryDir dir;
  ASSERT_TRUE(escreve(dir.path() + "/a", "um arquivo, não uma pasta"));
  const QString nome = dir.path() + "/a/b.txt";
  CaixaQueAge caixa(ResultadoMensagem::Sim);
  caixa.antes = [&] { QFile::remove(dir.path() + "/a"); };
  ArquivoTexto arquivo;
  ASSERT_TRUE(CriaArquivoTexto(arquivo, nome));
  EXPECT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, "Não foi possível abrir o arquivo " + nome + ". Tentar Novamente?");
  ASSERT_TRUE(GravaLinha(arquivo, "x"));
  ASSERT_TRUE(arquivo.fecha());
  EXPECT_EQ(conteudo(nome), QByteArray("x\r\n"));
}

TEST(UtilArquivos, WrongDirectionFailsWithoutMessageExceptAtEnd) {
  QTemporaryDir dir;
  CaixaMensagemFalsa caixa;
  ArquivoTexto arquivo;
  QString linha;
  EXPECT_FALSE(LeLinha(arquivo, linha));
  EXPECT_FALSE(GravaLinha(arquivo, "x"));
  EXPECT_TRUE(caixa.chamadas().empty());
  ASSERT_TRUE(CriaArquivoTexto(arquivo, dir.path() + "/s.txt"));
  EXPECT_FALSE(LeLinha(arquivo, linha));
  bool falhou = false;
  EXPECT_TRUE(FimArquivo(arquivo, falhou));
  EXPECT_TRUE(falhou);
  ASSERT_EQ(caixa.chamadas().size(), 1u);
  EXPECT_EQ(caixa.ultima().texto, "Erro de acesso ao arquivo");
  EXPECT_EQ(caixa.ultima().titulo, "Fim de arquivo");
  EXPECT_EQ(caixa.ultima().flags, 16);
}

TEST(UtilArquivos, BinaryFileRetriesLikeTextFiles) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/r.bin";
  CaixaQueAge caixa(ResultadoMensagem::Sim);
  caixa.antes = [&] { ASSERT_TRUE(escreve(nome, "AAAABBBBCC")); };
  ArquivoBinario arquivo;
  ASSERT_TRUE(AbreArquivoBinario(arquivo, nome, 4, ArquivoBinario::Leitura));
  EXPECT_EQ(caixa.ultima().texto, "Não foi possível abrir o arquivo " + nome + ". Tentar Novamente?");
  EXPECT_EQ(arquivo.quantidade(), 2);
  QByteArray r;
  EXPECT_TRUE(arquivo.le(r));
  EXPECT_EQ(r, "AAAA");
  EXPECT_TRUE(arquivo.le(r));
  EXPECT_TRUE(arquivo.fim());
  EXPECT_FALSE(arquivo.le(r));  // a short last record is not a record
}

TEST(UtilArquivos, ByteFileRetriesLikeTextFiles) {
  QTemporaryDir dir;
  const QString nome = dir.path() + "/r.REC";
  CaixaQueAge caixa(ResultadoMensagem::Sim);
  caixa.antes = [&] { ASSERT_TRUE(escreve(nome, "HC\xE7\r\n")); };
  QFile arquivo;
  ASSERT_TRUE(AbreArquivoBytes(arquivo, nome));
  EXPECT_EQ(caixa.ultima().texto, "Não foi possível abrir o arquivo " + nome + ". Tentar Novamente?");
  EXPECT_EQ(arquivo.readAll(), QByteArray("HC\xE7\r\n"));
}

TEST(UtilArquivos, ExisteDiretorio) {
  QTemporaryDir dir;
  ASSERT_TRUE(escreve(dir.path() + "/arquivo", "x"));
  EXPECT_TRUE(ExisteDiretorio(dir.path()));
  EXPECT_TRUE(ExisteDiretorio(dir.path() + "/"));
  EXPECT_FALSE(ExisteDiretorio(dir.path() + "/arquivo"));
  EXPECT_FALSE(ExisteDiretorio(dir.path() + "/falta"));
  EXPECT_FALSE(ExisteDiretorio(""));
}

TEST(UtilArquivos, OnlyADisketteDriveIsOne) {
  UnidadesFalsas unidades({{"/home/u", TipoUnidade::Fixa, "u", true},
                           {"/media/pen", TipoUnidade::Removivel, "pen", true},
                           {"/media/a", TipoUnidade::Disquete, "a", true}});
  EXPECT_TRUE(UnidadeDisquete("/media/a"));
  EXPECT_TRUE(UnidadeDisquete("/media/a/"));
  EXPECT_FALSE(UnidadeDisquete("/media/pen"));
  EXPECT_FALSE(UnidadeDisquete("/home/u"));
  EXPECT_FALSE(UnidadeDisquete("/media/b"));
}

}  // namespace
