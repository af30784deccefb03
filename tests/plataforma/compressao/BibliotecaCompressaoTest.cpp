// The outside compression library as a plug-in: absent, failing, cancelled and succeeding, with
// the test's stand-in library.

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

#include "plataforma/compressao/BibliotecaCompressao.h"

namespace {

using compressao::BibliotecaCompressao;

class Biblioteca : public testing::Test {
 protected:
  QString Escreve(const QByteArray& conteudo) {
    const QString arquivo = m_pasta.filePath(QStringLiteral("decl.DEC"));
    QFile f(arquivo);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(conteudo);
    return arquivo;
  }
  QString Texto() const { return m_pasta.filePath(BibliotecaCompressao::kArquivoTexto); }

  QTemporaryDir m_pasta;
};

TEST_F(Biblioteca, WithoutTheLibraryEveryDecompressionFails) {
  for (const QString& caminho : {QString(), m_pasta.filePath(QStringLiteral("vevivav10.dll")),
                                 m_pasta.path()}) {
    BibliotecaCompressao biblioteca(caminho);
    EXPECT_FALSE(biblioteca.Carrega());
    EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("TOLVCMP\nX"), m_pasta.path(), {}), BibliotecaCompressao::kAusente);
  }
  EXPECT_FALSE(QFile::exists(Texto()));
}

TEST_F(Biblioteca, ALibraryWithoutTheExportIsNotLoaded) {
  // A shared object of another program: the stand-in of the transmission program.
  BibliotecaCompressao biblioteca(QStringLiteral(TOLV_VELDRA_FALSA));
  EXPECT_FALSE(biblioteca.Carrega());
  EXPECT_FALSE(biblioteca.Carregada());
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("TOLVCMP\nX"), m_pasta.path(), {}), BibliotecaCompressao::kAusente);
}

TEST_F(Biblioteca, SucceedsWritesTheTextAndReportsProgress) {
  BibliotecaCompressao biblioteca(QStringLiteral(TOLV_VEVIVAV_FALSA));
  ASSERT_TRUE(biblioteca.Carrega());
  std::vector<int> posicoes;
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("TOLVCMP\nlinha 1\r\nlinha 2\r\n"), m_pasta.path(),
                                        [&](int p) { posicoes.push_back(p); }),
            BibliotecaCompressao::kSucesso);
  QFile texto(Texto());
  ASSERT_TRUE(texto.open(QIODevice::ReadOnly));
  EXPECT_EQ(texto.readAll(), QByteArray("linha 1\r\nlinha 2\r\n"));
  EXPECT_EQ(posicoes, std::vector<int>{100});
}

TEST_F(Biblioteca, AFailureIsTheLibrarysAnswer) {
  BibliotecaCompressao biblioteca(QStringLiteral(TOLV_VEVIVAV_FALSA));
  ASSERT_TRUE(biblioteca.Carrega());
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("FALHA\n"), m_pasta.path(), {}), 3);
  EXPECT_FALSE(QFile::exists(Texto()));
}

TEST_F(Biblioteca, CancelFromTheProgressStopsTheLibrary) {
  BibliotecaCompressao biblioteca(QStringLiteral(TOLV_VEVIVAV_FALSA));
  ASSERT_TRUE(biblioteca.Carrega());
  int chamadas = 0;
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("LENTO\nTOLVCMP\nX"), m_pasta.path(),
                                        [&](int p) {
                                          ++chamadas;
                                          if (p == 3) biblioteca.CancelarCompressao();
                                        }),
            BibliotecaCompressao::kCancelado);
  EXPECT_EQ(chamadas, 4);
  EXPECT_FALSE(QFile::exists(Texto()));
  // Outside a decompression a cancel does nothing, and the next one runs to its end.
  biblioteca.CancelarCompressao();
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("TOLVCMP\nX"), m_pasta.path(), {}), BibliotecaCompressao::kSucesso);
}

TEST_F(Biblioteca, AProgressCallbackThatThrowsDoesNotUnwindThroughTheLibrary) {
  BibliotecaCompressao biblioteca(QStringLiteral(TOLV_VEVIVAV_FALSA));
  ASSERT_TRUE(biblioteca.Carrega());
  EXPECT_EQ(biblioteca.DescomprimirTolv(Escreve("TOLVCMP\nX"), m_pasta.path(),
                                        [](int) { throw std::runtime_error("falha na barra"); }),
            BibliotecaCompressao::kSucesso);
}

}  // namespace
